#include "alertengine/reportstats.h"

#include "alertengine/alertclock.h"

#include <algorithm>
#include <cstring>
#include <functional>

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

// The texts of consecutive alerts lie hundreds of bytes apart on the heap, and
// waiting for each one dominates a pass over a large list; asking for the text
// of an alert a few places ahead overlaps those waits.
void prefetchText(AlertSpan alerts, size_t index, std::string loginfo::*text)
{
    const size_t AHEAD = 8;
    if (index + AHEAD < alerts.size())
        __builtin_prefetch((alerts[index + AHEAD].*text).data());
}

// What one key has collected in one pass.
struct Hits
{
    std::string key;
    size_t hash = 0;
    int count = 0;
    bool replacesDate = false; // else the map entry keeps its own date
    std::string latestDate;
    int64_t latestTime = 0;
};

// The keys seen in one pass, found by open addressing over their numbers: a
// lookup allocates nothing and compares against the copies kept here, never
// reaching back into the list.
class HitTable
{
public:
    // The entry of name, and whether it was just added.
    std::pair<Hits &, bool> find(const std::string &name)
    {
        if ((m_hits.size() + 1) * 2 > m_slots.size())
            grow();
        const size_t hash = std::hash<std::string>()(name);
        size_t slot = hash & (m_slots.size() - 1);
        for (; m_slots[slot] != 0; slot = (slot + 1) & (m_slots.size() - 1)) {
            Hits &hits = m_hits[m_slots[slot] - 1];
            if (hits.hash == hash && hits.key == name)
                return { hits, false };
        }
        m_hits.emplace_back();
        m_hits.back().key = name;
        m_hits.back().hash = hash;
        m_slots[slot] = uint32_t(m_hits.size());
        return { m_hits.back(), true };
    }

    std::vector<Hits> &entries() { return m_hits; }

private:
    void grow()
    {
        m_slots.assign(std::max<size_t>(64, m_slots.size() * 2), 0);
        for (size_t i = 0; i < m_hits.size(); ++i) {
            size_t slot = m_hits[i].hash & (m_slots.size() - 1);
            while (m_slots[slot] != 0)
                slot = (slot + 1) & (m_slots.size() - 1);
            m_slots[slot] = uint32_t(i + 1);
        }
    }

    std::vector<Hits> m_hits;
    std::vector<uint32_t> m_slots; // 0 free, else the number of the entry + 1
};

// Count per key, keeping the date of the newest alert; with equal times the
// later one in the list wins. An alert without a date keeps the time of the
// one before it. The keys are gathered in a hash table and then put into the
// ordered map in key order, each entry at a hint: tens of thousands of
// addresses cost no tree search per alert.
void countHits(AlertSpan alerts, std::map<std::string, HitStat> &stats, std::string loginfo::*key)
{
    HitTable table;
    AlertClock clock;
    int64_t time = 0;
    for (size_t i = 0; i < alerts.size(); ++i) {
        prefetchText(alerts, i, &loginfo::date);
        const loginfo &alert = alerts[i];
        if (!alert.date.empty())
            time = clock.toNs(alert.date, 0);
        const std::string &name = alert.*key;
        if (name.empty())
            continue;
        auto [hits, added] = table.find(name);
        if (added && !stats.empty()) {
            auto existing = stats.find(name);
            if (existing != stats.end())
                hits.latestTime = clock.toNs(existing->second.latestDate, 0);
        }
        ++hits.count;
        if (hits.latestTime <= time) {
            hits.replacesDate = true;
            hits.latestDate = alert.date; // copied while it is at hand
            hits.latestTime = alert.date.empty() ? 0 : time; // the time of the text now kept
        }
    }

    // Sorted as small records of the first eight bytes and the entry's
    // number: most keys differ early, and moving them costs little.
    std::vector<Hits> &entries = table.entries();
    std::vector<std::pair<uint64_t, uint32_t>> order(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        unsigned char head[8] = {};
        memcpy(head, entries[i].key.data(), std::min<size_t>(8, entries[i].key.size()));
        uint64_t prefix = 0;
        for (unsigned char c : head)
            prefix = prefix << 8 | c;
        order[i] = { prefix, uint32_t(i) };
    }
    std::sort(order.begin(), order.end(), [&entries](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first : entries[a.second].key < entries[b.second].key;
    });
    // Into an empty map each key goes last; otherwise before the successor
    // of the one before it.
    const bool appending = stats.empty();
    auto hint = stats.begin();
    for (const auto &[prefix, index] : order) {
        Hits &hits = entries[index];
        auto entry = stats.try_emplace(hint, std::move(hits.key));
        entry->second.count += hits.count;
        if (hits.replacesDate)
            entry->second.latestDate = std::move(hits.latestDate);
        hint = appending ? stats.end() : std::next(entry);
    }
}

// The map entry of each alert's day. Lists arrive sorted, so consecutive
// alerts mostly share a day: the day's key text is made and looked up only
// when the day changes (dates in an unusual form take that path every time).
template<class Value> class DayEntries
{
public:
    explicit DayEntries(std::map<std::string, Value> &days)
        : m_days(days)
    {
    }

    Value &of(const std::string &date)
    {
        struct tm fields;
        const int64_t day = AlertClock::plainDayNumber(date, fields);
        if (day < 0 || day != m_day) {
            m_entry = &m_days[alertDateToDay(date)];
            m_day = day;
        }
        return *m_entry;
    }

private:
    std::map<std::string, Value> &m_days;
    int64_t m_day = -1;
    Value *m_entry = nullptr;
};

} // namespace

void filterByLevelClass(AlertSpan alerts, std::vector<loginfo> &out, unsigned levelClass)
{
    if (levelClass > LowRiskClass)
        return;
    for (const loginfo &alert : alerts) {
        if (inLevelClass(alert.level, levelClass))
            out.push_back(alert);
    }
}

void countByLevel(AlertSpan alerts, std::unordered_map<int, int> &counts)
{
    for (const loginfo &alert : alerts)
        ++counts[alert.level];
}

void countByComment(AlertSpan alerts, std::unordered_map<std::string, int> &counts)
{
    for (size_t i = 0; i < alerts.size(); ++i) {
        prefetchText(alerts, i, &loginfo::comment);
        if (!alerts[i].comment.empty())
            ++counts[alerts[i].comment];
    }
}

void countBySourceIp(AlertSpan alerts, std::map<std::string, HitStat> &stats)
{
    countHits(alerts, stats, &loginfo::srcIp);
}

void countByUser(AlertSpan alerts, std::map<std::string, HitStat> &stats)
{
    countHits(alerts, stats, &loginfo::user);
}

void groupByDay(AlertSpan alerts, std::map<std::string, std::vector<loginfo>> &days)
{
    DayEntries<std::vector<loginfo>> entries(days);
    for (const loginfo &alert : alerts)
        entries.of(alert.date).push_back(alert);
}

void countDayByLevelClass(
    const std::map<std::string, std::vector<loginfo>> &days, const std::string &day, int levelClass, int *out)
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

void countRiskByDay(AlertSpan alerts, std::map<std::string, DayRiskCounts> &days)
{
    DayEntries<DayRiskCounts> entries(days);
    for (size_t i = 0; i < alerts.size(); ++i) {
        prefetchText(alerts, i, &loginfo::date);
        const loginfo &alert = alerts[i];
        DayRiskCounts &counts = entries.of(alert.date);
        if (inLevelClass(alert.level, HighRiskClass))
            ++counts.highRisk;
        else if (inLevelClass(alert.level, NormalRiskClass))
            ++counts.normalRisk;
    }
}
