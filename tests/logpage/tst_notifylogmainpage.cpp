// The log page against the stand-in daemon, which writes the real snapshot
// path from the alerts logs these tests write. Loads arrive asynchronously.

#include "logpage/alertlistview.h"
#include "logpage/notify_log_frame.h"
#include "logpage/notifylogmainpage.h"
#include "reportdata/alertrange.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/logcapture.h"
#include "widgets/busyindicator.h"
#include "widgets/emptywidget.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

AlertListView *listOf(notifyLogMainPage &page)
{
    return page.findChild<AlertListView *>();
}

// The live entries on screen, top to bottom.
QList<notify_log_frame *> entries(notifyLogMainPage &page)
{
    QList<notify_log_frame *> shown;
    for (notify_log_frame *entry :
        listOf(page)->viewport()->findChildren<notify_log_frame *>(QString(), Qt::FindDirectChildrenOnly))
        if (!entry->isHidden())
            shown << entry;
    std::sort(shown.begin(), shown.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
    return shown;
}

QString titleOf(notify_log_frame *entry)
{
    return entry->findChild<QLabel *>("loginfoTitleLabel")->text();
}

QString labelText(notifyLogMainPage &page, const char *name)
{
    return page.findChild<QLabel *>(name)->text();
}

// What the list area says instead of entries, "" when it shows the list.
QString emptyText(notifyLogMainPage &page)
{
    if (listOf(page)->isVisible())
        return QString();
    auto *empty = page.findChild<QWidget *>("messageArea")->findChild<EmptyWidget *>();
    return empty ? empty->text() : QString();
}

// The titles of the highlighted live entries: expanded, the title drawn red whatever role the label draws
// with, and lying in the view.
QStringList highlightedTitles(notifyLogMainPage &page)
{
    QStringList titles;
    for (notify_log_frame *entry : entries(page)) {
        auto *title = entry->findChild<QLabel *>("loginfoTitleLabel");
        if (entry->findChild<QWidget *>("notify_log_detail_frame")->isVisible()
            && title->palette().color(title->foregroundRole()) == QColor(Qt::red)
            && listOf(page)->viewport()->rect().intersects(entry->geometry()))
            titles << title->text();
    }
    return titles;
}

} // namespace

bool loaded(notifyLogMainPage &page)
{
    return QTest::qWaitFor([&page] { return !page.isLoading(); }, 10000);
}

// Makes the call, then waits for the load it may start.
#define LOAD(page, call) QVERIFY((call, loaded(page)))

class TestNotifyLogMainPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DaemonSimFixture> m_sim;

    int loads() const { return m_sim->output().count("call generateLogFile"); }

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

    // A long list. The notified alert is highlighted wherever it is, once its load is in: one handed over
    // during the first load, then two in a row (the last counts), then the oldest, without entries above it.
    // Entries only for what is on screen while the scroll bar, one step per alert, is dragged; what was
    // opened stays open; the keyboard walks, opens and copies; F5 reloads.
    void longListHighlightScrollBarAndKeyboard()
    {
        QList<TestAlert> alerts = recentAlerts(3000);
        alerts[2990].srcIp = "10.0.0.6";
        alerts[2990].user = "root";
        QVERIFY(serve(alerts, { "--delay", "generateLogFile=400" }));
        notifyLogMainPage page;
        page.resize(856, 400);
        page.show();
        QSignalSpy highlighted(&page, &notifyLogMainPage::signal_highlight);
        LogCapture log;
        LOAD(page, page.slot_highlight_loginfo("a2995"));
        QCOMPARE(highlightedTitles(page), QStringList { "alert 2995" });
        log.clear();
        page.slot_highlight_loginfo("a40");
        QTest::qWait(100);
        LOAD(page, page.slot_highlight_loginfo("a2985"));
        QCOMPARE(log.countContaining("The string is at index: "), 1);
        QCOMPARE(log.count("The string is at index:  15"), 1);
        QCOMPARE(highlightedTitles(page), QStringList { "alert 2985" });

        LOAD(page, page.slot_highlight_loginfo("a0"));
        QCOMPARE(highlightedTitles(page), QStringList { "alert 0" });
        QVERIFY(page.entryCount() <= 6);
        QCOMPARE(highlighted.count(), 3);
        LOAD(page, page.slot_highlight_loginfo("missing"));
        QCOMPARE(log.count("The string was not found in the vector."), 1);
        QCOMPARE(highlighted.count(), 3);

        AlertListView *list = listOf(page);
        QScrollBar *bar = list->verticalScrollBar();
        QVERIFY(bar->maximum() > 2990 && bar->maximum() < 3000); // the whole range at once
        int most = 0;
        for (int step = 0; step <= 100; ++step) {
            bar->setValue(bar->maximum() * step / 100);
            QCoreApplication::processEvents();
            most = qMax(most, page.entryCount());
        }
        QVERIFY2(most <= 8, qPrintable(QString::number(most)));
        QCOMPARE(titleOf(entries(page).last()), QString("alert 0"));

        list->setFocus();
        const auto homeAndDown = [list](int down) {
            QTest::keyClick(list, Qt::Key_Home);
            for (int i = 0; i < down; ++i)
                QTest::keyClick(list, Qt::Key_Down);
        };
        homeAndDown(0);
        QCOMPARE(titleOf(entries(page).first()), QString("alert 2999"));
        homeAndDown(9);
        QCOMPARE(list->currentIndex(), 9);
        QTest::keyClick(list, Qt::Key_Space);
        QVERIFY(list->entryAt(9)->isExpanded());
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY2(
            copied.startsWith("alert 2990\nLevel: 12 (normal)\nTime of occurrence: "), qPrintable(copied));
        for (const char *line : { "\nLog Source: host->/var/log/auth.log\n", "\nRule No.: 5712\n",
                 "\nUser: root\n", "\nSource IP: 10.0.0.6\n", "\nRaw logs: raw line" })
            QVERIFY2(copied.contains(line), line);
        // Opened, scrolled away and back: still open.
        QTest::keyClick(list, Qt::Key_End);
        QVERIFY(!list->entryAt(9));
        homeAndDown(9);
        QVERIFY(list->entryAt(9) && list->entryAt(9)->isExpanded());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->entryAt(9)->isExpanded());

        const int before = loads();
        LOAD(page, QTest::keyClick(list, Qt::Key_F5));
        LOAD(page, QTest::keyClick(list, Qt::Key_R, Qt::ControlModifier));
        QCOMPARE(loads(), before + 2);

        const std::pair<QWidget *, QString> named[]
            = { { list, "Alarm logs" }, { page.findChild<QLineEdit *>("searchEdit"), "Search alarm logs" },
                  { page.findChild<QPushButton *>("calendarButton"), "Choose the date range" },
                  { page.findChild<QPushButton *>("reloadButton"), "Reload" },
                  { page.findChild<QToolButton *>("fieldFilterRemove"), "Remove filter" } };
        for (const auto &[widget, name] : named)
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
        QVERIFY(QAccessible::queryAccessibleInterface(entries(page).first())
                    ->text(QAccessible::Name)
                    .startsWith("alert 2999, Level: 12, "));
    }

    // A refresh loads the list again as the user left it: the place, the open entry, the search and a
    // drill-down filter stay. What came in since the load before is marked "New" until it was in view for a
    // moment or chosen; out of view, or filtered out, it stays marked.
    void refreshKeepsThePlaceAndMarksNewAlerts()
    {
        QList<TestAlert> alerts = recentAlerts(40);
        for (TestAlert &alert : alerts)
            alert.user = "root";
        QVERIFY(serve(alerts));
        notifyLogMainPage page;
        page.resize(856, 500);
        page.show();
        QVERIFY(loaded(page));
        AlertListView *list = listOf(page);
        QLineEdit *search = page.findChild<QLineEdit *>("searchEdit");
        QWidget *chip = page.findChild<QWidget *>("fieldFilter");
        const auto topTitle = [&] { return titleOf(entries(page).first()); };

        // The added alert's user and whether it shares the newest loaded one's second (told apart by its id);
        // then the top entry after the refresh, the alerts shown and whether the new one is in view.
        using Step = std::tuple<const char *, std::function<void()>, QByteArray, bool, QString, int, bool>;
        const Step steps[] = {
            { "at the top", [] {}, "root", false, "alert 40", 41, true },
            { "scrolled, opened and searched",
                [&] {
                    search->setText("alert");
                    list->verticalScrollBar()->setValue(5);
                    entries(page).first()->toggleExpanded();
                },
                "root", false, "alert 35", 42, false },
            { "drill-down", [&] { page.showFiltered(AlertField::User, "admin", {}); }, "admin", false,
                "alert 42", 1, true },
            { "same second", [&] { page.findChild<QToolButton *>("fieldFilterRemove")->click(); }, "root",
                true, "alert 43", 44, true },
        };
        for (const auto &[name, prepare, newUser, sameSecond, top, shown, newInView] : steps) {
            prepare();
            const QString before = page.shownCount() ? topTitle() : QString();
            const bool opened = page.shownCount() && entries(page).first()->isExpanded();
            const QDateTime time = sameSecond ? alerts.last().time
                                              : QDateTime::currentDateTime().addSecs(-1800 + alerts.size());
            alerts << TestAlert { {}, time, {}, 5712, 12, "alert " + QByteArray::number(alerts.size()),
                "host->/var/log/auth.log", {}, newUser, { "raw line" }, {} };
            writeTestFile(m_dir, "alerts.log", alertLog(alerts));
            const QString searched = search->text();

            page.refresh();
            QVERIFY2(page.isLoading(), name);
            page.refresh(); // no second load while this one runs
            QVERIFY(loaded(page));
            QCOMPARE(page.shownCount(), shown);
            QCOMPARE(topTitle(), top);
            QVERIFY2(before.isEmpty() || newInView || topTitle() == before, name);
            QCOMPARE(entries(page).first()->isExpanded(), opened);
            QCOMPARE(search->text(), searched);
            QCOMPARE(chip->isVisible(), newUser == "admin");
            QCOMPARE(list->newCount(), 1);
            notify_log_frame *first = entries(page).first();
            QCOMPARE(first->isNew(), newInView);
            if (newInView) {
                QCOMPARE(first->findChild<QLabel *>("newMark")->text(), QString("New"));
                QTRY_VERIFY2(!first->isNew(), name); // seen
            } else {
                QTest::qWait(AlertListView::SEEN_AFTER_MS + 300);
                QCOMPARE(list->newCount(), 1);
                list->verticalScrollBar()->setValue(0);
                QVERIFY(entries(page).first()->isNew());
                QTest::mouseClick(entries(page).first(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 60));
                QVERIFY(!entries(page).first()->isNew()); // chosen
            }
            QCOMPARE(list->newCount(), 0);
        }
        QCOMPARE(loads(), 5);
    }

    // Drill-down from a ranking: that field alone, in the report's range,
    // counted and removable; alerts that could not be read are said.
    void drillDownAndUnreadRecords()
    {
        QList<TestAlert> alerts = recentAlerts(12);
        for (int i = 0; i < 12; ++i)
            alerts[i].srcIp = i % 3 ? "10.0.0.60" : "10.0.0.6";
        alerts[5].user = "root";
        TestAlert unreadable;
        unreadable.ruleLine = QByteArray("Rule: 1 (level 15) -> 'a\0b'", 27);
        alerts.insert(3, unreadable);
        alerts.insert(3, unreadable);
        QVERIFY(serve(alerts));
        notifyLogMainPage page;
        page.show();
        QVERIFY(loaded(page));
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 12 alarm logs"));
        QVERIFY(page.findChild<QLabel *>("skippedLabel")->isVisible());
        QCOMPARE(labelText(page, "skippedLabel"), QString("2 alert records could not be read"));

        const QDate today = QDate::currentDate();
        QWidget *chip = page.findChild<QWidget *>("fieldFilter");
        const std::tuple<AlertField, QString, QList<QDate>, int, QString> drills[] = {
            { AlertField::SourceAddress, "10.0.0.6", { today.addDays(-1), today }, 4, "Source IP: 10.0.0.6" },
            { AlertField::SourceAddress, "10.0.0", {}, 0, "Source IP: 10.0.0" }, // exact, not a search
            { AlertField::User, "root", {}, 1, "User: root" },
            { AlertField::RuleDescription, "alert 7", {}, 1, "Rule description: alert 7" },
            { AlertField::SourceAddress, "10.0.0.6", { today.addDays(-9), today.addDays(-5) }, 0,
                "Source IP: 10.0.0.6" },
        };
        for (const auto &[field, value, range, count, caption] : drills) {
            page.findChild<QLineEdit *>("searchEdit")->setText("alert");
            page.showFiltered(field, value, range);
            QVERIFY(chip->isVisible());
            QCOMPARE(labelText(page, "fieldFilterLabel"), caption);
            QCOMPARE(page.shownCount(), count);
            QCOMPARE(page.findChild<QLineEdit *>("searchEdit")->text(), QString());
            QCOMPARE(labelText(page, "countLabel"),
                QString("%1 of %2 alarm logs").arg(count).arg(page.alertCount()));
        }
        // In a range without alerts, the unread records may lie: never "no alarm logs".
        QCOMPARE(page.alertCount(), 0);
        QCOMPARE(emptyText(page), QString("2 alert records could not be read"));
        page.findChild<QToolButton *>("fieldFilterRemove")->click();
        QVERIFY(!chip->isVisible());
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 0 alarm logs"));
        QList<QDate> all = { today.addDays(-1), today };
        LOAD(page, page.slot_update_dateTime(all));
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 12 alarm logs"));
    }

    // The day an alert's time falls on is the day a range must start on to
    // take it in, also late on a summer evening and around a clock change.
    void alertDayMatchesTheRangeFrame()
    {
        const std::pair<std::string, QDate> days[] = { { "2024 Jul 05 23:30:00", QDate(2024, 7, 5) },
            { "2024 Jul 06 00:00:00", QDate(2024, 7, 6) }, { "2024 Jan 05 23:59:59", QDate(2024, 1, 5) },
            { "2024 Mar 31 02:30:00", QDate(2024, 3, 31) }, { "2024 Nov 03 01:30:00", QDate(2024, 11, 3) },
            { "", QDate() } };
        const QByteArray zone = qgetenv("TZ");
        for (const char *tz : { "UTC", "Europe/Berlin", "America/New_York" }) {
            qputenv("TZ", tz);
            tzset();
            for (const auto &[text, day] : days) {
                const int64_t ns = alertTimeToNs(text, 0);
                QCOMPARE(alertDay(ns), day);
                const std::string from = day.toString("yyyy-MM-dd 00:00:00").toStdString();
                const std::string to = day.toString("yyyy-MM-dd 23:59:59").toStdString();
                QVERIFY2(!day.isValid() || (alertTimeToNs(from, 1) <= ns && ns <= alertTimeToNs(to, 1)), tz);
            }
        }
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
    }

    // What the page cannot know, it never calls "no alarm logs".
    void daemonUnreachable()
    {
        notifyLogMainPage page; // no daemon at start: nothing to keep
        page.show();
        QVERIFY(loaded(page));
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
        LOAD(page, page.findChild<QPushButton *>("reloadButton")->click());
        const QList<notify_log_frame *> shown = entries(page);
        QVERIFY(!shown.isEmpty());

        // Gone before a Reload: the list stays, and the bar says the reload failed.
        QVERIFY(m_sim->stop());
        LOAD(page, page.slot_do_reload());
        QCOMPARE(entries(page), shown);
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 26 alarm logs"));
        QVERIFY(failed->isVisible() && emptyText(page).isEmpty());
        QCOMPARE(failed->text(), QString("Reload failed: The detection service could not be reached"));
        // A range chosen meanwhile is cut from the list loaded before.
        QList<QDate> days = { today.addDays(-4), today.addDays(-2) };
        LOAD(page, page.slot_update_dateTime(days));
        QCOMPARE(titleOf(entries(page).first()), QString("alert 0"));
        QCOMPARE(page.alertCount(), 1);

        QVERIFY(serve(alerts));
        LOAD(page, page.slot_do_reload());
        QCOMPARE(page.alertCount(), 26);
        QVERIFY(!failed->isVisible());
    }

    // Up before the daemon answered and saying so, never "no alarm logs"; newest first with the scroll bar
    // over the whole list; a reload leaves the list on screen until the new one is there. Search and severity
    // apply at once, with the count; then picked ranges and Reload.
    void loadsSearchesRangesAndReloads()
    {
        // a0..a29 from 10.0.0.x: every third of level 15, the first ten by root, a7 with a line of its own;
        // a0 three days back, then two days back, a28 yesterday at noon, a29 at today's first second.
        const QDate today = QDate::currentDate();
        QList<TestAlert> alerts = recentAlerts(30);
        for (int i = 0; i < 30; ++i) {
            alerts[i].level = i % 3 ? 12 : 15;
            alerts[i].srcIp = "10.0.0." + QByteArray::number(i);
            alerts[i].user = i < 10 ? "root" : "admin";
            alerts[i].time = QDateTime(today.addDays(-2), QTime(8, i));
        }
        alerts[0].time = QDateTime(today.addDays(-3), QTime(9, 0));
        alerts[28].time = QDateTime(today.addDays(-1), QTime(12, 0));
        alerts[29].time = QDateTime(today, QTime(0, 0));
        alerts[7].raw.prepend("Secret-Token seen");
        QVERIFY(serve(alerts, { "--delay", "generateLogFile=500" }));
        notifyLogMainPage page;
        page.resize(856, 400);
        page.show();
        BusyIndicator *busy = page.findChild<BusyIndicator *>("busyIndicator");
        QVERIFY(page.isLoading() && busy->isVisible());
        QCOMPARE(labelText(page, "countLabel"), QString("Loading alarm logs..."));
        QVERIFY(!page.findChild<EmptyWidget *>());
        QVERIFY(loaded(page));
        QVERIFY(!busy->isVisible());
        QCOMPARE(titleOf(entries(page).first()), QString("alert 29"));
        QCOMPARE(labelText(page, "countLabel"), QString("A total of 30 alarm logs"));
        QScrollBar *bar = listOf(page)->verticalScrollBar();
        QVERIFY(bar->maximum() > 25 && bar->maximum() < 30);

        notify_log_frame *shown = entries(page).first();
        page.slot_do_reload();
        QTest::qWait(200);
        QVERIFY(page.isLoading() && busy->isVisible());
        QVERIFY(entries(page).first() == shown && shown->isVisible());
        QVERIFY(loaded(page));
        QVERIFY(entries(page).first() != shown);
        bar->setValue(bar->maximum());
        QCOMPARE(titleOf(entries(page).last()), QString("alert 0"));
        bar->setValue(0);

        QLineEdit *search = page.findChild<QLineEdit *>("searchEdit");
        QComboBox *severity = page.findChild<QComboBox *>("severityBox");
        const auto shows = [&](int count, const QString &label) {
            return page.shownCount() == count && entries(page).size() == qMin(count, entries(page).size())
                && (count == 0) == entries(page).isEmpty() && labelText(page, "countLabel") == label;
        };

        QTest::keyClick(&page, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(search->hasFocus());
        // Applied at once, without asking the daemon; high risk: a0, a3, a6, a9; normal: a7.
        for (const auto &[text, risk, count] :
            std::vector<std::tuple<QString, int, int>> { { "ROOT", 0, 10 }, { "ROOT", 1, 4 },
                { "secret-token", 2, 1 }, { "nothing like it", 2, 0 }, { "10.0.0.", 0, 30 } }) {
            severity->setCurrentIndex(risk);
            search->setText(text);
            QVERIFY2(shows(count, QString("%1 of 30 alarm logs").arg(count)), qPrintable(text));
            QCOMPARE(emptyText(page), QString(count ? "" : "No matching alarm logs"));
        }

        QCOMPARE(loads(), 2);

        // A notification clears the search: the alert it names is shown whatever was typed.
        search->setText("admin");
        LOAD(page, page.slot_highlight_loginfo("a3"));
        QCOMPARE(search->text(), QString());
        QCOMPARE(highlightedTitles(page), QStringList { "alert 3" });

        const auto day
            = [&today](int offset) { return today.addDays(offset).toString("yyyy 年 MM 月 dd 日"); };
        // Yesterday only: the alert at today's midnight belongs to it (end 23:59:60).
        // Invalid dates keep the range; none is a Reload.
        const std::vector<std::tuple<QList<QDate>, int, QString, QString>> steps {
            { { today.addDays(-1), today.addDays(-1) }, 2, day(-1), day(-1) },
            { { today, today }, 1, "So far", "So far" },
            { { QDate(), QDate() }, 1, "So far", "So far" },
            { { today.addDays(-9), today.addDays(-5) }, 0, day(-9), day(-5) },
            { {}, 30, day(-3), "So far" },
        };
        for (auto [days, count, start, end] : steps) {
            LOAD(page, days.isEmpty() ? page.slot_do_reload() : page.slot_update_dateTime(days));
            QCOMPARE(page.alertCount(), count);
            QVERIFY(entries(page).size() >= qMin(count, 2) && entries(page).size() <= qMin(count, 4));
            QVERIFY(count == 0 || titleOf(entries(page).first()) == "alert 29");
            QCOMPARE(labelText(page, "countLabel"), QString("A total of %1 alarm logs").arg(count));
            QCOMPARE(
                labelText(page, "startLabel") + " - " + labelText(page, "endLabel"), start + " - " + end);
            QCOMPARE(emptyText(page), QString(count ? "" : "There are no alarm logs"));
        }
    }
};

TARVIX_BUS_TEST_MAIN(TestNotifyLogMainPage)
#include "tst_notifylogmainpage.moc"
