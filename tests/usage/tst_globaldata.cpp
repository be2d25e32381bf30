#include "daemon/globaldata.h"

#include "usagerecord.h"

#include <QLibraryInfo>
#include <QtTest>

class TestGlobalData : public QObject
{
    Q_OBJECT

private slots:
    void recordsEachEvent()
    {
        GlobalData *data = GlobalData::instance();
        QCOMPARE(GlobalData::instance(), data);
        QCOMPARE(data->usageLibraryDir(), QLibraryInfo::location(QLibraryInfo::LibrariesPath));
        data->setUsageLibraryDir(stubDir("full"));

        const struct
        {
            void (GlobalData::*operation)();
            const char *sent;
        } events[] = {
            { &GlobalData::recordStartByNotify,
                "startType=notify\nupload ok kevent_intrusion_detect_desktop_start main_window" },
            { &GlobalData::recordStartByDesktop,
                "startType=desktop\nupload ok kevent_intrusion_detect_desktop_start main_window" },
            { &GlobalData::recordLogTab,
                "tabName=notifyLog\nupload ok kevent_intrusion_detect_desktop_switch_tab main_page" },
            { &GlobalData::recordReportTab,
                "tabName=notifyReport\nupload ok kevent_intrusion_detect_desktop_switch_tab main_page" },
            { &GlobalData::recordConfigOpen,
                "tabName=notifyConfig\nupload ok kevent_intrusion_detect_desktop_switch_tab main_page" },
        };
        UsageRecord record;
        for (const auto &event : events) {
            (data->*event.operation)();
            QCOMPARE(record.take(),
                "load\ninit 0 0\nappend ok 1\n  " + QByteArray(event.sent) + "\nfree ok\nunload\n");
        }
    }
};

QTEST_GUILESS_MAIN(TestGlobalData)
#include "tst_globaldata.moc"
