#ifndef DAEMONSIM_DAEMONSIMOBJECT_H
#define DAEMONSIM_DAEMONSIMOBJECT_H

#include "daemonsimoptions.h"
#include "daemonsimstate.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QList>
#include <QTimer>
#include <QVariant>

// The daemon's one D-Bus object. A virtual object rather than an adaptor,
// because the faults it plays (short replies, wrong types, error replies,
// late answers) need full control over every reply message.
class DaemonSimObject : public QDBusVirtualObject
{
    Q_OBJECT

public:
    DaemonSimObject(const DaemonSimOptions &options, const DaemonSimState &state,
        const QDBusConnection &connection, QObject *parent = nullptr);

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

    // One line on standard output, flushed at once so a reader sees it.
    static void log(const QString &line);

private:
    // Result codes of the stand-in beyond 0.
    enum Result { Busy = 1, NotInstalled = 2, UnknownService = 3, InvalidArgument = 4, InternalError = 5 };

    struct InstallStep
    {
        int percent;
        QString status;
        QString details;
    };

    void answer(const QDBusMessage &call);
    QList<QVariant> run(const QString &method, const QList<QVariant> &args);
    void sendError(const QDBusMessage &call, const QString &name, const QString &text);

    int generateLogFile();
    int getServiceStatus(const QString &name, int type);
    int setServiceStatus(const QString &names, int status, int type);
    int restartService(const QString &name);
    int setNotifyConfig(const QString &disabled, const QString &timeout, const QString &fold);
    int getInterventionConfig(const QString &action, const QString &field, QString &value) const;
    int setInterventionConfig(const QString &action, const QString &field, const QString &value);
    int getAiConfig(const QString &key, QString &value) const;
    int setAiConfig(const QString &key, const QString &value);
    int installPackages(const QStringList &packages);

    int commit(const DaemonSimState &next);
    void playInstallStep();
    void emitSignal(const QString &name, const QList<QVariant> &args);

    DaemonSimOptions m_options;
    DaemonSimState m_state;
    QDBusConnection m_connection;

    bool m_installing = false;
    QStringList m_installPackages;
    QList<InstallStep> m_installSteps;
    QTimer m_installTimer;
};

#endif
