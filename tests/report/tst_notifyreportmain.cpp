// The report page against the stand-in daemon (loads arrive asynchronously),
// its PDF export read back with poppler-utils, and its tables, lists and charts.

#include "daemon/middleware.h"
#include "kit/kballontip.h"
#include "report/allattackstatisticsdata.h"
#include "report/alleventstatisticswidget.h"
#include "report/allhitstatisticswindow.h"
#include "report/attackstatisticswidget.h"
#include "report/customfiledialog.h"
#include "report/eventstatisticswidget.h"
#include "report/eventtablemodel.h"
#include "report/eventtableview.h"
#include "report/hitstatlist.h"
#include "report/notifyreportitem.h"
#include "report/notifyreportmain.h"
#include "report/rankingcard.h"
#include "report/severitycharts.h"
#include "report/tipdialog.h"
#include "report/userstatisticswidget.h"
#include "reportdata/reportpdf.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/stallmeter.h"
#include "translation/translation.h"
#include "widgets/emptywidget.h"

#include <QAccessible>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>

using namespace QtCharts;

Q_DECLARE_METATYPE(AlertField)

namespace {

// An alert of the served log; texts left empty stay out of its block.
TestAlert alert(const QDateTime &time, int level = 12, const QByteArray &comment = "sshd: brute force",
    const QByteArray &srcIp = {}, const QByteArray &user = {})
{
    return { {}, time, {}, 5712, level, comment, "host->/var/log/auth.log", srcIp, user, { "raw line" }, {} };
}

QDateTime daysAgo(int days, int hour = 9)
{
    return QDateTime(QDate::currentDate().addDays(-days), QTime(hour, 0));
}

QStringList cardValues(notifyReportMain &page, std::initializer_list<const char *> cards)
{
    QStringList values;
    for (const char *card : cards)
        values << page.findChild<notifyReportItem *>(card)->valueText();
    return values;
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

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What the file holds; "(unreadable)" when it cannot be opened.
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

int pageCount(const QString &pdf)
{
    return QRegularExpression("Pages: *([0-9]+)").match(run("pdfinfo", { pdf })).captured(1).toInt();
}

QString pageText(const QString &pdf, int page)
{
    return run(
        "pdftotext", { "-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" });
}

const char *const DATE = "2024 Mar 05 10:11:12";
const char *const LOCATION = "host->/var/log/auth.log";

// An alert record as the engine hands it over.
loginfo row(const std::string &date, int level, const std::string &comment,
    const std::string &location = LOCATION, const std::string &srcIp = {}, const std::string &user = {})
{
    return { 0, level, {}, date, location, comment, {}, srcIp, 0, {}, 0, user, {}, {}, 0 };
}

AlertRange rangeOf(std::vector<loginfo> alerts)
{
    auto list = std::make_shared<const std::vector<loginfo>>(std::move(alerts));
    return { list, AlertSpan(*list) };
}

// A page of these alerts without the daemon, shown; null if it never was.
std::unique_ptr<notifyReportMain> pageOf(
    std::vector<loginfo> alerts, const QList<QDate> &range = {}, int height = 900)
{
    const AlertList snapshot = std::make_shared<const std::vector<loginfo>>(std::move(alerts));
    auto page = std::make_unique<notifyReportMain>(ReportData::compute(snapshot, "init", "init"),
        notifyReportMain::Figures {}, range.value(0), range.value(1));
    page->resize(856, height);
    page->show();
    return QTest::qWaitForWindowExposed(page.get()) ? std::move(page) : nullptr;
}

QStringList column(const QAbstractItemModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

} // namespace

bool loaded(notifyReportMain &page)
{
    return QTest::qWaitFor([&page] { return !page.isLoading() && !page.isCountingAi(); }, 15000);
}

// Makes the call, then waits for the load it may start.
#define LOAD(page, call) QVERIFY((call, loaded(page)))

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
    void initTestCase() { qRegisterMetaType<AlertField>("AlertField"); }

    void init()
    {
        notifyReportMain::sources() = { m_dir.filePath("missing-install-time"), "/bin/sh",
            { "-c", "echo 42" }, m_dir.filePath("missing-os-release") };
        m_sim = std::make_unique<DaemonSimFixture>();
        m_sim->setSnapshotPath("/tmp/tarvix_alerts.log");
    }

    void cleanup() { m_sim.reset(); }

    // One load of alerts whose texts are markup: totals, charts, rankings
    // shown as plain text, the "See all" windows and the chart's tip.
    void pageShowsTheLoadedAlerts()
    {
        const QDateTime installed = QDateTime::currentDateTime().addSecs(-3 * 3600 - 60);
        notifyReportMain::sources().installTimePath = writeTestFile(
            m_dir, "install_time", "InstallTime=" + installed.toString("yyyy-MM-dd HH:mm:ss").toLatin1());
        QList<TestAlert> alerts;
        for (int i = 0; i < 8; ++i) // eight titles, the i-th occurring i + 1 times
            for (int n = 0; n <= i; ++n)
                alerts << alert(daysAgo(2), 12, "<b>event " + QByteArray::number(i) + "</b>",
                    "<i>10.0.0." + QByteArray::number(i % 2) + "</i>");
        alerts << alert(daysAgo(1), 15, "high", "", "<u>root</u>")
               << alert(daysAgo(1), 17, "higher", "", "guest")
               << alert(daysAgo(1), 16, "high", "", "<u>root</u>");
        {
            // No daemon at all, and nothing loaded before: the failure, never "no alarm details".
            notifyReportMain page;
            QVERIFY(loaded(page));
            QCOMPARE(emptyText(page), QString("The detection service could not be reached"));
            QCOMPARE(page.findChild<QWidget *>("emptyPanel")->findChild<EmptyWidget *>()->picture().toImage(),
                QIcon(":/Resource/Icon/base/dialog-error.svg").pixmap(128, 128).toImage());
            QCOMPARE(cardValues(page, { "alertsCard", "eventsCard" }), (QStringList { "--", "--" }));
        }
        QVERIFY(serve(alerts, { "--delay", "generateLogFile=300" }));

        notifyReportMain page;
        page.show();
        QVERIFY(page.isLoading()); // up before the daemon answered
        QVERIFY(page.findChild<QWidget *>("busyIndicator")->isVisible());
        QCOMPARE(cardValues(page, { "alertsCard" }), QStringList { "--" });
        QVERIFY(loaded(page));
        QCOMPARE(loads(), 1);
        QVERIFY(!page.findChild<QWidget *>("busyIndicator")->isVisible());

        // Totals: hours since installation, the daemon's event count, the AI
        // count, the alerts; level 17 is high risk in the cards but has no bar.
        QCOMPARE(cardValues(page, { "guardCard", "eventsCard", "aiCard", "alertsCard", "highRiskCard" }),
            (QStringList { "3", "1024", "42", "39", "3" }));
        QCOMPARE(labelText(page, "startLabel") + " - " + labelText(page, "endLabel"),
            QDate::currentDate().addDays(-2).toString("yyyy 年 MM 月 dd 日") + " - So far");
        auto *normalLine = static_cast<QLineSeries *>(page.dateChartView()->chart()->series().at(3));
        QVERIFY(normalLine->points().size() == 2 && normalLine->at(0).y() == 36.0); // two days

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
        QCOMPARE(sources->rowCount() + users->rowCount(), 4);
        for (QLabel *label : page.findChildren<QLabel *>())
            QVERIFY(!label->text().contains('<') || label->textFormat() == Qt::PlainText);

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
        QVERIFY(qobject_cast<AllAttackStatisticsData *>(window) && window->parent() == card.data());
        QVERIFY(window->isVisible());
        card->slot_clicked(); // shown again, not made again
        QCOMPARE(card->allWindow(), window.data());
        window->close();
        page.userCard()->slot_clicked();
        // By key text, not by count as in the cards.
        QCOMPARE(column(qobject_cast<AllHitStatisticsWindow *>(window)->model(), 0),
            (QStringList { "Attack IP: <i>10.0.0.0</i>", "Attack IP: <i>10.0.0.1</i>" }));
        QCOMPARE(column(qobject_cast<AllHitStatisticsWindow *>(page.userCard()->allWindow())->model(), 0),
            (QStringList { "user name: <u>root</u>", "user name: guest" }));

        // Rebuilt bodies take their cards, windows, chart and tip with them.
        for (int round = 0; round < 3; ++round)
            LOAD(page, page.slot_refresh_data());
        QVERIFY(!card && !window && !tip && page.findChildren<AllStatisticsWindow *>().isEmpty());
        QCOMPARE(page.findChildren<AttackStatisticsWidget *>().size(), 1);
        page.removeVerticalLine(); // the old line's timer: nothing left to touch
        page.onScatterPointClicked(QPointF(x, 4));
        QVERIFY(page.tip() && page.tip()->isVisible() && page.tip()->parent() == page.dateChartView());
        QCOMPARE(page.tip()->normalCount(), 36);
    }

    // Picked ranges and Refresh; neither an absent daemon nor a failing one reads as "no alarm details".
    void rangesRefreshAndFailures()
    {
        const QString unreachable = "The detection service could not be reached";
        QVERIFY(serve({ alert(daysAgo(3)), alert(daysAgo(1), 15), alert(daysAgo(0, 0)) }));
        notifyReportMain page; // the store's snapshot of the test before: no load
        QVERIFY(loaded(page));
        QCOMPARE(loads(), 0);
        LOAD(page, page.slot_refresh_data());
        // Without addresses and users the two cards say so.
        QCOMPARE(QStringList({ page.attackCard()->findChild<EmptyWidget *>()->text(),
                     page.userCard()->findChild<EmptyWidget *>()->text() }),
            (QStringList { "There are no source of attack", "There are no user statistics" }));
        const QDate today = QDate::currentDate();
        const auto day
            = [&today](int offset) { return today.addDays(offset).toString("yyyy 年 MM 月 dd 日"); };
        QSignalSpy pickerRange(&page, &notifyReportMain::signal_update_dateWidget);
        QSignalSpy totalAlerts(&page, &notifyReportMain::update_total_alerts);
        // A pick is cut from the snapshot shown, keeps the totals strip's figures and, ending today,
        // reads "So far". Invalid dates keep the range; only the Refresh loads.
        const std::vector<std::tuple<QList<QDate>, size_t, QString, QString>> steps {
            { { today.addDays(-1), today }, 2, day(-1), "So far" },
            { { today, today }, 1, "So far", "So far" },
            { { QDate(), QDate() }, 1, "So far", "So far" },
            { { today.addDays(-10), today.addDays(-5) }, 0, day(-10), day(-5) },
            { {}, 3, day(-3), day(0) },
        };
        const auto midnight = [&today](int offset) {
            return double(QDateTime(today.addDays(offset), QTime(0, 0)).toMSecsSinceEpoch());
        };
        for (auto [range, alerts, start, end] : steps) {
            LOAD(page, range.isEmpty() ? page.slot_refresh_data() : page.slot_update_dateTime(range));
            QCOMPARE(page.rangeAlerts().size(), alerts);
            QCOMPARE(page.showsEmptyState(), alerts == 0);
            QCOMPARE(emptyText(page), QString(alerts ? "" : "There are no alarm details"));
            QCOMPARE(
                labelText(page, "startLabel") + " - " + labelText(page, "endLabel"), start + " - " + end);
            QCOMPARE(totalAlerts.count(), range.isEmpty() ? 1 : 0);
            if (alerts == 1) // a single day still draws a line: the day before is added at zero
                QCOMPARE(static_cast<QLineSeries *>(page.dateChartView()->chart()->series().at(3))->points(),
                    (QList<QPointF> { QPointF(midnight(0), 1), QPointF(midnight(-1), 0) }));
        }
        QCOMPARE(loads(), 2);
        QVERIFY(pickerRange.count() == 1 && pickerRange.first().at(0).toDate() == today.addDays(-3));
        // The auto-refresh loads afresh but keeps the days the user picked.
        QList<QDate> yesterday { today.addDays(-1), today.addDays(-1) };
        LOAD(page, page.slot_update_dateTime(yesterday));
        LOAD(page, page.refreshKeepingRange());
        QTRY_COMPARE(page.rangeAlerts().size(), size_t(1));
        QCOMPARE(
            labelText(page, "startLabel") + " - " + labelText(page, "endLabel"), day(-1) + " - " + day(-1));
        QCOMPARE(loads(), 3);
        LOAD(page, page.slot_refresh_data());

        QPointer<QChartView> chart = page.dateChartView();
        QCOMPARE(cardValues(page, { "eventsCard" }), QStringList { "1024" });
        QVERIFY(serve({}, { "--error", "generateLogFile", "--error", "getEventTotalCount" }));
        LOAD(page, page.slot_refresh_data());
        QCOMPARE(chart.data(), page.dateChartView()); // the figures stay
        QCOMPARE(cardValues(page, { "alertsCard", "eventsCard" }), (QStringList { "3", "1024" }));
        QCOMPARE(labelText(page, "statusLabel"), unreachable);
        QCOMPARE(emptyText(page), QString());
        QVERIFY(m_sim->kill()); // a range is cut from what was shown, and the failure still said
        QList<QDate> range { today, today };
        LOAD(page, page.slot_update_dateTime(range));
        QCOMPARE(page.rangeAlerts().size(), size_t(1));
        QCOMPARE(labelText(page, "statusLabel"), unreachable);

        QVERIFY(serve({ alert(daysAgo(1), 13) }));
        LOAD(page, page.slot_refresh_data());
        QCOMPARE(labelText(page, "statusLabel"), QString());
        QCOMPARE(cardValues(page, { "alertsCard" }), QStringList { "1" });
        QVERIFY(!page.findChild<QLabel *>("skippedLabel")->isVisibleTo(&page));

        // Records that could not be read are said, and a range without alerts, where they may lie, is never
        // "no alarms"; nor is a log of nothing else.
        TestAlert unreadable;
        unreadable.ruleLine = QByteArray("Rule: 1 (level 15) -> 'a\0b'", 27);
        for (const auto &[log, pick, shown, empty] :
            std::vector<std::tuple<QList<TestAlert>, bool, size_t, QString>> {
                { { alert(daysAgo(1), 13), unreadable, unreadable }, false, 1, "" },
                { { alert(daysAgo(1), 13), unreadable, unreadable }, true, 0,
                    "2 alert records could not be read" },
                { { unreadable }, false, 0, "1 alert record could not be read" } }) {
            QVERIFY(serve(log));
            LOAD(page, page.slot_refresh_data());
            if (pick) {
                range = { today.addDays(-10), today.addDays(-5) };
                LOAD(page, page.slot_update_dateTime(range));
            }
            QCOMPARE(page.rangeAlerts().size(), shown);
            QCOMPARE(emptyText(page), empty);
            QCOMPARE(labelText(page, "skippedLabel"),
                log.size() == 1 ? QString("1 alert record could not be read")
                                : QString("%1 alert records could not be read").arg(log.size() - 1));
            QVERIFY(page.findChild<QLabel *>("skippedLabel")->isVisibleTo(&page));
        }
    }

    void serverEditionAndAiHint()
    {
        QVERIFY(serve({ alert(daysAgo(1), 12) }));
        {
            notifyReportMain page; // AI service not installed: the hint shows
            QSignalSpy aiCount(&page, &notifyReportMain::update_ai_inferences);
            QVERIFY(loaded(page));
            QCOMPARE(page.findChildren<notifyReportItem *>().size(), 6);
            QCOMPARE(aiCount.count(), 1);
            QCOMPARE(cardValues(page, { "guardCard" }), QStringList { "None" });
            auto *aiCard = page.findChild<notifyReportItem *>("aiCard");
            QVERIFY(aiCard->tipShown());
            QEvent enter(QEvent::Enter), leave(QEvent::Leave);
            QApplication::sendEvent(aiCard->findChild<QLabel *>("tipLabel"), &enter);
            QVERIFY(aiCard->ballonTip()->isVisible()
                && aiCard->ballonTip()->text().contains("Alarm Statistics - Settings"));
            QApplication::sendEvent(aiCard->findChild<QLabel *>("tipLabel"), &leave);
            QVERIFY(!aiCard->ballonTip()->isVisible());

            // Installed meanwhile: the hint goes once the daemon says so.
            QVERIFY(m_sim->stop());
            QJsonObject state = m_sim->readState();
            state["aiPackageInstalled"] = true;
            QFile file(m_sim->statePath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(state).toJson()) > 0
                && file.flush() && serve({ alert(daysAgo(1), 12) }));
            emit Middleware::instance()->installUpdate();
            QTRY_VERIFY(!aiCard->tipShown());
        }

        notifyReportMain::sources().osReleasePath
            = writeTestFile(m_dir, "os-release", "NAME=\"Zorva Server\"\nID=zorva\n");
        notifyReportMain page;
        QSignalSpy aiCount(&page, &notifyReportMain::update_ai_inferences);
        QVERIFY(loaded(page));
        QVERIFY(!page.findChild<notifyReportItem *>("aiCard"));
        QCOMPARE(page.findChild<QWidget *>("totalsStrip")->findChildren<notifyReportItem *>().size(), 3);
        LOAD(page, page.slot_refresh_data());
        QCOMPARE(aiCount.count(), 0);
    }

    // A figure that could not be obtained reads "--", never 0; counts are 64-bit.
    void unknownFigures()
    {
        // Stand-in options, the AI count's command, the events and inferences shown.
        std::vector<std::tuple<QStringList, QString, QStringList>> rows { { {}, "echo 99999999999",
            { "1024", "99999999999" } } };
        for (const char *reply : { "--error", "--short-reply", "--wrong-type", "--no-reply" })
            rows.push_back({ { reply, "getEventTotalCount" }, "echo 7", { "--", "7" } });
        for (const char *aiCount : { "exec /nonexistent/getCount", "echo -7", "echo many" })
            rows.push_back({ {}, aiCount, { "1024", "--" } });
        for (const auto &[daemon, aiCount, shown] : rows) {
            QVERIFY(serve({ alert(daysAgo(1)) }, daemon));
            notifyReportMain::sources().aiCountArguments = QStringList { "-c", aiCount };
            notifyReportMain page;
            QVERIFY(loaded(page));
            QCOMPARE(cardValues(page, { "eventsCard", "aiCard" }), shown);
        }
    }

    void pagesAndSections()
    {
        std::vector<loginfo> alerts;
        for (int i = 0; i < 50; ++i) // 50 alerts from 50 sources, one by root
            alerts.push_back(row(DATE, 13, "row " + std::to_string(i), LOCATION,
                "10.0." + std::to_string(100 + i) + ".1", i ? "" : "root"));
        const QString pdf = m_dir.filePath("report.pdf");
        QImage picture(400, 900, QImage::Format_RGB32);
        picture.fill(QColor("#3790FA"));
        const auto data = ReportData::compute(
            std::make_shared<const std::vector<loginfo>>(std::move(alerts)), "init", "init");
        QString error;
        QVERIFY2(
            ReportPdf::write(pdf, { picture, data->range.alerts, data->sources.get(), data->users.get(), {} },
                Translation("en_US", "/nonexistent"), nullptr, &error),
            qPrintable(error));
        // The picture, two pages of alerts, three of sources and one of users.
        QCOMPARE(pageCount(pdf), 7);
        QVERIFY(run("pdfinfo", { pdf }).contains("(A4)"));
        QVERIFY(pageText(pdf, 1).contains("Intrusion detection statistics report"));
        const QString events1 = pageText(pdf, 2);
        QVERIFY(events1.contains("All event statistics") && events1.contains("Event Title"));
        QCOMPARE(events1.count("host->/var/log/auth.log"), 43);
        QCOMPARE(pageText(pdf, 3).count("host->/var/log/auth.log"), 7);
        for (const auto &[page, entries] : { std::pair(4, 21), std::pair(5, 21), std::pair(6, 8) }) {
            const QString text = pageText(pdf, page);
            QVERIFY(text.contains("All sources of attack") && !text.contains("All user statistics"));
            QCOMPARE(text.count("Attack IP: 10.0."), entries);
            QCOMPARE(text.count("Latest attack time: 2024 Mar 05 10:11:12"), entries);
        }
        QVERIFY(pageText(pdf, 7).contains("All user statistics") && pageText(pdf, 7).contains("User: root"));
        // Texts as real glyphs of embedded fonts.
        for (const QString &line : run("pdffonts", { pdf }).split('\n', Qt::SkipEmptyParts).mid(2))
            QVERIFY2(line.contains(" yes "), qPrintable(line));
    }

    // The page's export through its dialog, which offers today's name in the chosen format: a failure is said
    // in the page and leaves no file, a later success clears it, and the picture was a private file that is
    // gone afterwards. The alerts as CSV and JSON Lines read back.
    void exportFromThePage()
    {
        QList<TestAlert> alerts = recentAlerts(30); // from five sources
        for (int i = 0; i < 30; ++i)
            alerts[i].srcIp = "10.0.0." + QByteArray::number(i % 5);
        QVERIFY(serve(alerts));
        QTemporaryDir work;
        const QString mine = writeTestFile(work, "tmpReport.png", "a user's own file");
        notifyReportMain page;
        page.resize(856, 500);
        page.show();
        LOAD(page, page.slot_refresh_data()); // not the snapshot of the test before
        QLabel *status = page.findChild<QLabel *>("statusLabel");
        // The dialog opens in the documents folder until an export has been written.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
        // formatsDown: how far down the list of formats the user goes.
        const auto exportTo = [&](const QString &target, int formatsDown = 0) {
            QString offered;
            QTimer::singleShot(0, this, [&] {
                CustomFileDialog *dialog = nullptr;
                QTRY_VERIFY(dialog = qobject_cast<CustomFileDialog *>(QApplication::activeModalWidget()));
                // The name suggested once shown, its base selected to be typed over.
                QLineEdit *name = dialog->findChild<QLineEdit *>();
                QTRY_COMPARE(name->text(), dialog->baseName() + ".pdf");
                offered = name->selectedText();
                QCOMPARE(dialog->directory().absolutePath(), folder);
                auto *formats = dialog->findChild<QComboBox *>("fileTypeCombo");
                for (int i = 0; i < formatsDown; ++i)
                    QTest::keyClick(formats, Qt::Key_Down);
                if (formatsDown > 0) // the suffix follows the format
                    QCOMPARE(name->text(), dialog->baseName() + (formatsDown == 1 ? ".csv" : ".jsonl"));
                name->setText(target); // typed over
                static_cast<QDialog *>(dialog)->accept();
            });
            page.exportScrollAreaToImage();
            if (!QTest::qWaitFor([&page] { return !page.isExporting(); }, 20000))
                QTest::qFail("the export did not end", __FILE__, __LINE__);
            return offered;
        };

        const QString gone = m_dir.filePath("gone/report.pdf");
        exportTo(gone);
        QCOMPARE(status->text(),
            QString("The report could not be written: the folder %1 does not exist.")
                .arg(m_dir.filePath("gone")));
        QVERIFY(!QFile::exists(gone));

        // In a folder with a file of the name an old picture file had.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        const QStringList before = QDir::temp().entryList({ "tarvix-report-*" });
        const QString target = work.filePath("report.pdf");
        QCOMPARE(exportTo(target),
            "Intrusion detection statistics report-" + QDate::currentDate().toString("yyyy-MM-dd"));
        QDir::setCurrent(previous);
        QCOMPARE(pageCount(target), 3); // picture, events, sources
        QVERIFY(pageText(target, 2).contains("alert 0"));
        QCOMPARE(status->text(), "The report was written to " + target);
        folder = work.path();
        QCOMPARE(contents(mine), QByteArray("a user's own file"));
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), (QStringList { "report.pdf", "tmpReport.png" }));
        QCOMPARE(QDir::temp().entryList({ "tarvix-report-*" }), before);

        // A picture that cannot be read leaves an earlier file of that name as it was.
        const QString earlier = writeTestFile(m_dir, "earlier.pdf", "old report");
        QVERIFY(!page.writeReportPdf(earlier, m_dir.filePath("no-picture.png")));
        QCOMPARE(contents(earlier), QByteArray("old report"));

        // Without a suffix typed, the chosen format's; newest first.
        exportTo(work.filePath("alerts"), 1);
        QCOMPARE(status->text(), "The alerts were written to " + work.filePath("alerts.csv"));
        const QList<QByteArray> rows = contents(work.filePath("alerts.csv")).split('\n');
        QCOMPARE(rows.size(), 1 + 30 + 1);
        QVERIFY(rows[0].startsWith(QByteArray("\xEF\xBB\xBF") + "id,time,level,"));
        QVERIFY(rows[1].contains(",alert 29,") && rows[30].contains(",alert 0,"));
        exportTo(work.filePath("alerts"), 2);
        const QList<QByteArray> lines = contents(work.filePath("alerts.jsonl")).trimmed().split('\n');
        QCOMPARE(lines.size(), 30);
        QCOMPARE(QJsonDocument::fromJson(lines[0]).object().value("description").toString(), "alert 29");
    }

    // The files are written on a worker: the longest gap between ticks of a 10 ms timer shows how long the
    // window ever stood still. A cancelled export leaves nothing behind.
    void exportKeepsTheWindowResponsive()
    {
        std::vector<loginfo> alerts;
        for (int i = 0; i < 100000; ++i)
            alerts.push_back(row(DATE, 12 + i % 5, "event " + std::to_string(i % 300), LOCATION,
                "10.1." + std::to_string(i % 5000 / 250) + "." + std::to_string(i % 250),
                "user" + std::to_string(i % 500)));
        alerts.back().timeNs
            = QDateTime::fromString(DATE, "yyyy MMM dd HH:mm:ss").toMSecsSinceEpoch() * 1000000;
        const auto shown = pageOf(std::move(alerts), {}, 500);
        QVERIFY(shown);
        notifyReportMain &page = *shown;
        QLabel *status = page.findChild<QLabel *>("statusLabel");
        QPushButton *cancelButton = page.findChild<QPushButton *>("cancelExportButton");
        for (const auto &[format, cancel] : { std::pair(ExportFormat::Pdf, false),
                 std::pair(ExportFormat::Csv, false), std::pair(ExportFormat::Pdf, true) }) {
            QTemporaryDir folder;
            const QString target = folder.filePath("responsive");
            QElapsedTimer clock;
            StallMeter stalls([&page](int) { page.repaint(); });
            clock.start();
            stalls.start();
            QVERIFY(page.startExport(target, format));
            const qint64 picture = clock.elapsed();
            QVERIFY(cancelButton->isVisible());
            // Progress of all the alerts of the range, counted as it goes; the cancel comes while it moves.
            QCOMPARE(status->text(), "Exporting: 0 of 100000 alerts written");
            if (cancel) {
                QTRY_VERIFY(status->text().contains(QRegularExpression("^Exporting: [1-9][0-9]* of 100000")));
                cancelButton->click();
            }
            QTRY_VERIFY_WITH_TIMEOUT(!page.isExporting(), 60000);
            stalls.stop();
            QVERIFY2(stalls.withinLimit(),
                qPrintable(QString("%1 (%2 ms for the picture)").arg(stalls.verdict()).arg(picture)));
            QVERIFY(!cancelButton->isVisible());
            if (cancel) {
                QCOMPARE(status->text(), "The export was cancelled.");
                QCOMPARE(
                    QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                    QStringList());
            } else if (format == ExportFormat::Pdf) {
                QCOMPARE(status->text(), "The report was written to " + target);
                QVERIFY(pageCount(target) > 2000);
                // Titled with the days the report is of: from the oldest alert's to today.
                QVERIFY(run("pdfinfo", { target })
                            .contains("Intrusion detection statistics report 2024-03-05 - "
                                + QDate::currentDate().toString("yyyy-MM-dd") + "\n"));
            } else {
                QCOMPARE(status->text(), "The alerts were written to " + target);
                QCOMPARE(contents(target).count('\n'), 100001);
            }
        }
    }

    // A row of each ranking, on the page or in its "See all" window, asks
    // for its alerts: that field's recorded value, in the report's range.
    void drillDownFromEachRanking()
    {
        std::vector<loginfo> alerts(2, row(DATE, 13, "sshd: brute force", LOCATION, "10.0.0.6", "root"));
        alerts.push_back(row(DATE, 13, "sshd: brute force", LOCATION, "10.0.0.6", "admin"));
        alerts.push_back(row(DATE, 13, "su: failure", LOCATION, "10.0.0.7"));
        const auto clickRow = [](QAbstractItemView *view, int row) {
            QCOMPARE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                view->visualRect(view->model()->index(row, 0)).center());
        };
        const auto returnOn = [](QAbstractItemView *view, int row) {
            view->setCurrentIndex(view->model()->index(row, 0));
            QTest::keyClick(view, Qt::Key_Return);
        };
        const auto eventRow = [](notifyReportMain &page, int row) {
            return page.eventCard()->findChildren<RankingRow *>().at(row);
        };
        // Opens a "See all" window and gives its list once it is laid out.
        const auto seeAll = [](RankingCard *card) {
            card->seeAllButton()->click();
            QWidget *window = QApplication::activeModalWidget();
            if (!QTest::qWaitForWindowExposed(window))
                qWarning("the window was not shown");
            return window;
        };
        using Page = notifyReportMain;
        using List = HitStatListView;
        const std::vector<std::tuple<std::function<void(Page &)>, AlertField, QString>> choices {
            { [&](Page &p) { QTest::mouseClick(eventRow(p, 1), Qt::LeftButton); },
                AlertField::RuleDescription, "su: failure" },
            { [&](Page &p) { QTest::keyClick(eventRow(p, 0), Qt::Key_Return); }, AlertField::RuleDescription,
                "sshd: brute force" },
            { [&](Page &p) { clickRow(p.attackCard()->findChild<List *>(), 1); }, AlertField::SourceAddress,
                "10.0.0.7" },
            { [&](Page &p) { returnOn(p.userCard()->findChild<List *>(), 0); }, AlertField::User, "root" },
            // The events window sorts the titles from A to Z.
            { [&](Page &p) { clickRow(seeAll(p.eventCard())->findChild<EventTableView *>(), 3); },
                AlertField::RuleDescription, "su: failure" },
            { [&](Page &p) { returnOn(seeAll(p.attackCard())->findChild<List *>(), 1); },
                AlertField::SourceAddress, "10.0.0.7" },
            { [&](Page &p) { clickRow(seeAll(p.userCard())->findChild<List *>(), 0); }, AlertField::User,
                "admin" },
        };
        const QList<QDate> picked { QDate(2024, 3, 1), QDate(2024, 3, 5) };
        for (const QList<QDate> &range : { QList<QDate>(), picked }) {
            const auto page = pageOf(alerts, range);
            QVERIFY(page);
            QSignalSpy drills(page.get(), &notifyReportMain::signal_drill_down);
            QCOMPARE(eventRow(*page, 0)->cursor().shape(), Qt::PointingHandCursor);
            for (const auto &[choose, field, value] : choices) {
                choose(*page);
                QCOMPARE(drills.count(), 1);
                const QList<QVariant> drill = drills.takeFirst();
                QCOMPARE(drill.at(0).value<AlertField>(), field);
                QCOMPARE(drill.at(1).toString(), value);
                QCOMPARE(drill.at(2).value<QList<QDate>>(), range);
                QVERIFY(!QApplication::activeModalWidget()); // a "See all" window makes way
            }
        }
    }

    // What a screen reader is told of the page and its windows, as Qt's
    // accessibility interfaces give it; no control of them goes unnamed.
    void accessibleNames()
    {
        const auto shown = pageOf({ row(DATE, 15, "sshd: brute force", LOCATION, "10.0.0.6", "root") });
        QVERIFY(shown);
        notifyReportMain &page = *shown;
        const auto name = [](QObject *object) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
            return accessible ? accessible->text(QAccessible::Name) : QString("(none)");
        };
        const auto child = [&page](const char *name) { return page.findChild<QWidget *>(name); };
        const std::vector<std::pair<QObject *, QString>> named {
            { child("alertsCard"), "Total alerts: 1 pcs" },
            { child("eventsCard"), "Total number of log events: not known" },
            { child("highRiskCard"), "High-risk alerts (level 15-16): 1 pcs" },
            { child("calendarButton"), "Choose the date range" },
            { page.dateChartView(), "Date distribution of alarm severity" },
            { page.levelChartView(), "Distribution of the number of alarm severities" },
            { page.eventCard(), "Statistics of event" },
            { page.eventCard()->seeAllButton(), "See all event statistics" },
            { page.eventCard()->findChild<RankingRow *>(), "sshd: brute force, happen 1 times" },
            { page.attackCard()->seeAllButton(), "See all sources of attack" },
            { page.attackCard()->findChild<HitStatListView *>(), "Statistics on attack sources" },
            { page.userCard()->seeAllButton(), "See all user statistics" },
            { child("exportButton"), "Export a statistical report" },
            { child("cancelExportButton"), "Cancel the export" },
            { child("refreshButton"), "Refresh" },
        };
        for (const auto &[object, expected] : named)
            QCOMPARE(name(object), expected);
        // A ranking's row reads as its texts.
        QAccessibleInterface *list
            = QAccessible::queryAccessibleInterface(page.attackCard()->findChild<HitStatListView *>());
        QVERIFY(list->childCount() > 0);
        QCOMPARE(list->child(0)->text(QAccessible::Name),
            "Attack IP: 10.0.0.6, Attack 1 times, Latest attack time: 2024/03/05 10:11:12");

        QList<QWidget *> windows { &page };
        for (RankingCard *card :
            std::initializer_list<RankingCard *> { page.eventCard(), page.attackCard(), page.userCard() }) {
            card->seeAllButton()->click();
            windows << QApplication::activeModalWidget();
            QCOMPARE(name(windows.last()), windows.last()->windowTitle());
            QCOMPARE(name(windows.last()->findChild<QAbstractItemView *>()), windows.last()->windowTitle());
            windows.last()->close();
        }
        // A table's header is read through its sections' texts.
        for (QWidget *window : windows)
            for (QWidget *control : window->findChildren<QWidget *>())
                if (qobject_cast<QAbstractButton *>(control)
                    || (qobject_cast<QAbstractItemView *>(control) && !qobject_cast<QHeaderView *>(control))
                    || qobject_cast<notifyReportItem *>(control) || qobject_cast<QChartView *>(control))
                    QVERIFY2(!name(control).isEmpty(), control->metaObject()->className());
    }

    // The event table: every alert a row at once, two with one date text too;
    // an update whose date text is known replaces its row, another is fetched
    // on demand. Its window: empty, then filled; its sort is exchanged on purpose.
    void eventTable()
    {
        std::vector<loginfo> alerts(248, row(DATE, 12, "same time"));
        alerts.push_back(row("2024 Mar 06 08:00:00", 13, "first"));
        alerts.push_back(row("2024 Mar 06 08:00:00", 16, "second", "ebpf"));
        const auto english = std::make_shared<const Translation>("en_US", "/nonexistent");
        EventTableModel model(english);
        model.loadAlerts(rangeOf(alerts));
        QCOMPARE(model.rowCount(), 250);
        QVERIFY(!model.canFetchMore(QModelIndex()));
        QCOMPARE(column(&model, 0).mid(248), (QStringList { "first", "second" }));
        QCOMPARE(
            QStringList({ column(&model, 1).last(), column(&model, 2).last(), column(&model, 3).last() }),
            (QStringList { "16", "ebpf", "2024/03/06 08:00:00" }));
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Happen Time"));
        model.updateServiceInfo(row("yesterday", 14, "odd")); // shown as recorded
        QVERIFY(model.canFetchMore(QModelIndex()));
        model.fetchMore(QModelIndex());
        QCOMPARE(column(&model, 3).last(), QString("yesterday"));
        QSignalSpy changed(&model, &EventTableModel::itemRowChanged);
        model.updateServiceInfo(row("2024 Mar 06 08:00:00", 15, "replaced"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(column(&model, 0).mid(248), (QStringList { "replaced", "second", "odd" }));

        allEventStatisticsWidget window(rangeOf({}), english, nullptr);
        EventTableView *view = window.tableView();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window)); // painted: the view asks for every role
        QLabel *empty = view->findChild<QLabel *>("emptyTextLabel");
        QCOMPARE(empty->text(), QString("There is no alarm information"));
        QTRY_VERIFY(empty->isVisible());

        window.updateAlerts(rangeOf({ row("2024 Mar 05 10:00:00", 12, "beta"),
            row("2024 Mar 07 10:00:00", 16, "Alpha"), row("2024 Mar 06 10:00:00", 14, "alpha") }));
        QVERIFY(!empty->isVisible());
        // Descending, the first column runs from A to Z (capitals first, as compared).
        QCOMPARE(column(view->model(), 0), (QStringList { "Alpha", "alpha", "beta" }));
        view->sortByColumn(1, Qt::AscendingOrder); // ascending shows the highest level first
        QCOMPARE(column(view->model(), 1), (QStringList { "16", "14", "12" }));
        view->sortByColumn(3, Qt::DescendingOrder);
        QCOMPARE(column(view->model(), 3),
            (QStringList { "2024/03/05 10:00:00", "2024/03/06 10:00:00", "2024/03/07 10:00:00" }));
    }

    void axisRangesAndShots()
    {
        // Shots of a 500-pixel viewport; the last one aligned to the bottom.
        QCOMPARE(ReportPdf::shotOffsets(500, 500), QList<int> { 0 });
        QCOMPARE(ReportPdf::shotOffsets(501, 500), (QList<int> { 0, 1 }));
        QCOMPARE(ReportPdf::shotOffsets(1200, 500), (QList<int> { 0, 500, 700 }));
        // Alerts at most, then the date axis's maximum and ticks and the level axis's maximum.
        for (const auto &[n, dateMax, ticks, levelMax] : std::vector<std::tuple<int, int, int, int>> {
                 { 0, 20, 5, 20 }, { 9, 20, 5, 20 }, { 10, 60, 7, 60 }, { 59, 60, 7, 60 }, { 60, 70, 7, 100 },
                 { 999, 1009, 7, 1039 }, { 1000, 1100, 7, 1400 }, { 12345, 13345, 7, 16345 } }) {
            QCOMPARE(SeverityCharts::dateAxisRange(n).max, dateMax);
            QCOMPARE(SeverityCharts::dateAxisRange(n).ticks, ticks);
            QCOMPARE(SeverityCharts::levelAxisRange(n).max, levelMax);
        }
    }
};

TARVIX_BUS_TEST_MAIN(TestNotifyReportMain)
#include "tst_notifyreportmain.moc"
