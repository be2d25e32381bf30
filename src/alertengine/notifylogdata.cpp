#include "alertengine/notifylogdata.h"

namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

} // namespace

notifyLogData notifyLogData::fromLoginfo(const loginfo &alert)
{
    notifyLogData data;
    data.rule = alert.rule;
    data.level = alert.level;
    data.alertId = fromUtf8(alert.alertId);
    data.date = fromUtf8(alert.date);
    data.location = fromUtf8(alert.location);
    data.comment = fromUtf8(alert.comment);
    data.group = fromUtf8(alert.group);
    data.srcIp = fromUtf8(alert.srcIp);
    data.srcPort = alert.srcPort;
    data.dstIp = fromUtf8(alert.dstIp);
    data.dstPort = alert.dstPort;
    data.user = fromUtf8(alert.user);
    data.firstLog = fromUtf8(alert.firstLog);
    data.otherLogs = fromUtf8(alert.otherLogs);
    return data;
}

void notifyLogData::registerMetaType()
{
    qRegisterMetaType<notifyLogData>("notifyLogData");
}
