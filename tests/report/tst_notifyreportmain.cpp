// The report page against the stand-in daemon, which writes the real snapshot
// path from the alerts logs these tests write. Loads arrive asynchronously.

#include "daemon/middleware.h"
#include "kit/kballontip.h"
#include "report/allattackstatisticsdata.h"
#include "report/attackstatisticswidget.h"
#include "report/eventstatisticswidget.h"
#include "report/hitstatlist.h"
#include "report/notifyreportitem.h"
#include "report/notifyreportmain.h"
#include "report/tipdialog.h"
#include "report/userstatisticswidget.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "widgets/emptywidget.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedBarSeries>

using namespace QtCharts;

namespace {

// An alert of the served log; texts left empty stay out of its block.
TestAlert alert(const QDateTime &time, int level = 12, const QByteArray &comment = "sshd: brute force",
    const QByteArray &srcIp = {}, const QByteArray &user = {})
{
    TestAlert made;
    made.time = time;
    made.level = level;
    made.comment = comment;
    made.srcIp = srcIp;
    made.user = user;
    return made;
}

QDateTime daysAgo(int days, int hour = 9)
{
    return QDateTime(QDate::currentDate().addDays(-days), QTime(hour, 0));
}

QString cardValue(notifyReportMain &page, const char *card)
{
    return page.findChild<notifyReportItem *>(card)->valueText();
}

QString labelText(QWidget &widget, const char *name)
{
    return widget.findChild<QLabel *>(name)->text();
}

// What the page says in place of the report body, if anything.
QString emptyText(notifyReportMain &page)
{
    QWidget *panel = page.findChild<QWidget *>("emptyPanel");
    return panel ? panel->findChild<EmptyWidget *>()->text() : QString();
}

} // namespace

#define WAIT_LOADED(page) QTRY_VERIFY_WITH_TIMEOUT(!(page).isLoading() && !(page).isCountingAi(), 15000)

class TestNotifyReportMain : public QObject
{
    Q_OBJECT

private:
    int loads() const { return m_sim->output().count("call generateLogFile"); }

    QTemporaryDir m_dir;
    std::unique_ptr<DaemonSimFixture> m_sim;

    bool serve(const QList<TestAlert> &alerts, const QStringList &options = {})
    {
        const QString path = writeTestFile(m_dir, "alerts.log", alertLog(alerts));
        return m_sim->start(QStringList { "--alerts", path } + options);
    }

private slots:
    void init()
    {
        notifyReportMain::Sources &sources = notifyReportMain::sources();
        sources.installTimePath = m_dir.filePath("missing-install-time");
        sources.aiCountProgram = "/bin/sh";
        sources.aiCountArguments = QStringList { "-c", "echo 42" };
        sources.osReleasePath = m_dir.filePath("missing-os-release");
        m_sim = std::make_unique<DaemonSimFixture>();
        m_sim->setSnapshotPath("/tmp/tarvix_alerts.log");
    }

    void cleanup() { m_sim.reset(); }

    // One load of alerts whose texts are markup: totals, charts, rankings
    // shown as plain text, the "See all" windows and the chart's tip.
    void pageShowsTheLoadedAlerts()
    {
        notifyReportMain::sources().installTimePath = writeTestFile(m_dir, "install_time",
            "InstallTime="
                + QDateTime::currentDateTime()
                      .addSecs(-3 * 3600 - 60)
                      .toString("yyyy-MM-dd HH:mm:ss")
                      .toLatin1());
        QList<TestAlert> alerts;
        for (int i = 0; i < 8; ++i) // eight titles, the i-th occurring i + 1 times
            for (int n = 0; n <= i; ++n)
                alerts << alert(daysAgo(2), 12, "<b>event " + QByteArray::number(i) + "</b>",
                    "<i>10.0.0." + QByteArray::number(i % 2) + "</i>");
        alerts << alert(daysAgo(1), 15, "high", "", "<u>root</u>")
               << alert(daysAgo(1), 17, "higher", "", "guest")
               << alert(daysAgo(1), 16, "high", "", "<u>root</u>");
        QVERIFY(serve(alerts, { "--delay", "generateLogFile=300" }));

        notifyReportMain page;
        page.show();
        QVERIFY(page.isLoading()); // up before the daemon answered
        QVERIFY(page.findChild<QWidget *>("busyIndicator")->isVisible());
        QCOMPARE(cardValue(page, "alertsCard"), QString("--"));
        WAIT_LOADED(page);
        QCOMPARE(loads(), 1);
        QVERIFY(!page.findChild<QWidget *>("busyIndicator")->isVisible());

        // Totals: hours since installation, the daemon's event count, the AI
        // count, the alerts; level 17 is high risk in the cards but has no bar.
        QCOMPARE(
            QStringList({ cardValue(page, "guardCard"), cardValue(page, "eventsCard"),
                cardValue(page, "aiCard"), cardValue(page, "alertsCard"), cardValue(page, "highRiskCard") }),
            (QStringList { "3", "1024", "42", "39", "3" }));
        QCOMPARE(
            labelText(page, "startLabel"), QDate::currentDate().addDays(-2).toString("yyyy 年 MM 月 dd 日"));
        QCOMPARE(labelText(page, "endLabel"), QString("So far"));
        auto *normalLine = static_cast<QLineSeries *>(page.dateChartView()->chart()->series().at(3));
        QCOMPARE(normalLine->points().size(), 2); // two days
        QCOMPARE(normalLine->at(0).y(), 36.0);

        // One bar per level, each over its own category.
        QCOMPARE(page.levelChartView()->chart()->series().size(), 1);
        auto *levels = static_cast<QStackedBarSeries *>(page.levelChartView()->chart()->series().first());
        QStringList bars;
        for (int i = 0; i < levels->count(); ++i) {
            QBarSet *set = levels->barSets().at(i);
            bars << QString("%1=%2").arg(set->label()).arg(set->at(i));
            QCOMPARE(set->sum(), set->at(i));
        }
        QCOMPARE(bars, (QStringList { "16=1", "15=1", "14=0", "13=0", "12=36" }));

        // Rankings: the five most frequent events, the two sources, the two users.
        QStringList events;
        for (QLabel *label : page.eventCard()->findChildren<QLabel *>("eventCountLabel"))
            events << label->text();
        QCOMPARE(events,
            (QStringList {
                "happen 8 times", "happen 7 times", "happen 6 times", "happen 5 times", "happen 4 times" }));
        QCOMPARE(page.eventCard()->findChildren<QLabel *>("eventTitleLabel").first()->text(),
            QString("<b>event 7</b>"));
        const QAbstractItemModel *sources = page.attackCard()->findChild<HitStatListView *>()->model();
        const QAbstractItemModel *users = page.userCard()->findChild<HitStatListView *>()->model();
        QCOMPARE(QStringList({ sources->index(0, 0).data().toString(),
                     sources->index(0, 0).data(HitStatModel::CountTextRole).toString(),
                     users->index(0, 0).data().toString(),
                     users->index(0, 0).data(HitStatModel::LatestTextRole).toString() }),
            (QStringList { "Attack IP: <i>10.0.0.1</i>", "Attack 20 times", "user name: <u>root</u>",
                "Latest attack time:  " + daysAgo(1).toString("yyyy/MM/dd HH:mm:ss") }));
        QCOMPARE(sources->rowCount(), 2);
        for (QLabel *label : page.findChildren<QLabel *>()) {
            if (label->text().contains('<'))
                QCOMPARE(label->textFormat(), Qt::PlainText);
        }

        // The chart's tip for a day, lower for a point above 45; one hover line at a time.
        const QDate day = QDate::currentDate().addDays(-2);
        const double x = double(QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch());
        page.onScatterPointClicked(QPointF(x, 4));
        QPointer<tipDialog> tip = page.tip();
        QVERIFY(tip && tip->isVisible());
        QCOMPARE(QString("%1 %2 %3").arg(tip->date()).arg(tip->highCount()).arg(tip->normalCount()),
            day.toString("yyyy-MM-dd") + " 0 36");
        const int lowY = tip->y();
        page.onScatterPointClicked(QPointF(x, 46));
        QCOMPARE(tip->y(), lowY + 100);
        QCOMPARE(page.dateChartView()->chart()->series().size(), 7);
        page.removeVerticalLine();
        QCOMPARE(page.dateChartView()->chart()->series().size(), 6);
        page.onScatterPointClicked(QPointF(x, 4)); // its line waits for its timer

        // A "See all" window is built on the first press and belongs to its card.
        QVERIFY(page.findChildren<AllStatisticsWindow *>().isEmpty());
        QPointer<AttackStatisticsWidget> card = page.attackCard();
        card->findChild<QPushButton *>("seeAllButton")->click();
        QPointer<AllStatisticsWindow> window = card->allWindow();
        QVERIFY(qobject_cast<AllAttackStatisticsData *>(window));
        QCOMPARE(window->parent(), card.data());
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        card->slot_clicked(); // shown again, not made again
        QCOMPARE(card->allWindow(), window.data());
        window->close();

        // Rebuilt bodies take their cards, windows, chart and tip with them.
        for (int round = 0; round < 3; ++round) {
            page.slot_refresh_data();
            WAIT_LOADED(page);
        }
        QVERIFY(!card && !window && !tip);
        QVERIFY(page.findChildren<AllStatisticsWindow *>().isEmpty());
        QCOMPARE(page.findChildren<AttackStatisticsWidget *>().size(), 1);
        page.removeVerticalLine(); // the old line's timer: nothing left to touch
        page.onScatterPointClicked(QPointF(x, 4));
        QVERIFY(page.tip() && page.tip()->isVisible());
        QCOMPARE(page.tip()->parent(), page.dateChartView());
        QCOMPARE(page.tip()->normalCount(), 36);
    }

    void rangesAndRefresh()
    {
        QVERIFY(serve({ alert(daysAgo(3)), alert(daysAgo(1), 15), alert(daysAgo(0, 0)) }));
        notifyReportMain page;
        WAIT_LOADED(page);
        // Without addresses and users the two cards say so.
        QCOMPARE(
            page.attackCard()->findChild<EmptyWidget *>()->text(), QString("There are no source of attack"));
        QCOMPARE(
            page.userCard()->findChild<EmptyWidget *>()->text(), QString("There are no user statistics"));
        const QDate today = QDate::currentDate();
        const auto day
            = [&today](int offset) { return today.addDays(offset).toString("yyyy 年 MM 月 dd 日"); };
        QSignalSpy pickerRange(&page, &notifyReportMain::signal_update_dateWidget);
        QSignalSpy totalAlerts(&page, &notifyReportMain::update_total_alerts);
        // Each pick loads once, keeps the totals strip's figures and, ending today, reads "So far".
        // Invalid dates keep the range and load it again; none is a Refresh.
        const std::vector<std::tuple<QList<QDate>, size_t, QString, QString>> steps {
            { { today.addDays(-1), today }, 2, day(-1), "So far" },
            { { today, today }, 1, "So far", "So far" },
            { { QDate(), QDate() }, 1, "So far", "So far" },
            { { today.addDays(-10), today.addDays(-5) }, 0, day(-10), day(-5) },
            { {}, 3, day(-3), day(0) },
        };
        for (auto [range, alerts, start, end] : steps) {
            if (range.isEmpty())
                page.slot_refresh_data();
            else
                page.slot_update_dateTime(range);
            WAIT_LOADED(page);
            QCOMPARE(page.rangeAlerts().size(), alerts);
            QCOMPARE(page.showsEmptyState(), alerts == 0);
            QCOMPARE(emptyText(page), QString(alerts ? "" : "There are no alarm details"));
            QCOMPARE(labelText(page, "startLabel"), start);
            QCOMPARE(labelText(page, "endLabel"), end);
            QCOMPARE(totalAlerts.count(), range.isEmpty() ? 1 : 0);
        }
        QCOMPARE(loads(), 6);
        QCOMPARE(pickerRange.count(), 1);
        QCOMPARE(pickerRange.first().at(0).toDate(), today.addDays(-3));
    }

    // Neither an absent daemon nor a failing one reads as "no alarm details".
    void failedLoadIsNeverAllClear()
    {
        const QString unreachable = "The detection service could not be reached";
        {
            notifyReportMain page; // no daemon at all
            WAIT_LOADED(page);
            QCOMPARE(emptyText(page), unreachable);
            QCOMPARE(cardValue(page, "alertsCard"), QString("--"));
        }

        QVERIFY(serve({ alert(daysAgo(1), 13), alert(daysAgo(1), 16) }));
        notifyReportMain page;
        WAIT_LOADED(page);
        QPointer<QChartView> chart = page.dateChartView();

        QVERIFY(serve({}, { "--error", "generateLogFile" }));
        page.slot_refresh_data();
        WAIT_LOADED(page);
        QCOMPARE(chart.data(), page.dateChartView()); // the figures stay
        QCOMPARE(cardValue(page, "alertsCard"), QString("2"));
        QCOMPARE(labelText(page, "statusLabel"), unreachable);
        QCOMPARE(emptyText(page), QString());

        QVERIFY(m_sim->kill());
        QList<QDate> range { QDate::currentDate(), QDate::currentDate() };
        page.slot_update_dateTime(range);
        WAIT_LOADED(page);
        QCOMPARE(chart.data(), page.dateChartView());
        QCOMPARE(page.rangeAlerts().size(), size_t(2));

        QVERIFY(serve({ alert(daysAgo(1), 13) }));
        page.slot_refresh_data();
        WAIT_LOADED(page);
        QCOMPARE(labelText(page, "statusLabel"), QString());
        QCOMPARE(cardValue(page, "alertsCard"), QString("1"));
    }

    void serverEditionAndAiHint()
    {
        QVERIFY(serve({ alert(daysAgo(1), 12) }));
        notifyReportMain::sources().aiCountArguments = QStringList { "-c", "echo many" };
        {
            notifyReportMain page; // AI service not installed: the hint shows
            QSignalSpy aiCount(&page, &notifyReportMain::update_ai_inferences);
            WAIT_LOADED(page);
            QCOMPARE(page.findChildren<notifyReportItem *>().size(), 6);
            QCOMPARE(cardValue(page, "aiCard"), QString("0")); // no number: the previous value
            QCOMPARE(aiCount.count(), 1);
            QCOMPARE(cardValue(page, "guardCard"), QString("None"));
            auto *aiCard = page.findChild<notifyReportItem *>("aiCard");
            QVERIFY(aiCard->tipShown());
            QEvent enter(QEvent::Enter), leave(QEvent::Leave);
            QApplication::sendEvent(aiCard->findChild<QLabel *>("tipLabel"), &enter);
            QVERIFY(aiCard->ballonTip() && aiCard->ballonTip()->isVisible());
            QVERIFY(aiCard->ballonTip()->text().contains("Alarm Statistics - Settings"));
            QApplication::sendEvent(aiCard->findChild<QLabel *>("tipLabel"), &leave);
            QVERIFY(!aiCard->ballonTip()->isVisible());

            // Installed meanwhile: the hint goes once the daemon says so.
            QVERIFY(m_sim->stop());
            QJsonObject state = m_sim->readState();
            state["aiPackageInstalled"] = true;
            QFile file(m_sim->statePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QJsonDocument(state).toJson());
            file.close();
            QVERIFY(serve({ alert(daysAgo(1), 12) }));
            emit Middleware::instance()->installUpdate();
            QTRY_VERIFY(!aiCard->tipShown());
        }

        notifyReportMain::sources().osReleasePath
            = writeTestFile(m_dir, "os-release", "NAME=\"Zorva Server\"\nID=zorva\n");
        notifyReportMain page;
        QSignalSpy aiCount(&page, &notifyReportMain::update_ai_inferences);
        WAIT_LOADED(page);
        QVERIFY(!page.findChild<notifyReportItem *>("aiCard"));
        QCOMPARE(page.findChild<QWidget *>("totalsStrip")->findChildren<notifyReportItem *>().size(), 3);
        page.slot_refresh_data();
        WAIT_LOADED(page);
        QCOMPARE(aiCount.count(), 0);
    }
};

TARVIX_BUS_TEST_MAIN(TestNotifyReportMain)
#include "tst_notifyreportmain.moc"
