#ifndef ALERTENGINE_REPORTSTATS_H
#define ALERTENGINE_REPORTSTATS_H

#include "alertengine/alertloader.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// Counting operations behind the report. Each one adds to what its container
// already holds and never clears it.

// Severity classes: 0 high risk (15 and above), 1 normal risk (12 to 14), 2 low (1 to 11).
enum AlertLevelClass : unsigned { HighRiskClass = 0, NormalRiskClass = 1, LowRiskClass = 2 };

struct HitStat
{
    int count = 0;
    std::string latestDate; // date text of the newest alert with this key
};

void filterByLevelClass(const std::vector<loginfo> &alerts, std::vector<loginfo> &out, unsigned levelClass);
void countByLevel(const std::vector<loginfo> &alerts, std::unordered_map<int, int> &counts);
void countByComment(const std::vector<loginfo> &alerts, std::unordered_map<std::string, int> &counts);
void countBySourceIp(const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats);
void countByUser(const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats);
void groupByDay(const std::vector<loginfo> &alerts, std::map<std::string, std::vector<loginfo>> &days);
// *out = the number of the day's alerts of the class; 0 for a day not in the map or a class above 2.
void countDayByLevelClass(const std::map<std::string, std::vector<loginfo>> &days, const std::string &day,
                          int levelClass, int *out);

#endif
