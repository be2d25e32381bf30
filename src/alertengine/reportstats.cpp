#include "alertengine/reportstats.h"

#include "alertengine/alertclock.h"

namespace {

bool inLevelClass(int level, unsigned levelClass)
{
    switch (levelClass) {
    case HighRiskClass:
        return level > 14;
    case NormalRiskClass:
        return level >= 12 && level <= 14;
    case LowRiskClass:
        return level >= 1 && level <= 11;
    default:
        return false;
    }
}

// Count per key, keeping the date of the newest alert; with equal times the
// later one in the list wins. An alert without a date keeps the time of the
// one before it. The time of each entry's date is worked out once per call.
void countHits(const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats,
               std::string loginfo::*key)
{
    AlertClock clock;
    std::unordered_map<const HitStat *, int64_t> latestTimes;
    int64_t time = 0;
    for (const loginfo &alert : alerts) {
        if (!alert.date.empty())
            time = clock.toNs(alert.date, 0);
        const std::string &name = alert.*key;
        if (name.empty())
            continue;
        HitStat &stat = stats.try_emplace(name).first->second;
        auto latest = latestTimes.find(&stat);
        if (latest == latestTimes.end())
            latest = latestTimes.emplace(&stat, clock.toNs(stat.latestDate, 0)).first;
        ++stat.count;
        if (latest->second <= time) {
            stat.latestDate = alert.date;
            latest->second = alert.date.empty() ? 0 : time; // the time of the text now kept
        }
    }
}

} // namespace

void filterByLevelClass(const std::vector<loginfo> &alerts, std::vector<loginfo> &out, unsigned levelClass)
{
    if (levelClass > LowRiskClass)
        return;
    for (const loginfo &alert : alerts) {
        if (inLevelClass(alert.level, levelClass))
            out.push_back(alert);
    }
}

void countByLevel(const std::vector<loginfo> &alerts, std::unordered_map<int, int> &counts)
{
    for (const loginfo &alert : alerts)
        ++counts[alert.level];
}

void countByComment(const std::vector<loginfo> &alerts, std::unordered_map<std::string, int> &counts)
{
    for (const loginfo &alert : alerts) {
        if (!alert.comment.empty())
            ++counts[alert.comment];
    }
}

void countBySourceIp(const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats)
{
    countHits(alerts, stats, &loginfo::srcIp);
}

void countByUser(const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats)
{
    countHits(alerts, stats, &loginfo::user);
}

void groupByDay(const std::vector<loginfo> &alerts, std::map<std::string, std::vector<loginfo>> &days)
{
    // Lists arrive sorted, so consecutive alerts mostly share a day: remember
    // the last day's vector instead of looking it up again.
    std::string lastDay;
    std::vector<loginfo> *bucket = nullptr;
    for (const loginfo &alert : alerts) {
        std::string day = alertDateToDay(alert.date);
        if (!bucket || day != lastDay) {
            bucket = &days[day];
            lastDay = std::move(day);
        }
        bucket->push_back(alert);
    }
}

void countDayByLevelClass(const std::map<std::string, std::vector<loginfo>> &days, const std::string &day,
                          int levelClass, int *out)
{
    *out = 0;
    if (levelClass < 0 || levelClass > int(LowRiskClass))
        return;
    auto found = days.find(day);
    if (found == days.end())
        return;
    int count = 0;
    for (const loginfo &alert : found->second) {
        if (inLevelClass(alert.level, unsigned(levelClass)))
            ++count;
    }
    *out = count;
}
