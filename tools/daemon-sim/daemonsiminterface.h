#ifndef DAEMONSIM_DAEMONSIMINTERFACE_H
#define DAEMONSIM_DAEMONSIMINTERFACE_H

#include <QString>
#include <QStringList>
#include <QVector>

// The desktop daemon's wire interface as the stand-in exports it. One table
// drives both the dispatch and the introspection data, so they cannot drift.

extern const char *const SIM_SERVICE_NAME;
extern const char *const SIM_OBJECT_PATH;
extern const char *const SIM_INTERFACE_NAME;
// The service name alone; decoy signals go out under it and clients must ignore them.
extern const char *const SIM_DECOY_INTERFACE_NAME;

struct SimArgument
{
    QString name;
    QString type;
};

struct SimMember
{
    QString name;
    QVector<SimArgument> in; // for signals: the arguments
    QVector<SimArgument> out; // empty for signals

    QString inSignature() const;
    QString outSignature() const;
};

const QVector<SimMember> &simMethods();
const QVector<SimMember> &simSignals();
const SimMember *findSimMethod(const QString &name);
QStringList simMethodNames();

// The <interface> element for the introspection data.
QString simInterfaceXml();

#endif
