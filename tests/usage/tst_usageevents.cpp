#include "usage/usageevents.h"

#include "usagerecord.h"

#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTextCodec>
#include <QtTest>

class TestUsageEvents : public QObject
{
    Q_OBJECT

    UsageRecord m_record;

private slots:
    void init() { m_record.take(); }

    void sendsEventAndUnloads()
    {
        uploadUsageEvent(stubDir("full"), UsagePageMain, UsageEventSwitchTab,
            { { "tabName", "notifyLog" }, { "kind", "a b=c" }, { "empty", "" } });
        // Properties in key order; the library is closed again after the event.
        QCOMPARE(m_record.take(),
            QByteArray("load\ninit 0 0\nappend ok 3\n  empty=\n  kind=a b=c\n  tabName=notifyLog\n"
                       "upload ok kevent_intrusion_detect_desktop_switch_tab main_page\n"
                       "free ok\nunload\n"));

        uploadUsageEvent(stubDir("full"), UsagePageMainWindow, UsageEventStart, {});
        QCOMPARE(m_record.take(),
            QByteArray("load\ninit 0 0\nappend ok 0\n"
                       "upload ok kevent_intrusion_detect_desktop_start main_window\n"
                       "free ok\nunload\n"));
    }

    void propertiesInLocalEncoding()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        uploadUsageEvent(stubDir("full"), UsagePageMain, UsageEventSwitchTab,
            { { QString::fromUtf8("naïve"), QString::fromUtf8("café") } });
        QTextCodec::setCodecForLocale(nullptr);
        QVERIFY(m_record.take().contains("\n  na\\xefve=caf\\xe9\n"));
    }

    void unknownPageOrEvent()
    {
        QTest::ignoreMessage(QtCriticalMsg, "Buried point page is not exist.");
        uploadUsageEvent(stubDir("full"), 2, UsageEventStart, {});
        QTest::ignoreMessage(QtCriticalMsg, "Buried point event code is not exist.");
        uploadUsageEvent(stubDir("full"), UsagePageMain, -1, {});
        QCOMPARE(m_record.take(), QByteArray());
    }

    void libraryFailures()
    {
        QByteArray calls;
        const QByteArray printed = capturedStderr([&] {
            uploadUsageEvent(
                stubDir("nofree"), UsagePageMain, UsageEventSwitchTab, { { "tabName", "notifyLog" } });
            calls = m_record.take();
            uploadUsageEvent(
                stubDir("nullinit"), UsagePageMain, UsageEventSwitchTab, { { "tabName", "notifyLog" } });
        });
        QCOMPARE(calls, QByteArray("load\nunload\n"));
        QCOMPARE(m_record.take(), QByteArray("load\ninit 0 0\nunload\n"));
        const QRegularExpression expected("^Error resolving symbols: .*lumo_dia_data_free.*\n"
                                          "Failed to initialize track data\n$");
        QVERIFY2(expected.match(QString::fromLocal8Bit(printed)).hasMatch(), printed);
    }

    // Absent at one event, installed before the next: that one goes out.
    void libraryInstalledLater()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(USAGE_LIBRARY_NAME);
        QTest::ignoreMessage(QtCriticalMsg,
            QRegularExpression("^Error loading  \"" + QRegularExpression::escape(path) + "\" .+"));
        uploadUsageEvent(dir.path(), UsagePageMainWindow, UsageEventStart, { { "startType", "desktop" } });
        QCOMPARE(m_record.take(), QByteArray());

        QVERIFY(QFile::copy(stubDir("full") + "/" + USAGE_LIBRARY_NAME, path));
        uploadUsageEvent(dir.path(), UsagePageMainWindow, UsageEventStart, { { "startType", "desktop" } });
        QVERIFY(m_record.take().contains("upload ok kevent_intrusion_detect_desktop_start main_window\n"));
        QCOMPARE(defaultUsageLibraryDir(), QLibraryInfo::location(QLibraryInfo::LibrariesPath));
    }
};

QTEST_GUILESS_MAIN(TestUsageEvents)
#include "tst_usageevents.moc"
