#include "daemon/globaldata.h"
#include "support/alertlog.h"
#include "support/logcapture.h"
#include "usage/usageevents.h"

#include <QtTest>

namespace {

QString stubDir(const char *variant)
{
    return QString(DATACOLLECT_STUB_DIR "/datacollect-%1").arg(variant);
}

const QByteArray SWITCH_TAB = "upload ok kevent_intrusion_detect_desktop_switch_tab main_page\n";
const QByteArray START = "upload ok kevent_intrusion_detect_desktop_start main_window\n";

} // namespace

class TestUsageEvents : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // What the stub library recorded since the last call.
    QByteArray calls()
    {
        const QByteArray calls = readTestFile(m_dir.filePath("calls"));
        QFile::remove(m_dir.filePath("calls"));
        return calls;
    }

private slots:
    void initTestCase() { qputenv("TARVIX_USAGE_RECORD", QFile::encodeName(m_dir.filePath("calls"))); }

    void sendsEventAndUnloads()
    {
        QCOMPARE(defaultUsageLibraryDir(), QLibraryInfo::location(QLibraryInfo::LibrariesPath));
        uploadUsageEvent(stubDir("full"), UsagePageMain, UsageEventSwitchTab,
            { { "tabName", "notifyLog" }, { "kind", "a b=c" }, { "empty", "" } });
        // Properties in key order; the library is closed again after the event.
        QCOMPARE(calls(),
            "load\ninit 0 0\nappend ok 3\n  empty=\n  kind=a b=c\n  tabName=notifyLog\n" + SWITCH_TAB
                + "free ok\nunload\n");

        // Properties go in the local encoding.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        uploadUsageEvent(stubDir("full"), UsagePageMainWindow, UsageEventStart,
            { { QString::fromUtf8("naïve"), QString::fromUtf8("café") } });
        QTextCodec::setCodecForLocale(nullptr);
        QCOMPARE(calls(), "load\ninit 0 0\nappend ok 1\n  na\xefve=caf\xe9\n" + START + "free ok\nunload\n");

        GlobalData::instance()->setUsageLibraryDir(stubDir("full"));
        GlobalData::instance()->recordStartByDesktop(); // the app tests see it only in a child process
        QCOMPARE(calls(), "load\ninit 0 0\nappend ok 1\n  startType=desktop\n" + START + "free ok\nunload\n");

        QTest::ignoreMessage(QtCriticalMsg, "Buried point page is not exist.");
        uploadUsageEvent(stubDir("full"), 2, UsageEventStart, {});
        QTest::ignoreMessage(QtCriticalMsg, "Buried point event code is not exist.");
        uploadUsageEvent(stubDir("full"), UsagePageMain, -1, {});
        QCOMPARE(calls(), QByteArray());
    }

    void libraryFailures()
    {
        QByteArray noFree;
        const QByteArray printed = captureStream(2, [&] {
            uploadUsageEvent(
                stubDir("nofree"), UsagePageMain, UsageEventSwitchTab, { { "tabName", "notifyLog" } });
            noFree = calls();
            uploadUsageEvent(
                stubDir("nullinit"), UsagePageMain, UsageEventSwitchTab, { { "tabName", "notifyLog" } });
        });
        QCOMPARE(noFree, QByteArray("load\nunload\n"));
        QCOMPARE(calls(), QByteArray("load\ninit 0 0\nunload\n"));
        QVERIFY2(QString::fromLocal8Bit(printed).contains(QRegularExpression(
                     "^Error resolving symbols: .*lumo_dia_data_free.*\nFailed to initialize track data\n$")),
            printed);

        // Absent at one event, installed before the next: that one goes out.
        QTemporaryDir dir;
        const QString path = dir.filePath(USAGE_LIBRARY_NAME);
        QTest::ignoreMessage(QtCriticalMsg,
            QRegularExpression("^Error loading  \"" + QRegularExpression::escape(path) + "\" .+"));
        uploadUsageEvent(dir.path(), UsagePageMainWindow, UsageEventStart, {});
        QCOMPARE(calls(), QByteArray());
        QVERIFY(QFile::copy(stubDir("full") + "/" + USAGE_LIBRARY_NAME, path));
        uploadUsageEvent(dir.path(), UsagePageMainWindow, UsageEventStart, {});
        QVERIFY(calls().contains(START));
    }
};

QTEST_GUILESS_MAIN(TestUsageEvents)
#include "tst_usageevents.moc"
