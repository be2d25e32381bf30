#ifndef REPORT_SEVERITYCHARTS_H
#define REPORT_SEVERITYCHARTS_H

#include "alertengine/reportstats.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QPointF>

#include <map>
#include <string>
#include <unordered_map>

namespace QtCharts {
class QChartView;
class QScatterSeries;
} // namespace QtCharts

// The two charts of the report: alerts per day by severity, and alerts per level.
class SeverityCharts
{
    Q_DECLARE_TR_FUNCTIONS(SeverityCharts)
public:
    struct AxisRange
    {
        int max;
        int ticks;
    };
    // The value axis for the largest count n; the level chart leaves more room above its bars.
    static AxisRange dateAxisRange(int n);
    static AxisRange levelAxisRange(int n);

    struct DatePoints
    {
        QDateTime start;
        QDateTime end;
        QList<QPointF> high;
        QList<QPointF> normal;
        int dailyMax = 0;
    };
    // One point per day, x its local midnight in milliseconds since the epoch.
    static DatePoints datePoints(const std::map<std::string, DayRiskCounts> &days, int rangeAlerts);

    // The chart's scatter series are handed back for their hover signals.
    static QtCharts::QChartView *dateChart(DatePoints points, QList<QtCharts::QScatterSeries *> &scatters);
    static QtCharts::QChartView *levelChart(const std::unordered_map<int, int> &levels);
};

#endif
