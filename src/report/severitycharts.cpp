#include "report/severitycharts.h"
#include "kit/kitstyle.h"
#include "kit/themecontroller.h"
#include "logging/logcategories.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDebug>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <cmath>
#include <functional>

using namespace QtCharts;

namespace {

SeverityCharts::AxisRange axisRange(int n, int headroomFactor)
{
    if (n <= 9)
        return { 20, 5 };
    if (n <= 59)
        return { 60, 7 };
    const int digits = int(std::log10(double(n))) + 1;
    const int exponent = std::max(digits, 3) - 2;
    return { int(n + headroomFactor * std::pow(10.0, exponent)), 7 };
}

QValueAxis *valueAxis(const SeverityCharts::AxisRange &range)
{
    auto *axis = new QValueAxis();
    axis->setRange(0, range.max);
    axis->setTickCount(range.ticks);
    axis->setLabelFormat("%.0f");
    axis->setLineVisible(false);
    return axis;
}

// What follows the theme: the view's and chart's background, the axes'
// labels and the grid.
void followTheme(QChartView *view, const QList<QAbstractAxis *> &axes, const std::function<void()> &more)
{
    lumo::style::followTheme(view, [view, axes, more] {
        view->setStyleSheet(QString("background-color: %1;").arg(lumo::style::card().name().toUpper()));
        for (QAbstractAxis *axis : axes) {
            axis->setLabelsColor(lumo::style::chartText());
            if (!axis->isGridLineVisible())
                continue;
            QPen grid(lumo::style::gridLine());
            grid.setStyle(Qt::CustomDashLine);
            grid.setDashPattern({ 4, 3 });
            axis->setGridLinePen(grid);
        }
        if (more)
            more();
    });
}

void hideGridWithGrayLine(QAbstractAxis *axis)
{
    axis->setGridLineVisible(false);
    axis->setLinePen(QPen(Qt::gray, 1, Qt::SolidLine));
}

QAreaSeries *area(QLineSeries *line, const QColor &top, Qt::GlobalColor pen)
{
    auto *series = new QAreaSeries(line);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, Qt::transparent);
    series->setBrush(gradient);
    series->setPen(QPen(pen, 2));
    line->setPen(Qt::NoPen);
    return series;
}

QScatterSeries *scatter(const QList<QPointF> &points)
{
    auto *series = new QScatterSeries();
    series->append(points);
    series->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    series->setMarkerSize(10);
    return series;
}

qint64 localMidnight(const QDate &day)
{
    return QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch();
}

} // namespace

SeverityCharts::AxisRange SeverityCharts::dateAxisRange(int n)
{
    return axisRange(n, 1);
}

SeverityCharts::AxisRange SeverityCharts::levelAxisRange(int n)
{
    return axisRange(n, 4);
}

SeverityCharts::DatePoints SeverityCharts::datePoints(
    const std::map<std::string, DayRiskCounts> &days, int rangeAlerts)
{
    QElapsedTimer timer;
    timer.start();
    DatePoints points;
    qCDebug(lcReport) << "total date range size: " << rangeAlerts << days.size();
    qCDebug(lcReport) << "process time: " << timer.elapsed() / 1000;
    if (days.empty()) {
        qCDebug(lcReport) << " no statistic data";
        points.start = QDateTime(QDate(2024, 5, 1), QTime(0, 0));
        points.end = QDateTime(QDate(2024, 5, 5), QTime(0, 0));
        return points;
    }
    const auto dayOf = [](const std::string &text) {
        return QDateTime(QDate::fromString(QString::fromStdString(text), "yyyy-MM-dd"), QTime(0, 0));
    };
    points.start = dayOf(days.begin()->first);
    points.end = dayOf(days.rbegin()->first);
    for (const auto &day : days) {
        const double x = double(dayOf(day.first).toMSecsSinceEpoch());
        points.dailyMax = std::max({ points.dailyMax, day.second.normalRisk, day.second.highRisk });
        points.normal.append(QPointF(x, day.second.normalRisk));
        points.high.append(QPointF(x, day.second.highRisk));
    }
    return points;
}

QChartView *SeverityCharts::dateChart(DatePoints points, QList<QScatterSeries *> &scatters)
{
    auto *chart = new QChart();
    chart->legend()->hide();
    chart->setMargins(QMargins(20, 0, 0, 0));
    chart->setBackgroundBrush(Qt::transparent);
    auto *view = new QChartView(chart);
    view->setObjectName("dateChartView");
    view->setMinimumSize(820, 250);
    view->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    view->setRenderHint(QPainter::Antialiasing);

    // A single day still draws a curve: it starts from nothing the day before.
    if (points.start == points.end) {
        const double dayBefore = double(localMidnight(points.start.date().addDays(-1)));
        points.high.append(QPointF(dayBefore, 0));
        points.normal.append(QPointF(dayBefore, 0));
    }
    auto *highLine = new QLineSeries();
    highLine->append(points.high);
    auto *normalLine = new QLineSeries();
    normalLine->append(points.normal);
    QScatterSeries *highScatter = scatter(points.high);
    QScatterSeries *normalScatter = scatter(points.normal);
    QAreaSeries *highArea = area(highLine, QColor("#FF0000"), Qt::red);
    QAreaSeries *normalArea = area(normalLine, QColor("#3790FA"), Qt::blue);
    // Pure blue all but vanishes on a dark chart.
    const auto normalPen = [normalArea] {
        normalArea->setPen(QPen(ThemeController::isDarkTheme() ? QColor("#5C9DFF") : QColor(Qt::blue), 2));
    };
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *> {
             highArea, normalArea, highLine, normalLine, highScatter, normalScatter })
        chart->addSeries(series);

    auto *dates = new QDateTimeAxis();
    dates->setTickCount(2);
    qCDebug(lcReport) << "range start end: " << points.start.toString("yyyy-MM-dd")
                      << points.end.toString("yyyy-MM-dd");
    dates->setRange(points.start, points.end);
    dates->setFormat("yyyy-MM-dd");
    hideGridWithGrayLine(dates);
    chart->addAxis(dates, Qt::AlignBottom);
    QValueAxis *values = valueAxis(dateAxisRange(points.dailyMax));
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries *series :
        std::initializer_list<QAbstractSeries *> { highLine, normalLine, highScatter, normalScatter })
        series->attachAxis(dates);
    for (QAbstractSeries *series : chart->series())
        series->attachAxis(values);
    followTheme(view, { dates, values }, normalPen);

    scatters = { highScatter, normalScatter };
    return view;
}

QChartView *SeverityCharts::levelChart(const std::unordered_map<int, int> &levels)
{
    auto *chart = new QChart();
    chart->setBackgroundRoundness(0);
    chart->legend()->hide();
    chart->setMargins(QMargins(20, 0, 0, 0));
    auto *view = new QChartView(chart);
    view->setObjectName("levelChartView");
    view->setMinimumSize(820, 320);

    const QStringList categories
        = { tr("Level 16"), tr("Level 15"), tr("Level 14"), tr("Level 13"), tr("Level 12") };
    struct Bar
    {
        int level;
        QColor colour;
        QColor darkColour = colour;
    };
    // Created and added from the highest level down. The two palest bars are
    // toned down in the dark theme; their labels stay black on them.
    const Bar bars[] = { { 16, Qt::red }, { 15, QColor(255, 99, 71) }, { 14, QColor(218, 165, 32) },
        { 13, QColor(240, 230, 140), QColor("#BDB76B") }, { 12, QColor(255, 255, 240), QColor("#9E9C8C") } };
    // One bar per level over its own category, in its own colour: a set per
    // level that is zero elsewhere, stacked so that each bar has the full width.
    auto *series = new QStackedBarSeries();
    QList<QBarSet *> sets;
    int most = 0;
    for (int category = 0; category < 5; ++category) {
        const auto found = levels.find(bars[category].level);
        const int count = found == levels.end() ? 0 : found->second;
        most = std::max(most, count);
        auto *set = new QBarSet(QString::number(bars[category].level));
        set->setLabelColor(Qt::black);
        sets << set;
        for (int other = 0; other < 5; ++other)
            set->append(other == category ? count : 0);
        series->append(set);
    }
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart->addSeries(series);
    auto *axis = new QBarCategoryAxis();
    axis->append(categories);
    hideGridWithGrayLine(axis);
    chart->addAxis(axis, Qt::AlignBottom);
    QValueAxis *values = valueAxis(levelAxisRange(most));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(axis);
    series->attachAxis(values);
    followTheme(view, { axis, values }, [chart, sets, bars] {
        chart->setBackgroundBrush(lumo::style::card());
        for (int category = 0; category < 5; ++category)
            sets[category]->setColor(
                ThemeController::isDarkTheme() ? bars[category].darkColour : bars[category].colour);
    });
    return view;
}
