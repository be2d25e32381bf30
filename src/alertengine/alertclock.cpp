#include "alertengine/alertclock.h"

#include <climits>
#include <cstring>
#include <iomanip>
#include <sstream>

namespace {

const char MONTH_NAMES[] = "JanFebMarAprMayJunJulAugSepOctNovDec";

bool twoDigits(const char *p, int &value, int min, int max)
{
    if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
        return false;
    value = (p[0] - '0') * 10 + (p[1] - '0');
    return value >= min && value <= max;
}

int monthIndex(const char *p)
{
    for (int i = 0; i < 12; ++i) {
        if (memcmp(p, MONTH_NAMES + 3 * i, 3) == 0)
            return i;
    }
    return -1;
}

// The general reader: a string stream with the time manipulator, as the
// pages have always read these texts.
bool readWithStream(const std::string &text, const char *format, struct tm &out)
{
    memset(&out, 0, sizeof(out));
    std::istringstream stream(text);
    stream >> std::get_time(&out, format);
    return !stream.fail();
}

// Years far from today would overflow nanoseconds; they saturate instead.
int64_t secondsToNs(time_t seconds)
{
    const int64_t limit = INT64_MAX / 1000000000;
    if (seconds > limit)
        return INT64_MAX;
    if (seconds < -limit)
        return INT64_MIN;
    return int64_t(seconds) * 1000000000;
}

} // namespace

bool AlertClock::parseAlertDate(const std::string &text, struct tm &out)
{
    // "YYYY Mon DD HH:MM:SS"; what follows is ignored, as the stream reader
    // also stops after two digits of seconds.
    if (text.size() < 20)
        return false;
    const char *p = text.data();
    int year = 0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        year = year * 10 + (p[i] - '0');
    }
    if (p[4] != ' ' || p[8] != ' ' || p[11] != ' ' || p[14] != ':' || p[17] != ':')
        return false;
    int month = monthIndex(p + 5);
    int day, hour, minute, second;
    // Seconds stop at 59: a leap second may roll over into the next day.
    if (month < 0 || !twoDigits(p + 9, day, 1, 31) || !twoDigits(p + 12, hour, 0, 23)
        || !twoDigits(p + 15, minute, 0, 59) || !twoDigits(p + 18, second, 0, 59))
        return false;
    memset(&out, 0, sizeof(out));
    out.tm_year = year - 1900;
    out.tm_mon = month;
    out.tm_mday = day;
    out.tm_hour = hour;
    out.tm_min = minute;
    out.tm_sec = second;
    return true;
}

int64_t AlertClock::plainDayNumber(const std::string &text, struct tm &out)
{
    // strftime writes a year below 1000 without its leading zero.
    if (!parseAlertDate(text, out) || text[0] == '0')
        return -1;
    return (int64_t(out.tm_year) * 12 + out.tm_mon) * 32 + out.tm_mday;
}

time_t AlertClock::localSeconds(const struct tm &fields)
{
    int64_t key = (int64_t(fields.tm_year) * 12 + fields.tm_mon) * 32 + fields.tm_mday;
    DaySlot &slot = m_days[static_cast<uint64_t>(key) % m_days.size()];
    if (slot.key != key) {
        struct tm first = fields;
        first.tm_hour = 0;
        first.tm_min = 0;
        first.tm_sec = 0;
        struct tm last = first;
        last.tm_hour = 23;
        last.tm_min = 59;
        last.tm_sec = 59;
        slot.key = key;
        slot.start = mktime(&first);
        slot.linear = slot.start != time_t(-1) && mktime(&last) - slot.start == 86399;
    }
    if (!slot.linear) {
        struct tm copy = fields;
        return mktime(&copy);
    }
    return slot.start + fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec;
}

int64_t AlertClock::toNs(const std::string &text, int mode)
{
    return convert(text, mode, this);
}

int64_t AlertClock::toNsOnce(const std::string &text, int mode)
{
    return convert(text, mode, nullptr);
}

int64_t AlertClock::convert(const std::string &text, int mode, AlertClock *cache)
{
    if (text.empty())
        return 0;
    struct tm fields;
    if (mode == 0) {
        if (parseAlertDate(text, fields))
            return secondsToNs(cache ? cache->localSeconds(fields) : mktime(&fields));
        if (!readWithStream(text, "%Y %b %d %H:%M:%S", fields))
            return 0;
    } else if (mode == 1) {
        if (!readWithStream(text, "%Y-%m-%d %H:%M:%S", fields))
            return 0;
    } else {
        return 0;
    }
    return secondsToNs(mktime(&fields));
}
