#ifndef REPORTDATA_REPORTDATA_H
#define REPORTDATA_REPORTDATA_H

#include "alertengine/reportstats.h"
#include "reportdata/alertrange.h"
#include "reportdata/hitranking.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// What the daemon and the system say besides the alerts. Each is asked once
// per refresh, on a worker: every call may wait up to the D-Bus time-out.
// A figure that could not be obtained is empty, never 0.
struct ReportFigures
{
    std::optional<qint64> guardHours; // whole hours since installation
    std::optional<qint64> eventTotal; // log events the daemon has counted
    int aiStatus = 0; // of the AI service; 2 when it is not installed

    // The installation time from installTimePath, the event total and the AI
    // service's status from the daemon. Blocks: call it on a worker.
    static ReportFigures fetch(const std::string &installTimePath);
    // The number of AI inferences the count program prints, or empty when it
    // fails, hangs or prints anything but a count. Blocks as well.
    static std::optional<qint64> countAiInferences(const QString &program, const QStringList &arguments);
    // A count as a program or the daemon gives it in text: a decimal number
    // of 64 bits, never negative; anything else is unknown.
    static std::optional<qint64> readCount(const QString &text);
};

// Everything the report shows for the alerts of one range, counted once on a
// worker and then only read: by the page and its cards, the "See all"
// windows, the event table and the exports.
class ReportData
{
public:
    using EventCount = std::pair<const std::string *, int>;
    static constexpr size_t TOP_EVENTS = 5;
    static constexpr size_t TOP_HITS = 3;

    // The alerts of snapshot between start and end (texts as alertsInRange
    // takes them; "init" to "init" for all). A pass over every alert of the
    // range: call it on a worker.
    static std::shared_ptr<const ReportData> compute(
        const AlertList &snapshot, const std::string &start, const std::string &end);

    AlertRange range;
    size_t alertTotal = 0; // of the whole snapshot, whatever the range
    int highCount = 0; // level 15 and above
    int normalCount = 0; // level 12 to 14
    std::unordered_map<int, int> levelCounts;
    std::map<std::string, DayRiskCounts> dayCounts;
    std::unordered_map<std::string, int> eventCounts;
    // Sources and users in key order, as the "See all" windows and the PDF list them.
    std::shared_ptr<const HitRanking> sources;
    std::shared_ptr<const HitRanking> users;

    // The most frequent first; equal counts by title or key, so that the order
    // never depends on hashing.
    std::vector<EventCount> topEvents;
    std::vector<const HitRanking::value_type *> topSources;
    std::vector<const HitRanking::value_type *> topUsers;

    // The day of the oldest alert of the range; invalid when it has no
    // readable time or the range is empty.
    QDate oldestDate() const;
};

using SharedReportData = std::shared_ptr<const ReportData>;

#endif
