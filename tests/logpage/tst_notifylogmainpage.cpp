// The log page against the stand-in daemon, which writes the real snapshot
// path from the alerts logs these tests write. Loads arrive asynchronously.

#include "logpage/notify_log_frame.h"
#include "logpage/notifylogmainpage.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/logcapture.h"
#include "widgets/busyindicator.h"
#include "widgets/datetimerangewidget.h"
#include "widgets/emptywidget.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// One alert per entry of times, newest last as a live log is written; ids are "a<n>".
QByteArray alertsLog(const QList<QDateTime> &times, int level = 12)
{
    QByteArray log;
    for (int i = 0; i < times.size(); ++i) {
        const QByteArray date = QLocale::c().toString(times[i], "yyyy MMM dd HH:mm:ss").toLatin1();
        log += "** Alert a" + QByteArray::number(i) + ": - syslog,\n" + date + " host->/var/log/auth.log\n"
            + "Rule: 5712 (level " + QByteArray::number(level) + ") -> 'alert " + QByteArray::number(i)
            + "'\nSrc IP: 10.0.0." + QByteArray::number(i % 250) + "\nraw line\n\n";
    }
    return log;
}

// n alerts a minute apart, the newest an hour ago.
QList<QDateTime> recentTimes(int n)
{
    QList<QDateTime> times;
    const QDateTime newest = QDateTime::currentDateTime().addSecs(-3600);
    for (int i = n - 1; i >= 0; --i)
        times << newest.addSecs(-60 * i);
    return times;
}

QList<notify_log_frame *> entries(notifyLogMainPage &page)
{
    QScrollArea *area = page.findChild<QScrollArea *>();
    return area->widget()->findChildren<notify_log_frame *>(QString(), Qt::FindDirectChildrenOnly);
}

QString titleOf(notify_log_frame *entry)
{
    return entry->findChild<QLabel *>("loginfoTitleLabel")->text();
}

QString labelText(notifyLogMainPage &page, const char *name)
{
    return page.findChild<QLabel *>(name)->text();
}

bool isHighlighted(notify_log_frame *entry)
{
    return entry->findChild<QWidget *>("notify_log_detail_frame")->isVisible()
        && entry->findChild<QLabel *>("loginfoTitleLabel")->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

} // namespace

#define WAIT_LOADED(page) QTRY_VERIFY_WITH_TIMEOUT(!(page).isLoading(), 10000)

class TestNotifyLogMainPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void feedsTwentyThenOnePerScroll();
    void highlightsOnlyAmongTheFirstTwenty();
    void rangesAndReload();
    void emptyState();
    void replacedWorkerDeliversNothing();
    void listStaysWhileLoading();
    void highlightWaitsForItsLoad();

private:
    bool serve(const QByteArray &log, const QStringList &options = {});

    std::unique_ptr<DaemonSimFixture> m_sim;
};

void TestNotifyLogMainPage::init()
{
    m_sim = std::make_unique<DaemonSimFixture>();
    m_sim->setSnapshotPath("/tmp/tarvix_alerts.log");
}

void TestNotifyLogMainPage::cleanup()
{
    m_sim.reset();
}

bool TestNotifyLogMainPage::serve(const QByteArray &log, const QStringList &options)
{
    const QString path = m_sim->filePath("alerts.log");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size())
        return false;
    file.close();
    return m_sim->start(QStringList { "--alerts", path } + options);
}

void TestNotifyLogMainPage::feedsTwentyThenOnePerScroll()
{
    QVERIFY(serve(alertsLog(recentTimes(25))));
    notifyLogMainPage page;
    page.show();
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 25);
    QCOMPARE(entries(page).size(), 20);
    QCOMPARE(titleOf(entries(page).first()), QString("alert 24")); // newest first
    QCOMPARE(labelText(page, "countLabel"), QString("A total of 25 alarm logs"));

    QScrollBar *bar = page.findChild<QScrollArea *>()->verticalScrollBar();
    for (int move = 1; move <= 8; ++move) {
        bar->setValue(move % 2 ? bar->maximum() : bar->minimum());
        QTRY_COMPARE(entries(page).size(), qMin(20 + move, 25));
    }
    QTest::qWait(100);
    QCOMPARE(entries(page).size(), 25);
    QCOMPARE(titleOf(entries(page).last()), QString("alert 0"));
}

void TestNotifyLogMainPage::highlightsOnlyAmongTheFirstTwenty()
{
    QVERIFY(serve(alertsLog(recentTimes(25))));
    notifyLogMainPage page;
    page.resize(856, 400);
    page.show();
    WAIT_LOADED(page);
    QSignalSpy highlighted(&page, &notifyLogMainPage::signal_highlight);
    LogCapture log;

    // The 20th newest is a5 (ids count up with time).
    page.slot_highlight_loginfo("a5");
    WAIT_LOADED(page);
    QCOMPARE(highlighted.count(), 1);
    QCOMPARE(log.count("The string is at index:  20"), 1);
    notify_log_frame *twentieth = entries(page).at(19);
    QVERIFY(twentieth->findChild<QWidget *>("notify_log_detail_frame")->isVisible());
    QCOMPARE(twentieth->findChild<QLabel *>("loginfoTitleLabel")->palette().color(QPalette::WindowText),
             QColor(Qt::red));
    QScrollBar *bar = page.findChild<QScrollArea *>()->verticalScrollBar();
    QVERIFY(bar->value() > 0); // scrolled towards the entry

    log.clear();
    page.slot_highlight_loginfo("a4"); // the 21st newest
    WAIT_LOADED(page);
    QCOMPARE(highlighted.count(), 1);
    QCOMPARE(log.count("The string is at index:  21"), 1);
    for (notify_log_frame *entry : entries(page))
        QVERIFY(!entry->findChild<QWidget *>("notify_log_detail_frame")->isVisible());

    page.slot_highlight_loginfo("missing");
    WAIT_LOADED(page);
    QCOMPARE(log.count("The string was not found in the vector."), 1);
}

void TestNotifyLogMainPage::rangesAndReload()
{
    const QDate today = QDate::currentDate();
    const QDateTime yesterdayNoon(today.addDays(-1), QTime(12, 0));
    // Three days back, two days back, yesterday at noon, and today's first second.
    QVERIFY(serve(alertsLog({ QDateTime(today.addDays(-3), QTime(9, 0)), QDateTime(today.addDays(-2), QTime(9, 0)),
                              yesterdayNoon, QDateTime(today, QTime(0, 0)) })));
    notifyLogMainPage page;
    page.show();
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 4);
    QCOMPARE(labelText(page, "startLabel"), today.addDays(-3).toString("yyyy 年 MM 月 dd 日"));
    QCOMPARE(labelText(page, "endLabel"), QString("So far"));

    // Yesterday only: the alert at today's midnight belongs to it (end 23:59:60).
    QList<QDate> days = { today.addDays(-1), today.addDays(-1) };
    page.slot_update_dateTime(days);
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 2);
    QCOMPARE(labelText(page, "countLabel"), QString("A total of 2 alarm logs"));
    QCOMPARE(labelText(page, "startLabel"), today.addDays(-1).toString("yyyy 年 MM 月 dd 日"));
    QCOMPARE(labelText(page, "endLabel"), today.addDays(-1).toString("yyyy 年 MM 月 dd 日"));

    days = { today, today };
    page.slot_update_dateTime(days);
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 1);
    QCOMPARE(labelText(page, "startLabel"), QString("So far"));
    QCOMPARE(labelText(page, "endLabel"), QString("So far"));

    QList<QDate> invalid = { QDate(), QDate() };
    page.slot_update_dateTime(invalid); // keeps the range
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 1);

    page.slot_do_reload();
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 4);
    QCOMPARE(labelText(page, "startLabel"), today.addDays(-3).toString("yyyy 年 MM 月 dd 日"));
    QCOMPARE(labelText(page, "endLabel"), QString("So far"));
}

void TestNotifyLogMainPage::emptyState()
{
    QVERIFY(serve(alertsLog(recentTimes(3), 5))); // nothing of level 12 or more
    notifyLogMainPage page;
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 0);
    QVERIFY(entries(page).isEmpty());
    QScrollArea *area = page.findChild<QScrollArea *>();
    QVERIFY(area->widget()->findChild<EmptyWidget *>());
    QCOMPARE(labelText(page, "countLabel"), QString("A total of 0 alarm logs"));
    QCOMPARE(labelText(page, "startLabel"), QDate::currentDate().toString("yyyy 年 MM 月 dd 日"));
}

void TestNotifyLogMainPage::replacedWorkerDeliversNothing()
{
    const QDate today = QDate::currentDate();
    QList<QDateTime> times;
    for (int i = 0; i < 60; ++i)
        times << QDateTime(today.addDays(-2), QTime(8, 0).addSecs(60 * i));
    times << QDateTime(today.addDays(-1), QTime(9, 0)) << QDateTime(today.addDays(-1), QTime(10, 0));
    QVERIFY(serve(alertsLog(times)));
    notifyLogMainPage page;
    page.show();
    WAIT_LOADED(page);
    QCOMPARE(page.alertCount(), 62);

    // Ask for many more entries and let the worker queue them, but do not
    // deliver them before the range changes.
    for (int i = 0; i < 30; ++i)
        emit page.signal_load_more_widget(page.alertCount());
    QThread::msleep(200);
    QList<QDate> days = { today.addDays(-1), today.addDays(-1) };
    page.slot_update_dateTime(days);
    WAIT_LOADED(page);
    QTest::qWait(200);

    const QList<notify_log_frame *> shown = entries(page);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(titleOf(shown[0]), QString("alert 61"));
    QCOMPARE(titleOf(shown[1]), QString("alert 60"));
}

void TestNotifyLogMainPage::listStaysWhileLoading()
{
    QVERIFY(serve(alertsLog(recentTimes(25)), { "--delay", "generateLogFile=500" }));
    notifyLogMainPage page;
    page.show();
    // Up before the daemon answered, and saying so; never "no alarm logs".
    QVERIFY(page.isLoading());
    BusyIndicator *busy = page.findChild<BusyIndicator *>("busyIndicator");
    QVERIFY(busy->isVisible());
    QCOMPARE(labelText(page, "countLabel"), QString("Loading alarm logs..."));
    QVERIFY(!page.findChild<EmptyWidget *>());
    WAIT_LOADED(page);
    QVERIFY(!busy->isVisible());
    QCOMPARE(entries(page).size(), 20);

    // A reload leaves the list on screen until the new one is there.
    notify_log_frame *shown = entries(page).first();
    page.slot_do_reload();
    QTest::qWait(200);
    QVERIFY(page.isLoading());
    QVERIFY(busy->isVisible());
    QCOMPARE(entries(page).first(), shown);
    QVERIFY(shown->isVisible());
    WAIT_LOADED(page);
    QCOMPARE(entries(page).size(), 20);
    QVERIFY(entries(page).first() != shown);
    QCOMPARE(labelText(page, "countLabel"), QString("A total of 25 alarm logs"));
}

void TestNotifyLogMainPage::highlightWaitsForItsLoad()
{
    QVERIFY(serve(alertsLog(recentTimes(25)), { "--delay", "generateLogFile=400" }));
    LogCapture log;
    // A hand-over during the first load, then two in a row: the last one counts.
    notifyLogMainPage page;
    page.resize(856, 400);
    page.show();
    page.slot_highlight_loginfo("a20");
    WAIT_LOADED(page);
    QVERIFY(isHighlighted(entries(page).at(4)));

    log.clear();
    page.slot_highlight_loginfo("a10");
    QTest::qWait(100);
    page.slot_highlight_loginfo("a7");
    WAIT_LOADED(page);
    QCOMPARE(log.countContaining("The string is at index: "), 1);
    const QList<notify_log_frame *> shown = entries(page);
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(isHighlighted(shown[i]), i == 17); // a7 is the 18th newest
}

TARVIX_BUS_TEST_MAIN(TestNotifyLogMainPage)
#include "tst_notifylogmainpage.moc"
