#ifndef REPORT_SPANCOUNTS_H
#define REPORT_SPANCOUNTS_H

// The report counts date ranges of the shared snapshot. Until the engine's
// counting operations take an AlertSpan themselves, these forward to them;
// they are removed once it does.

#include "alertengine/alertspan.h"
#include "alertengine/reportstats.h"

#include <map>
#include <string>
#include <unordered_map>

void countByLevel(AlertSpan alerts, std::unordered_map<int, int> &counts);
void countByComment(AlertSpan alerts, std::unordered_map<std::string, int> &counts);
void countBySourceIp(AlertSpan alerts, std::map<std::string, HitStat> &stats);
void countByUser(AlertSpan alerts, std::map<std::string, HitStat> &stats);

struct DayRiskCounts
{
    int highRisk = 0; // level 15 and above
    int normalRisk = 0; // level 12 to 14
};

// Per day ("%Y-%m-%d", ascending) the number of high-risk and normal-risk alerts.
void countRiskByDay(AlertSpan alerts, std::map<std::string, DayRiskCounts> &days);

#endif
