// The report's tables, lists and chart rules on alerts made here; no daemon.

#include "report/allattackstatisticsdata.h"
#include "report/alleventstatisticswidget.h"
#include "report/alluserstatisticsdata.h"
#include "report/eventtablemodel.h"
#include "report/eventtableview.h"
#include "report/severitycharts.h"
#include "translation/translation.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QtTest>

using namespace QtCharts;

namespace {

loginfo alert(const char *date, int level, const char *comment, const char *location = "host->auth.log")
{
    loginfo info;
    info.date = date;
    info.level = level;
    info.comment = comment;
    info.location = location;
    return info;
}

AlertRange rangeOf(std::vector<loginfo> alerts)
{
    auto list = std::make_shared<const std::vector<loginfo>>(std::move(alerts));
    return { list, AlertSpan(*list) };
}

std::shared_ptr<const Translation> english()
{
    return std::make_shared<const Translation>("en_US", "/nonexistent");
}

QStringList column(const QAbstractItemModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

} // namespace

class TestReportViews : public QObject
{
    Q_OBJECT

private slots:
    void eventModelRows()
    {
        std::vector<loginfo> alerts(248, alert("2024 Mar 05 10:11:12", 12, "same time"));
        // Two alerts with one date text are two rows, each its own.
        alerts.push_back(alert("2024 Mar 06 08:00:00", 13, "first"));
        alerts.push_back(alert("2024 Mar 06 08:00:00", 16, "second", "ebpf"));
        EventTableModel model(english());
        model.loadAlerts(rangeOf(alerts));
        QCOMPARE(model.rowCount(), 250); // all at once
        QVERIFY(!model.canFetchMore(QModelIndex()));
        QCOMPARE(model.index(248, 0).data().toString(), QString("first"));
        QCOMPARE(QStringList({ column(&model, 0)[249], column(&model, 1)[249], column(&model, 2)[249],
                     column(&model, 3)[249] }),
            (QStringList { "second", "16", "ebpf", "2024/03/06 08:00:00" }));
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Happen Time"));

        // A date the conversion cannot read is shown as recorded, in a row fetched on demand.
        model.updateServiceInfo(alert("yesterday", 14, "odd"));
        QVERIFY(model.canFetchMore(QModelIndex()));
        model.fetchMore(QModelIndex());
        QCOMPARE(model.index(250, 3).data().toString(), QString("yesterday"));
        // The same date text again replaces that row.
        QSignalSpy changed(&model, &EventTableModel::itemRowChanged);
        model.updateServiceInfo(alert("2024 Mar 06 08:00:00", 15, "replaced"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), 248);
        QCOMPARE(model.index(248, 0).data().toString(), QString("replaced"));
        QCOMPARE(model.rowCount(), 251);
    }

    // The events window: empty, then filled; its sort is exchanged on purpose.
    void eventTableEmptyUpdatedAndSorted()
    {
        allEventStatisticsWidget window(rangeOf({}), english(), nullptr);
        EventTableView *view = window.tableView();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.minimumSize(), QSize(720, 480));
        QLabel *empty = view->findChild<QLabel *>("emptyTextLabel");
        QCOMPARE(empty->text(), QString("There is no alarm information"));
        QTRY_VERIFY(empty->isVisible());

        window.updateAlerts(rangeOf({ alert("2024 Mar 05 10:00:00", 12, "beta"),
            alert("2024 Mar 07 10:00:00", 16, "Alpha"), alert("2024 Mar 06 10:00:00", 14, "alpha") }));
        QVERIFY(!empty->isVisible());
        // Descending, the first column runs from A to Z (capitals first, as compared).
        QCOMPARE(column(view->model(), 0), (QStringList { "Alpha", "alpha", "beta" }));
        view->sortByColumn(1, Qt::AscendingOrder); // ascending shows the highest level first
        QCOMPARE(column(view->model(), 1), (QStringList { "16", "14", "12" }));
        view->sortByColumn(3, Qt::DescendingOrder);
        QCOMPARE(column(view->model(), 3),
            (QStringList { "2024/03/05 10:00:00", "2024/03/06 10:00:00", "2024/03/07 10:00:00" }));
    }

    void hitListsInKeyOrder()
    {
        auto stats = std::make_shared<HitStats>();
        (*stats)["9.1.1.1"] = HitStat { 7, "2024 Mar 05 10:11:12" };
        (*stats)["10.0.0.2"] = HitStat { 1, "not a date" };
        AllAttackStatisticsData sources(stats, nullptr);
        // By key text, not by count; an unreadable time as the engine gave it.
        QCOMPARE(column(sources.model(), 0), (QStringList { "Attack IP: 10.0.0.2", "Attack IP: 9.1.1.1" }));
        QCOMPARE(sources.model()->index(0, 0).data(HitStatModel::LatestTextRole).toString(),
            QString("Latest attack time: not a date"));
        QCOMPARE(sources.model()->index(1, 0).data(HitStatModel::CountTextRole).toString(),
            QString("Attack 7 times"));
        QCOMPARE(sources.minimumSize(), QSize(400, 500));

        AllUserStatisticsData users(stats, nullptr);
        QCOMPARE(users.model()->index(1, 0).data().toString(), QString("user name: 9.1.1.1"));
        QCOMPARE(users.model()->index(1, 0).data(HitStatModel::LatestTextRole).toString(),
            QString("Latest attack time:  2024/03/05 10:11:12"));
    }

    void axisRanges()
    {
        // Alerts at most, then the date axis's maximum and ticks and the level axis's maximum.
        for (const auto &[n, dateMax, ticks, levelMax] : std::vector<std::tuple<int, int, int, int>> {
                 { 0, 20, 5, 20 }, { 9, 20, 5, 20 }, { 10, 60, 7, 60 }, { 59, 60, 7, 60 }, { 60, 70, 7, 100 },
                 { 999, 1009, 7, 1039 }, { 1000, 1100, 7, 1400 }, { 12345, 13345, 7, 16345 } }) {
            QCOMPARE(SeverityCharts::dateAxisRange(n).max, dateMax);
            QCOMPARE(SeverityCharts::dateAxisRange(n).ticks, ticks);
            QCOMPARE(SeverityCharts::levelAxisRange(n).max, levelMax);
        }
    }

    void singleDayCurveHasTwoPoints()
    {
        std::map<std::string, DayRiskCounts> days;
        days["2024-03-05"] = DayRiskCounts { 2, 7 };
        QList<QScatterSeries *> scatters;
        std::unique_ptr<QChartView> view(
            SeverityCharts::dateChart(SeverityCharts::datePoints(days, 9), scatters));
        const double day = double(QDateTime(QDate(2024, 3, 5), QTime(0, 0)).toMSecsSinceEpoch());
        const double before = double(QDateTime(QDate(2024, 3, 4), QTime(0, 0)).toMSecsSinceEpoch());
        auto *high = static_cast<QLineSeries *>(view->chart()->series().at(2));
        QCOMPARE(high->points(), (QList<QPointF> { QPointF(day, 2), QPointF(before, 0) }));
        QCOMPARE(scatters.size(), 2);
        QCOMPARE(scatters.at(1)->points(), (QList<QPointF> { QPointF(day, 7), QPointF(before, 0) }));
        QCOMPARE(scatters.at(1)->markerSize(), 10.0);

        // No days at all: a fixed span and no points.
        const SeverityCharts::DatePoints none = SeverityCharts::datePoints({}, 0);
        QCOMPARE(none.start.date(), QDate(2024, 5, 1));
        QCOMPARE(none.end.date(), QDate(2024, 5, 5));
        QVERIFY(none.high.isEmpty());
    }
};

QTEST_MAIN(TestReportViews)
#include "tst_reportviews.moc"
