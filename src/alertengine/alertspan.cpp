#include "alertengine/alertspan.h"

#include <algorithm>

AlertSpan alertsInRange(
    const std::vector<loginfo> &newestFirst, const std::string &start, const std::string &end)
{
    if (start == "init" && end == "init")
        return AlertSpan(newestFirst);
    const int64_t from = alertTimeToNs(start, 1);
    const int64_t to = alertTimeToNs(end, 1);
    // Times fall along the list, so the alerts within [from, to] sit together.
    auto first = std::partition_point(
        newestFirst.begin(), newestFirst.end(), [to](const loginfo &alert) { return alert.timeNs > to; });
    auto last = std::partition_point(
        first, newestFirst.end(), [from](const loginfo &alert) { return alert.timeNs >= from; });
    return AlertSpan(newestFirst.data() + (first - newestFirst.begin()), size_t(last - first));
}
