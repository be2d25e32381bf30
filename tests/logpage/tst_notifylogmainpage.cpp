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

    // The notified alert is highlighted wherever it is, once its load is in:
    // one handed over during the first load, then two in a row (the last
    // counts), then the 50th newest, whose entry and those above it are made.
    void highlightsTheNotifiedAlert()
    {
        QVERIFY(serve(recentAlerts(60), { "--delay", "generateLogFile=400" }));
        notifyLogMainPage page;
        page.resize(856, 400);
        page.show();
        QSignalSpy highlighted(&page, &notifyLogMainPage::signal_highlight);
        LogCapture log;
        const auto highlightedAt = [&page](int index) {
            const QList<notify_log_frame *> shown = entries(page);
            for (int i = 0; i < shown.size(); ++i)
                if (isHighlighted(shown[i]) != (i == index))
                    return false;
            return shown.size() > index;
        };
        page.slot_highlight_loginfo("a55");
        WAIT_LOADED(page);
        QVERIFY(highlightedAt(4));
        log.clear();
        page.slot_highlight_loginfo("a40");
        QTest::qWait(100);
        page.slot_highlight_loginfo("a45");
        WAIT_LOADED(page);
        QCOMPARE(log.countContaining("The string is at index: "), 1);
        QVERIFY(highlightedAt(14));

        page.slot_highlight_loginfo("a10");
        WAIT_LOADED(page);
        QVERIFY(highlightedAt(49));
        QCOMPARE(titleOf(entries(page).at(49)), QString("alert 10"));
        QWidget *viewport = page.findChild<QScrollArea *>()->viewport();
        QVERIFY(viewport->rect().contains(entries(page).at(49)->mapTo(viewport, QPoint(0, 0))));
        QCOMPARE(highlighted.count(), 3);
        page.slot_highlight_loginfo("missing");
        WAIT_LOADED(page);
        QCOMPARE(log.count("The string was not found in the vector."), 1);
        QCOMPARE(highlighted.count(), 3);
    }

    // A list replaced at once (by a search) gets nothing its worker had
    // queued; then picked ranges and Reload.
    void rangesAndReload()
    {
        const QDate today = QDate::currentDate();
        // Three days back, sixty two days back, yesterday at noon, and today's first second.
        QList<QDateTime> times { QDateTime(today.addDays(-3), QTime(9, 0)) };
        for (int i = 0; i < 60; ++i)
            times << QDateTime(today.addDays(-2), QTime(8, 0).addSecs(60 * i));
        times << QDateTime(today.addDays(-1), QTime(12, 0)) << QDateTime(today, QTime(0, 0));
        QList<TestAlert> alerts = recentAlerts(times.size());
        for (int i = 0; i < times.size(); ++i)
            alerts[i].time = times[i];
        QVERIFY(serve(alerts));
        notifyLogMainPage page;
        page.show();
        WAIT_LOADED(page);
        for (int i = 0; i < 30; ++i) // queued by the worker, not yet delivered when the list changes
            emit page.signal_load_more_widget(page.alertCount());
        QThread::msleep(200);
        QLineEdit *search = page.findChild<QLineEdit *>("searchEdit");
        search->setText("alert");
        QTest::qWait(200);
        QCOMPARE(entries(page).size(), 20);
        search->clear();
        const auto day
            = [&today](int offset) { return today.addDays(offset).toString("yyyy 年 MM 月 dd 日"); };
        // Yesterday only: the alert at today's midnight belongs to it (end 23:59:60).
        // Invalid dates keep the range; none is a Reload.
        const std::vector<std::tuple<QList<QDate>, int, QString, QString>> steps {
            { { today.addDays(-1), today.addDays(-1) }, 2, day(-1), day(-1) },
            { { today, today }, 1, "So far", "So far" },
            { { QDate(), QDate() }, 1, "So far", "So far" },
            { { today.addDays(-9), today.addDays(-5) }, 0, day(-9), day(-5) },
            { {}, 63, day(-3), "So far" },
        };
        for (auto [days, count, start, end] : steps) {
            if (days.isEmpty())
                page.slot_do_reload();
            else
                page.slot_update_dateTime(days);
            WAIT_LOADED(page);
            QCOMPARE(page.alertCount(), count);
            QCOMPARE(entries(page).size(), qMin(count, 20));
            QVERIFY(count == 0 || titleOf(entries(page).first()) == "alert 62");
            QCOMPARE(labelText(page, "countLabel"), QString("A total of %1 alarm logs").arg(count));
            QCOMPARE(labelText(page, "startLabel"), start);
            QCOMPARE(labelText(page, "endLabel"), end);
            QCOMPARE(emptyText(page), QString(count ? "" : "There are no alarm logs"));
        }
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

    // Up before the daemon answered and saying so, never "no alarm logs";
    // twenty entries, newest first, then one more per scroll-bar movement; a
    // reload leaves the list on screen until the new one is there. Search and
    // severity apply at once, with the count.
    void loadsFeedsSearchesAndReloads()
    {
        // a0..a29 from 10.0.0.x: every third of level 15, the first ten by root, a7 with a line of its own.
        QList<TestAlert> alerts = recentAlerts(30);
        for (int i = 0; i < 30; ++i) {
            alerts[i].level = i % 3 ? 12 : 15;
            alerts[i].srcIp = "10.0.0." + QByteArray::number(i);
            alerts[i].user = i < 10 ? "root" : "admin";
        }
        alerts[7].raw.prepend("Secret-Token seen");
        QVERIFY(serve(alerts, { "--delay", "generateLogFile=500" }));
        notifyLogMainPage page;
        page.show();
        QVERIFY(page.isLoading());
        BusyIndicator *busy = page.findChild<BusyIndicator *>("busyIndicator");
        QVERIFY(busy->isVisible());
        QCOMPARE(labelText(page, "countLabel"), QString("Loading alarm logs..."));
        QVERIFY(!page.findChild<EmptyWidget *>());
        WAIT_LOADED(page);
        QVERIFY(!busy->isVisible());
        QCOMPARE(entries(page).size(), 20);
        QCOMPARE(titleOf(entries(page).first()), QString("alert 29"));
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 30 alarm logs"));

        notify_log_frame *shown = entries(page).first();
        page.slot_do_reload();
        QTest::qWait(200);
        QVERIFY(page.isLoading() && busy->isVisible());
        QCOMPARE(entries(page).first(), shown);
        QVERIFY(shown->isVisible());
        WAIT_LOADED(page);
        QCOMPARE(entries(page).size(), 20);
        QVERIFY(entries(page).first() != shown);

        // Small moves near the top: at the bottom, a range that settles a little
        // later (a scroll bar coming or going) would move the bar by itself.
        QScrollBar *bar = page.findChild<QScrollArea *>()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 2);
        for (int move = 1; move <= 12; ++move) {
            bar->setValue(move % 2 ? 1 : 2);
            QTRY_COMPARE(entries(page).size(), qMin(20 + move, 30));
        }
        QTest::qWait(100);
        QCOMPARE(entries(page).size(), 30);
        QCOMPARE(titleOf(entries(page).last()), QString("alert 0"));

        const int loads = m_sim->output().count("call generateLogFile");
        QLineEdit *search = page.findChild<QLineEdit *>("searchEdit");
        QComboBox *severity = page.findChild<QComboBox *>("severityBox");
        const auto shows = [&](int count, const QString &label) {
            return page.shownCount() == count && entries(page).size() == qMin(count, 20)
                && labelText(page, "countLabel") == label;
        };

        QTest::keyClick(&page, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(search->hasFocus());
        // Applied at once, without asking the daemon; high risk: a0, a3, a6, a9; normal: a7.
        for (const auto &[text, risk, count] : std::vector<std::tuple<QString, int, int>> { { "ROOT", 0, 10 },
                 { "ROOT", 1, 4 }, { "secret-token", 2, 1 }, { "nothing like it", 2, 0 } }) {
            severity->setCurrentIndex(risk);
            search->setText(text);
            QVERIFY(shows(count, QString("%1 of 30 alarm logs").arg(count)));
            QCOMPARE(emptyText(page), QString(count ? "" : "No matching alarm logs"));
        }

        // Still fed in batches: 20 matches at once, then one per scroll-bar movement.
        severity->setCurrentIndex(0);
        search->setText("10.0.0.");
        QVERIFY(shows(30, "30 of 30 alarm logs"));
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
