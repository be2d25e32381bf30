#include "reportdata/reportdata.h"

#include "alertengine/alertloader.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "system/systemprobes.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>

namespace {

// The sources or users of a range in key order; the engine counts them in an
// ordered map, which goes once its entries are moved out.
std::shared_ptr<const HitRanking> rankHits(
    AlertSpan alerts, void (*count)(AlertSpan, std::map<std::string, HitStat> &))
{
    std::map<std::string, HitStat> stats;
    count(alerts, stats);
    auto ranking = std::make_shared<HitRanking>();
    ranking->reserve(stats.size());
    while (!stats.empty()) {
        auto node = stats.extract(stats.begin());
        ranking->emplace_back(std::move(node.key()), std::move(node.mapped()));
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
        qDebug() << "get time error!";
    else
        figures.guardHours = minutes / 60;
    TarvixDesktopDaemonClient *daemon = TarvixDesktopDaemonClient::instance();
    QString events;
    if (daemon->getEventTotalCount(events) != 0)
        qDebug() << "get event total error!";
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

    data->sources = rankHits(alerts, countBySourceIp);
    data->topSources = topOf(*data->sources, TOP_HITS);
    data->users = rankHits(alerts, countByUser);
    data->topUsers = topOf(*data->users, TOP_HITS);
    return data;
}

QDate ReportData::oldestDate() const
{
    if (range.alerts.empty() || range.alerts.back().timeNs == 0)
        return QDate();
    return QDateTime::fromMSecsSinceEpoch(range.alerts.back().timeNs / 1000000).date();
}
