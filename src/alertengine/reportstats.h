#ifndef ALERTENGINE_REPORTSTATS_H
#define ALERTENGINE_REPORTSTATS_H

#include "alertengine/alertloader.h"
#include "alertengine/alertspan.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// Counting operations behind the report. Each one adds to what its container
// already holds and never clears it. They take the alerts as a span, so a date
// range of a shared list is counted without copying it; a whole list converts.

// Severity classes: 0 high risk (15 and above), 1 normal risk (12 to 14), 2 low (1 to 11).
enum AlertLevelClass : unsigned { HighRiskClass = 0, NormalRiskClass = 1, LowRiskClass = 2 };

struct HitStat
{
    int count = 0;
    std::string latestDate; // date text of the newest alert with this key
};

void filterByLevelClass(AlertSpan alerts, std::vector<loginfo> &out, unsigned levelClass);
void countByLevel(AlertSpan alerts, std::unordered_map<int, int> &counts);
void countByComment(AlertSpan alerts, std::unordered_map<std::string, int> &counts);
void countBySourceIp(AlertSpan alerts, std::map<std::string, HitStat> &stats);
void countByUser(AlertSpan alerts, std::map<std::string, HitStat> &stats);
// Copies of the alerts under their day ("%Y-%m-%d", as alertDateToDay gives it).
void groupByDay(AlertSpan alerts, std::map<std::string, std::vector<loginfo>> &days);
// *out = the number of the day's alerts of the class; 0 for a day not in the map or a class above 2.
void countDayByLevelClass(const std::map<std::string, std::vector<loginfo>> &days, const std::string &day,
    int levelClass, int *out);

struct DayRiskCounts
{
    int highRisk = 0; // level 15 and above
    int normalRisk = 0; // level 12 to 14
};

// For the date chart: per day ("%Y-%m-%d", as alertDateToDay gives it, in
// ascending order), the number of high-risk and normal-risk alerts. Every day
// that groupByDay would list gets an entry (with zeros when its alerts are all
// below 12), and the counts are what countDayByLevelClass gives for classes 0
// and 1 on that grouping, without copying a single alert.
void countRiskByDay(AlertSpan alerts, std::map<std::string, DayRiskCounts> &days);

#endif
