#include "daemon/globaldata.h"

#include "usage/usageevents.h"

#include <QMap>

GlobalData::GlobalData(QObject *parent)
    : QObject(parent)
    , m_usageLibraryDir(defaultUsageLibraryDir())
{
}

GlobalData *GlobalData::instance()
{
    static GlobalData globalData;
    return &globalData;
}

void GlobalData::record(int page, int event, const QString &key, const QString &value)
{
    uploadUsageEvent(m_usageLibraryDir, page, event, QMap<QString, QString> { { key, value } });
}

void GlobalData::recordStartByNotify()
{
    record(UsagePageMainWindow, UsageEventStart, QStringLiteral("startType"), QStringLiteral("notify"));
}

void GlobalData::recordStartByDesktop()
{
    record(UsagePageMainWindow, UsageEventStart, QStringLiteral("startType"), QStringLiteral("desktop"));
}

void GlobalData::recordLogTab()
{
    record(UsagePageMain, UsageEventSwitchTab, QStringLiteral("tabName"), QStringLiteral("notifyLog"));
}

void GlobalData::recordReportTab()
{
    record(UsagePageMain, UsageEventSwitchTab, QStringLiteral("tabName"), QStringLiteral("notifyReport"));
}

void GlobalData::recordConfigOpen()
{
    record(UsagePageMain, UsageEventSwitchTab, QStringLiteral("tabName"), QStringLiteral("notifyConfig"));
}
