#ifndef DAEMONSIM_DAEMONSIMSTATE_H
#define DAEMONSIM_DAEMONSIMSTATE_H

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything the stand-in daemon remembers, kept in one JSON file. A value
// type: changes are made on a copy, saved, and only then taken over, so a
// failed save leaves both the file and the running state as they were.
class DaemonSimState
{
public:
    struct ServiceStatus
    {
        int type0 = 0;
        int type1 = 0;
    };

    static const QStringList &serviceNames();
    static const QStringList &aiKeys();
    static const char *const AI_SERVICE;
    static const char *const AI_PACKAGE;

    DaemonSimState();

    // Reads the file; a missing file is created with the defaults. A file
    // that cannot be read or understood is an error and is left untouched.
    bool load(const QString &path, QString *error);
    // Writes a temporary file next to the target and renames it over.
    bool save(QString *error) const;

    QJsonObject toJson() const;
    bool fromJson(const QJsonObject &json, QString *error);

    QString path;
    QMap<QString, ServiceStatus> services;
    bool aiPackageInstalled = false;
    QString notifyDisabled;
    QString notifyTimeout;
    QString notifyFold;
    QString whitelist;
    QString blockIpTimeout;
    QMap<QString, QString> aiConfig;
    QString eventTotalCount;
};

#endif
