#ifndef ALERTENGINE_ALERTCLOCK_H
#define ALERTENGINE_ALERTCLOCK_H

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

// Turns alert date texts into local times with exactly the results of
// alertTimeToNs. mktime dominates the cost of loading and counting large
// logs, so the clock parses the usual date form itself and remembers the
// local time of the days it has seen (days with a clock change excepted); one
// clock serves one pass over a list.
class AlertClock
{
public:
    // mode 0: "%Y %b %d %H:%M:%S", mode 1: "%Y-%m-%d %H:%M:%S"; 0 when empty or unreadable.
    int64_t toNs(const std::string &text, int mode);
    // The same without a cache, for a single conversion.
    static int64_t toNsOnce(const std::string &text, int mode);

    // The broken-down form of an alert date in the usual "2024 Mar 05 10:11:12"
    // form; false for anything else (the caller then takes the general path).
    static bool parseAlertDate(const std::string &text, struct tm &out);
    // The day of a date that alertDateToDay reads itself (the usual form, a
    // year without a leading zero) as one number; -1 for any other text.
    static int64_t plainDayNumber(const std::string &text, struct tm &out);

private:
    static int64_t convert(const std::string &text, int mode, AlertClock *cache);
    time_t localSeconds(const struct tm &fields);

    struct DaySlot
    {
        int64_t key = -1;
        time_t start = 0; // mktime of the day's first second
        bool linear = false; // no clock change during the day
    };
    std::array<DaySlot, 512> m_days;
};

#endif
