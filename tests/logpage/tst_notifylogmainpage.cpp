// The log page against the stand-in daemon, which writes the real snapshot
// path from the alerts logs these tests write. Loads arrive asynchronously.

#include "logpage/notify_log_frame.h"
#include "logpage/notifylogmainpage.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/logcapture.h"
#include "widgets/busyindicator.h"
#include "widgets/datetimerangewidget.h"
#include "widgets/emptywidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Alerts a0 (oldest) on at the given times, with comments "alert <n>".
QList<TestAlert> alertsAt(const QList<QDateTime> &times)
{
    QList<TestAlert> alerts = recentAlerts(times.size());
    for (int i = 0; i < times.size(); ++i)
        alerts[i].time = times[i];
    return alerts;
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
        && entry->findChild<QLabel *>("loginfoTitleLabel")->palette().color(QPalette::WindowText)
        == QColor(Qt::red);
}

// What the list area says instead of entries, "" when it shows none of it.
QString emptyText(notifyLogMainPage &page)
{
    auto *empty = page.findChild<QScrollArea *>()->widget()->findChild<EmptyWidget *>();
    return empty ? empty->text() : QString();
}

} // namespace

#define WAIT_LOADED(page) QTRY_VERIFY_WITH_TIMEOUT(!(page).isLoading(), 10000)

class TestNotifyLogMainPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DaemonSimFixture> m_sim;

    bool serve(const QList<TestAlert> &alerts, const QStringList &options = {})
    {
        return m_sim->start(
            QStringList { "--alerts", writeTestFile(m_dir, "alerts.log", alertLog(alerts)) } + options);
    }

private slots:
    void init()
    {
        m_sim = std::make_unique<DaemonSimFixture>();
        m_sim->setSnapshotPath("/tmp/tarvix_alerts.log");
    }

    void cleanup() { m_sim.reset(); }

    void feedsTwentyThenOnePerScroll()
    {
        QVERIFY(serve(recentAlerts(25)));
        notifyLogMainPage page;
        page.show();
        WAIT_LOADED(page);
        QCOMPARE(page.alertCount(), 25);
        QCOMPARE(entries(page).size(), 20);
        QCOMPARE(titleOf(entries(page).first()), QString("alert 24")); // newest first
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 25 alarm logs"));

        // Small moves near the top: at the bottom, a range that settles a little
        // later (a scroll bar coming or going) would move the bar by itself.
        QScrollBar *bar = page.findChild<QScrollArea *>()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 2);
        for (int move = 1; move <= 8; ++move) {
            bar->setValue(move % 2 ? 1 : 2);
            QTRY_COMPARE(entries(page).size(), qMin(20 + move, 25));
        }
        QTest::qWait(100);
        QCOMPARE(entries(page).size(), 25);
        QCOMPARE(titleOf(entries(page).last()), QString("alert 0"));
    }

    void highlightsTheNotifiedAlertAnywhere()
    {
        QVERIFY(serve(recentAlerts(60)));
        notifyLogMainPage page;
        page.resize(856, 400);
        page.show();
        WAIT_LOADED(page);
        QSignalSpy highlighted(&page, &notifyLogMainPage::signal_highlight);
        LogCapture log;

        // The 50th newest is a10 (ids count up with time): its entry and those above it are made.
        page.slot_highlight_loginfo("a10");
        WAIT_LOADED(page);
        QCOMPARE(log.count("The string is at index:  50"), 1);
        const QList<notify_log_frame *> shown = entries(page);
        QVERIFY(shown.size() >= 50); // and one more for the scrolling to it
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(isHighlighted(shown[i]), i == 49);
        QCOMPARE(titleOf(shown[49]), QString("alert 10"));
        QWidget *viewport = page.findChild<QScrollArea *>()->viewport();
        QVERIFY(viewport->rect().contains(shown[49]->mapTo(viewport, QPoint(0, 0))));
        QCOMPARE(highlighted.count(), 1);

        page.slot_highlight_loginfo("missing");
        WAIT_LOADED(page);
        QCOMPARE(log.count("The string was not found in the vector."), 1);
        QCOMPARE(highlighted.count(), 1);
    }

    void rangesAndReload()
    {
        const QDate today = QDate::currentDate();
        // Three days back, two days back, yesterday at noon, and today's first second.
        QVERIFY(serve(
            alertsAt({ QDateTime(today.addDays(-3), QTime(9, 0)), QDateTime(today.addDays(-2), QTime(9, 0)),
                QDateTime(today.addDays(-1), QTime(12, 0)), QDateTime(today, QTime(0, 0)) })));
        notifyLogMainPage page;
        page.show();
        WAIT_LOADED(page);
        const auto day
            = [&today](int offset) { return today.addDays(offset).toString("yyyy 年 MM 月 dd 日"); };
        const struct
        {
            QList<QDate> days; // none: Reload
            int count;
            QString start, end;
        } steps[] = {
            { {}, 4, day(-3), "So far" },
            // Yesterday only: the alert at today's midnight belongs to it (end 23:59:60).
            { { today.addDays(-1), today.addDays(-1) }, 2, day(-1), day(-1) },
            { { today, today }, 1, "So far", "So far" },
            { { QDate(), QDate() }, 1, "So far", "So far" }, // keeps the range
            { {}, 4, day(-3), "So far" },
        };
        for (auto step : steps) {
            if (step.days.isEmpty())
                page.slot_do_reload();
            else
                page.slot_update_dateTime(step.days);
            WAIT_LOADED(page);
            QCOMPARE(page.alertCount(), step.count);
            QCOMPARE(labelText(page, "countLabel"), QString("A total of %1 alarm logs").arg(step.count));
            QCOMPARE(labelText(page, "startLabel"), step.start);
            QCOMPARE(labelText(page, "endLabel"), step.end);
        }
    }

    void emptyState()
    {
        QVERIFY(serve(recentAlerts(3, 5))); // nothing of level 12 or more
        notifyLogMainPage page;
        WAIT_LOADED(page);
        QVERIFY(entries(page).isEmpty());
        QCOMPARE(emptyText(page), QString("There are no alarm logs"));
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 0 alarm logs"));
        QCOMPARE(labelText(page, "startLabel"), QDate::currentDate().toString("yyyy 年 MM 月 dd 日"));
    }

    void replacedWorkerDeliversNothing()
    {
        const QDate today = QDate::currentDate();
        QList<QDateTime> times;
        for (int i = 0; i < 60; ++i)
            times << QDateTime(today.addDays(-2), QTime(8, 0).addSecs(60 * i));
        times << QDateTime(today.addDays(-1), QTime(9, 0)) << QDateTime(today.addDays(-1), QTime(10, 0));
        QVERIFY(serve(alertsAt(times)));
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

    void listStaysWhileLoading()
    {
        QVERIFY(serve(recentAlerts(25), { "--delay", "generateLogFile=500" }));
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

    void highlightWaitsForItsLoad()
    {
        QVERIFY(serve(recentAlerts(25), { "--delay", "generateLogFile=400" }));
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

    // What the page cannot know, it never calls "no alarm logs".
    void daemonUnreachable()
    {
        notifyLogMainPage page; // no daemon at start: nothing to keep
        page.show();
        WAIT_LOADED(page);
        QVERIFY(page.findChild<EmptyWidget *>("loadFailure"));
        QCOMPARE(emptyText(page),
            QString("The detection service could not be reached\nPress Reload to try again."));
        QCOMPARE(labelText(page, "countLabel"), QString("No alarm logs loaded"));
        QLabel *failed = page.findChild<QLabel *>("loadFailedLabel");
        QVERIFY(!failed->isVisible() && !page.findChild<QLineEdit *>("searchEdit")->isEnabled());

        const QDate today = QDate::currentDate();
        QList<TestAlert> alerts = recentAlerts(26);
        alerts[0].time = QDateTime(today.addDays(-3), QTime(9, 0));
        QVERIFY(serve(alerts));
        page.findChild<QPushButton *>("reloadButton")->click();
        WAIT_LOADED(page);
        const QList<notify_log_frame *> shown = entries(page);
        QCOMPARE(shown.size(), 20);

        // Gone before a Reload: the list stays, and the bar says the reload failed.
        QVERIFY(m_sim->stop());
        page.slot_do_reload();
        WAIT_LOADED(page);
        QCOMPARE(entries(page), shown);
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 26 alarm logs"));
        QVERIFY(failed->isVisible() && emptyText(page).isEmpty());
        QCOMPARE(failed->text(), QString("Reload failed: The detection service could not be reached"));
        // A range chosen meanwhile is cut from the list loaded before.
        QList<QDate> days = { today.addDays(-4), today.addDays(-2) };
        page.slot_update_dateTime(days);
        WAIT_LOADED(page);
        QCOMPARE(titleOf(entries(page).first()), QString("alert 0"));
        QCOMPARE(page.alertCount(), 1);

        QVERIFY(serve(alerts));
        page.slot_do_reload();
        WAIT_LOADED(page);
        QCOMPARE(page.alertCount(), 26);
        QVERIFY(!failed->isVisible());
    }

    void searchAndSeverity()
    {
        // a0..a29 from 10.0.0.x: every third of level 15, the first ten by root, a7 with a line of its own.
        QList<TestAlert> alerts = recentAlerts(30);
        for (int i = 0; i < 30; ++i) {
            alerts[i].level = i % 3 ? 12 : 15;
            alerts[i].srcIp = "10.0.0." + QByteArray::number(i);
            alerts[i].user = i < 10 ? "root" : "admin";
        }
        alerts[7].raw.prepend("Secret-Token seen");
        QVERIFY(serve(alerts));
        notifyLogMainPage page;
        page.show();
        WAIT_LOADED(page);
        const int loads = m_sim->output().count("call generateLogFile");
        QLineEdit *search = page.findChild<QLineEdit *>("searchEdit");
        QComboBox *severity = page.findChild<QComboBox *>("severityBox");
        const auto shows = [&](int count, const QString &label) {
            return page.shownCount() == count && entries(page).size() == qMin(count, 20)
                && labelText(page, "countLabel") == label;
        };

        QTest::keyClick(&page, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(search->hasFocus());
        search->setText("ROOT"); // applied at once, without asking the daemon
        QVERIFY(shows(10, "10 of 30 alarm logs"));
        severity->setCurrentIndex(1); // high risk: a0, a3, a6, a9
        QVERIFY(shows(4, "4 of 30 alarm logs"));
        severity->setCurrentIndex(2); // normal risk
        search->setText("secret-token");
        QVERIFY(shows(1, "1 of 30 alarm logs"));
        QCOMPARE(titleOf(entries(page).first()), QString("alert 7"));
        search->setText("nothing like it");
        QVERIFY(shows(0, "0 of 30 alarm logs"));
        QCOMPARE(emptyText(page), QString("No matching alarm logs"));

        // Still fed in batches: 20 matches at once, then one per scroll-bar movement.
        severity->setCurrentIndex(0);
        search->setText("10.0.0.");
        QVERIFY(shows(30, "30 of 30 alarm logs"));
        QScrollBar *bar = page.findChild<QScrollArea *>()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(1);
        QTRY_COMPARE(entries(page).size(), 21);
        QCOMPARE(m_sim->output().count("call generateLogFile"), loads);

        // A notification clears the search: the alert it names is shown whatever was typed.
        search->setText("admin");
        page.slot_highlight_loginfo("a3");
        WAIT_LOADED(page);
        QCOMPARE(search->text(), QString());
        QVERIFY(isHighlighted(entries(page).at(26)));
    }
};

TARVIX_BUS_TEST_MAIN(TestNotifyLogMainPage)
#include "tst_notifylogmainpage.moc"
