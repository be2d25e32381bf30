#include "reportdata/reportdata.h"
#include "logging/logcategories.h"

#include "alertengine/alertloader.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "system/systemprobes.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <string_view>

namespace {

// Sources or users of a range with their count and the date of their newest
// alert, in key order: the results of the engine's countBySourceIp and
// countByUser. A million alerts from nearly as many addresses are counted
// here rather than through its ordered map: the keys are hashed into one
// block of text that stays in the cache, the times are the ones the loader
// parsed, and the ranking is sorted once as small records.
std::shared_ptr<const HitRanking> rankHits(AlertSpan alerts, std::string loginfo::*field)
{
    struct Key
    {
        uint32_t offset; // of the name in names
        uint32_t length;
        uint32_t latest; // the alert whose date is kept, or NONE
        int count;
        int64_t time; // of that date; 0 for none, so any alert replaces it
    };
    const uint32_t NONE = UINT32_MAX;
    std::string names;
    std::vector<Key> keys;
    // 0 free, else the key's number + 1 and above it the top of its hash, so
    // that a probe rarely reaches for a key it is not.
    std::vector<uint64_t> table(64, 0);
    const auto tagOf = [](size_t hash) { return uint64_t(hash >> 32) << 32; };
    const auto nameOf
        = [&names](const Key &key) { return std::string_view(names).substr(key.offset, key.length); };
    int64_t time = 0;
    for (size_t i = 0; i < alerts.size(); ++i) {
        const loginfo &alert = alerts[i];
        // An alert without a date counts at the time of the one before it.
        if (!alert.date.empty())
            time = alert.timeNs;
        const std::string &name = alert.*field;
        if (name.empty())
            continue;
        if ((keys.size() + 1) * 2 > table.size()) {
            table.assign(table.size() * 2, 0);
            for (size_t k = 0; k < keys.size(); ++k) {
                const size_t hash = std::hash<std::string_view>()(nameOf(keys[k]));
                size_t slot = hash & (table.size() - 1);
                while (table[slot] != 0)
                    slot = (slot + 1) & (table.size() - 1);
                table[slot] = tagOf(hash) | uint64_t(k + 1);
            }
        }
        const size_t hash = std::hash<std::string_view>()(name);
        const uint64_t tag = tagOf(hash);
        size_t slot = hash & (table.size() - 1);
        Key *key = nullptr;
        for (; table[slot] != 0; slot = (slot + 1) & (table.size() - 1)) {
            if ((table[slot] & ~uint64_t(UINT32_MAX)) != tag)
                continue;
            Key &seen = keys[(table[slot] & UINT32_MAX) - 1];
            if (nameOf(seen) == name) {
                key = &seen;
                break;
            }
        }
        if (!key) {
            keys.push_back({ uint32_t(names.size()), uint32_t(name.size()), NONE, 0, 0 });
            names += name;
            table[slot] = tag | uint64_t(keys.size());
            key = &keys.back();
        }
        ++key->count;
        // With equal times the later alert in the list wins; after one without
        // a date, any alert does.
        if (key->time <= time) {
            key->latest = uint32_t(i);
            key->time = alert.date.empty() ? 0 : time;
        }
    }
    table = std::vector<uint64_t>();

    // In key order, sorted as records of the first sixteen bytes (the whole
    // of an address) and the key's number.
    struct Record
    {
        uint64_t high, low;
        uint32_t key;
    };
    std::vector<Record> order(keys.size());
    for (size_t k = 0; k < keys.size(); ++k) {
        unsigned char head[16] = {};
        memcpy(head, names.data() + keys[k].offset, std::min<size_t>(16, keys[k].length));
        uint64_t high = 0, low = 0;
        for (int b = 0; b < 8; ++b) {
            high = high << 8 | head[b];
            low = low << 8 | head[8 + b];
        }
        order[k] = { high, low, uint32_t(k) };
    }
    std::sort(order.begin(), order.end(), [&](const Record &a, const Record &b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        return nameOf(keys[a.key]) < nameOf(keys[b.key]);
    });
    auto ranking = std::make_shared<HitRanking>();
    ranking->reserve(keys.size());
    for (const Record &record : order) {
        const Key &key = keys[record.key];
        HitStat stat;
        stat.count = key.count;
        if (key.latest != NONE)
            stat.latestDate = alerts[key.latest].date;
        ranking->emplace_back(std::string(nameOf(key)), std::move(stat));
    }
    return ranking;
}

std::vector<const HitRanking::value_type *> topOf(const HitRanking &ranking, size_t shown)
{
    std::vector<const HitRanking::value_type *> top;
    top.reserve(ranking.size());
    for (const auto &entry : ranking)
        top.push_back(&entry);
    // Entries arrive in key order, so a stable choice keeps equal counts in it.
    shown = std::min(shown, top.size());
    std::partial_sort(top.begin(), top.begin() + long(shown), top.end(), [](const auto *a, const auto *b) {
        return a->second.count > b->second.count
            || (a->second.count == b->second.count && a->first < b->first);
    });
    top.resize(shown);
    return top;
}

} // namespace

std::optional<qint64> ReportFigures::readCount(const QString &text)
{
    bool isNumber = false;
    const qint64 value = text.trimmed().toLongLong(&isNumber);
    if (!isNumber || value < 0)
        return std::nullopt;
    return value;
}

ReportFigures ReportFigures::fetch(const std::string &installTimePath)
{
    ReportFigures figures;
    int minutes = 0;
    if (minutesSinceInstall(minutes, installTimePath) != 0)
        qCDebug(lcReport) << "get time error!";
    else
        figures.guardHours = minutes / 60;
    TarvixDesktopDaemonClient *daemon = TarvixDesktopDaemonClient::instance();
    QString events;
    if (daemon->getEventTotalCount(events) != 0)
        qCDebug(lcReport) << "get event total error!";
    else
        figures.eventTotal = readCount(events);
    figures.aiStatus = daemon->getServiceStatus("tarvix_net_ai", 2);
    return figures;
}

std::optional<qint64> ReportFigures::countAiInferences(const QString &program, const QStringList &arguments)
{
    QString output;
    if (!runCommand(program, arguments, output))
        return std::nullopt;
    return readCount(output);
}

SharedReportData ReportData::compute(
    const AlertList &snapshot, const std::string &start, const std::string &end)
{
    auto data = std::make_shared<ReportData>();
    static const std::vector<loginfo> none;
    const std::vector<loginfo> &all = snapshot ? *snapshot : none;
    data->range = { snapshot, alertsInRange(all, start, end) };
    data->alertTotal = all.size();
    const AlertSpan alerts = data->range.alerts;

    countByLevel(alerts, data->levelCounts);
    for (const auto &[level, count] : data->levelCounts) {
        if (level > 14)
            data->highCount += count;
        else if (level >= 12)
            data->normalCount += count;
    }
    countRiskByDay(alerts, data->dayCounts);

    countByComment(alerts, data->eventCounts);
    data->topEvents.reserve(data->eventCounts.size());
    for (const auto &[title, count] : data->eventCounts)
        data->topEvents.emplace_back(&title, count);
    const size_t shownEvents = std::min(TOP_EVENTS, data->topEvents.size());
    std::partial_sort(data->topEvents.begin(), data->topEvents.begin() + long(shownEvents),
        data->topEvents.end(), [](const EventCount &a, const EventCount &b) {
            return a.second > b.second || (a.second == b.second && *a.first < *b.first);
        });
    data->topEvents.resize(shownEvents);

    data->sources = rankHits(alerts, &loginfo::srcIp);
    data->topSources = topOf(*data->sources, TOP_HITS);
    data->users = rankHits(alerts, &loginfo::user);
    data->topUsers = topOf(*data->users, TOP_HITS);
    return data;
}

QDate ReportData::oldestDate() const
{
    return range.alerts.empty() ? QDate() : alertDay(range.alerts.back().timeNs);
}

namespace {

// The first second of day as alertTimeToNs reads "yyyy-MM-dd 00:00:00".
int64_t dayStartSeconds(const QDate &day)
{
    struct tm fields;
    std::memset(&fields, 0, sizeof fields);
    fields.tm_year = day.year() - 1900;
    fields.tm_mon = day.month() - 1;
    fields.tm_mday = day.day();
    return int64_t(mktime(&fields));
}

} // namespace

QString rangeStartText(const QDate &day)
{
    return QString("%1 %2").arg(day.toString("yyyy-MM-dd"), "00:00:00");
}

QString rangeEndText(const QDate &day, const char *lastSecond)
{
    return QString("%1 %2").arg(day.toString("yyyy-MM-dd"), lastSecond);
}

QDate alertDay(int64_t timeNs)
{
    if (timeNs == 0)
        return QDate();
    const int64_t seconds = timeNs >= 0 ? timeNs / 1000000000 : (timeNs - 999999999) / 1000000000;
    QDate day = QDateTime::fromSecsSinceEpoch(seconds).date();
    // Read without daylight saving, a summer alert's time lies an hour past its
    // clock: late in the evening that is already the next day on the calendar.
    if (dayStartSeconds(day) > seconds)
        day = day.addDays(-1);
    else if (dayStartSeconds(day.addDays(1)) <= seconds)
        day = day.addDays(1);
    return day;
}
