#ifndef ALERTENGINE_NOTIFYLOGDATA_H
#define ALERTENGINE_NOTIFYLOGDATA_H

#include "alertengine/alertloader.h"

#include <QMetaType>
#include <QString>

// One alert on the Qt side: what the log page's worker hands over and each
// alert entry keeps.
struct notifyLogData
{
    int rule = 0;
    int level = 0;
    QString alertId;
    QString date;
    QString location;
    QString comment;
    QString group;
    QString srcIp;
    int srcPort = 0;
    QString dstIp;
    int dstPort = 0;
    QString user;
    QString firstLog;
    QString otherLogs;

    static notifyLogData fromLoginfo(const loginfo &alert);
    // Makes the type usable in queued signals under the name "notifyLogData".
    static void registerMetaType();
};

Q_DECLARE_METATYPE(notifyLogData)

#endif
