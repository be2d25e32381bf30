#include "report/spancounts.h"

#include <vector>

void countByLevel(AlertSpan alerts, std::unordered_map<int, int> &counts)
{
    countByLevel(alerts.toVector(), counts);
}

void countByComment(AlertSpan alerts, std::unordered_map<std::string, int> &counts)
{
    countByComment(alerts.toVector(), counts);
}

void countBySourceIp(AlertSpan alerts, std::map<std::string, HitStat> &stats)
{
    countBySourceIp(alerts.toVector(), stats);
}

void countByUser(AlertSpan alerts, std::map<std::string, HitStat> &stats)
{
    countByUser(alerts.toVector(), stats);
}

void countRiskByDay(AlertSpan alerts, std::map<std::string, DayRiskCounts> &days)
{
    std::map<std::string, std::vector<loginfo>> grouped;
    groupByDay(alerts.toVector(), grouped);
    for (const auto &day : grouped) {
        DayRiskCounts &counts = days[day.first];
        countDayByLevelClass(grouped, day.first, HighRiskClass, &counts.highRisk);
        countDayByLevelClass(grouped, day.first, NormalRiskClass, &counts.normalRisk);
    }
}
