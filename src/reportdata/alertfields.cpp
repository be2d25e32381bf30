#include "reportdata/alertfields.h"

#include "reportdata/alerttext.h"
#include "translation/translation.h"

#include <QCoreApplication>

#include <ctime>

namespace {

constexpr bool fieldsInEnumOrder()
{
    for (size_t i = 0; i < ALERT_FIELDS.size(); ++i) {
        if (size_t(ALERT_FIELDS[i].field) != i)
            return false;
    }
    return true;
}
// alertFieldInfo looks a field up by its value.
static_assert(fieldsInEnumOrder() && ALERT_FIELDS.size() == size_t(AlertColumn::RawLines) + 1);

} // namespace

const AlertFieldInfo &alertFieldInfo(AlertColumn field)
{
    return ALERT_FIELDS[size_t(field)];
}

QString alertFieldHeading(AlertColumn field)
{
    const char *heading = alertFieldInfo(field).heading;
    return heading ? QCoreApplication::translate("EventTableModel", heading) : QString();
}

std::string ruleTitleBytes(const std::string &comment, const Translation *translation)
{
    std::string translated = translation ? translation->translate(comment.c_str()) : std::string();
    return translated.empty() ? comment : translated;
}

QString ruleTitleShown(const std::string &comment, const Translation *translation)
{
    return alertTextForDisplay(QString::fromStdString(ruleTitleBytes(comment, translation)));
}

QString alertTimeShown(const std::string &date)
{
    const std::string shown = alertDateToDisplay(date);
    return alertTextForDisplay(QString::fromStdString(shown.empty() ? date : shown));
}

QString alertFieldShown(const loginfo &alert, AlertColumn field, const Translation &translation)
{
    switch (field) {
    case AlertColumn::Title:
        return ruleTitleShown(alert.comment, &translation);
    case AlertColumn::Time:
        return alertTimeShown(alert.date);
    case AlertColumn::RawLines: {
        QStringList lines;
        forEachRawLine(alert, [&lines](std::string_view line) {
            lines << alertTextForDisplay(QString::fromUtf8(line.data(), int(line.size())));
        });
        return lines.join('\n');
    }
    default: {
        std::string buffer;
        const std::string_view value = alertFieldValue(alert, field, std::string(), buffer);
        return alertTextForDisplay(QString::fromUtf8(value.data(), int(value.size())));
    }
    }
}

namespace {

// Days since 1970-01-01 to the civil date (proleptic Gregorian).
void civilFromDays(int64_t days, int64_t &year, unsigned &month, unsigned &day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    month = shifted < 10 ? shifted + 3 : shifted - 9;
    year = int64_t(yearOfEra) + era * 400 + (month <= 2);
}

// The local offset from UTC at a moment. Offsets change on quarter hours at
// most, and an export asks for millions of nearby moments.
long localOffset(int64_t seconds)
{
    thread_local int64_t cachedQuarter = INT64_MIN;
    thread_local long cachedOffset = 0;
    const int64_t quarter = seconds >= 0 ? seconds / 900 : (seconds - 899) / 900;
    if (quarter != cachedQuarter) {
        const time_t moment = time_t(seconds);
        struct tm local;
        cachedOffset = localtime_r(&moment, &local) ? local.tm_gmtoff : 0;
        cachedQuarter = quarter;
    }
    return cachedOffset;
}

} // namespace

std::string alertIsoTime(int64_t timeNs)
{
    if (timeNs == 0)
        return std::string();
    const int64_t utc = timeNs >= 0 ? timeNs / 1000000000 : (timeNs - 999999999) / 1000000000;
    const long offset = localOffset(utc);
    const int64_t local = utc + offset;
    const int64_t days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
    const int64_t secondOfDay = local - days * 86400;
    int64_t year;
    unsigned month, day;
    civilFromDays(days, year, month, day);
    const long offsetMinutes = (offset < 0 ? -offset : offset) / 60;
    if (year < 0 || year > 9999)
        return std::string();
    // By hand: an export writes a million of these.
    char text[] = "0000-00-00T00:00:00+00:00";
    const auto put = [&text](int at, long value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            text[at + i] = char('0' + value % 10);
    };
    put(0, long(year), 4);
    put(5, long(month), 2);
    put(8, long(day), 2);
    put(11, long(secondOfDay / 3600), 2);
    put(14, long(secondOfDay / 60 % 60), 2);
    put(17, long(secondOfDay % 60), 2);
    text[19] = offset < 0 ? '-' : '+';
    put(20, offsetMinutes / 60, 2);
    put(23, offsetMinutes % 60, 2);
    return std::string(text, sizeof text - 1);
}

std::string_view alertFieldValue(
    const loginfo &alert, AlertColumn field, const std::string &title, std::string &buffer)
{
    const auto number = [&buffer](int64_t value) {
        buffer = std::to_string(value);
        return std::string_view(buffer);
    };
    switch (field) {
    case AlertColumn::Id:
        return alert.alertId;
    case AlertColumn::Time:
        buffer = alertIsoTime(alert.timeNs);
        return buffer;
    case AlertColumn::Level:
        return number(alert.level);
    case AlertColumn::Rule:
        return number(alert.rule);
    case AlertColumn::Description:
        return alert.comment;
    case AlertColumn::Title:
        return title;
    case AlertColumn::Location:
        return alert.location;
    case AlertColumn::SourceIp:
        return alert.srcIp;
    case AlertColumn::SourcePort:
        // The reader leaves 0 when the alert names no port.
        return alert.srcPort ? number(alert.srcPort) : std::string_view();
    case AlertColumn::TargetIp:
        return alert.dstIp;
    case AlertColumn::TargetPort:
        return alert.dstPort ? number(alert.dstPort) : std::string_view();
    case AlertColumn::User:
        return alert.user;
    case AlertColumn::RawLines:
        break;
    }
    return std::string_view();
}
