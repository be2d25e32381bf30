#ifndef REPORTDATA_ALERTFIELDS_H
#define REPORTDATA_ALERTFIELDS_H

#include "alertengine/alertloader.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>

class Translation;

// The fields of an alert as this program presents them: the event table and
// the PDF's event pages show four of them, the CSV and JSON Lines exports
// write all of them, in this order. (AlertField is the narrower set a list
// can be filtered by.)
enum class AlertColumn {
    Id,
    Time,
    Level,
    Rule,
    Description, // as recorded
    Title, // the description as shown, translated
    Location,
    SourceIp,
    SourcePort,
    TargetIp,
    TargetPort,
    User,
    RawLines,
};

// How an export writes a field: a JSON string, a JSON number, a JSON array of strings.
enum class AlertFieldKind { Text, Number, Lines };

struct AlertFieldInfo
{
    AlertColumn field;
    AlertFieldKind kind;
    const char *key; // CSV heading and JSON key, the same in every language
    const char *heading; // source text of the translated heading, nullptr for fields no table shows
    // Where the event table and the PDF's event pages show the field; 0 where they do not.
    int width; // column width in the event table
    int pdfHeadingX; // x of the PDF's column heading
    int pdfTextX; // x of the PDF's cell text
};

// The table's headings keep the context they have always been translated in.
inline constexpr std::array ALERT_FIELDS = {
    AlertFieldInfo { AlertColumn::Id, AlertFieldKind::Text, "id", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::Time, AlertFieldKind::Text, "time",
        QT_TRANSLATE_NOOP("EventTableModel", "Happen Time"), 140, 5500, 5300 },
    AlertFieldInfo { AlertColumn::Level, AlertFieldKind::Number, "level",
        QT_TRANSLATE_NOOP("EventTableModel", "Alert Level"), 130, 2950, 3100 },
    AlertFieldInfo { AlertColumn::Rule, AlertFieldKind::Number, "rule", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::Description, AlertFieldKind::Text, "description", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::Title, AlertFieldKind::Text, "title",
        QT_TRANSLATE_NOOP("EventTableModel", "Event Title"), 180, 650, 300 },
    AlertFieldInfo { AlertColumn::Location, AlertFieldKind::Text, "location",
        QT_TRANSLATE_NOOP("EventTableModel", "Source"), 170, 3800, 3600 },
    AlertFieldInfo { AlertColumn::SourceIp, AlertFieldKind::Text, "source_ip", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::SourcePort, AlertFieldKind::Number, "source_port", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::TargetIp, AlertFieldKind::Text, "target_ip", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::TargetPort, AlertFieldKind::Number, "target_port", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::User, AlertFieldKind::Text, "user", nullptr, 0, 0, 0 },
    AlertFieldInfo { AlertColumn::RawLines, AlertFieldKind::Lines, "raw", nullptr, 0, 0, 0 },
};

// Title, level, source and time, as the event table and the PDF list them.
inline constexpr std::array EVENT_TABLE_FIELDS
    = { AlertColumn::Title, AlertColumn::Level, AlertColumn::Location, AlertColumn::Time };

const AlertFieldInfo &alertFieldInfo(AlertColumn field);
// The translated column heading ("Event Title", "Alert Level", ...).
QString alertFieldHeading(AlertColumn field);

// The rule title and the time as the alarm log, the event table and the
// rankings show them: made safe to show (see alertTextForDisplay); the time
// in the slash form, or as recorded when it cannot be read.
QString ruleTitleShown(const std::string &comment, const Translation *translation);
QString alertTimeShown(const std::string &date);

// The rule description in the user's language: the detection services'
// catalogue, or the description itself when it has none (or without a
// catalogue). As bytes, for writers that mend invalid UTF-8 themselves.
std::string ruleTitleBytes(const std::string &comment, const Translation *translation);

// What a table cell shows: texts made safe to show (see alertTextForDisplay),
// the time in the slash form of the alert lists.
QString alertFieldShown(const loginfo &alert, AlertColumn field, const Translation &translation);

// The field as an export writes it: the recorded bytes of a text, a number in
// decimal, or nothing when the value is unknown (an unreadable date, no
// port). title is ruleTitleBytes() of the alert, which exports look up once per
// description; buffer holds what is made here. Not for RawLines.
std::string_view alertFieldValue(
    const loginfo &alert, AlertColumn field, const std::string &title, std::string &buffer);

// Calls line(std::string_view) for each raw log line of the alert, in order.
template<typename LineFunction> void forEachRawLine(const loginfo &alert, LineFunction line)
{
    if (alert.firstLog.empty() && alert.otherLogs.empty())
        return;
    line(std::string_view(alert.firstLog));
    const std::string &rest = alert.otherLogs;
    // Further lines that are all empty are the block's separator line, which
    // the reader keeps only then: trailing empty lines are never content.
    if (rest.find_first_not_of('\n') == std::string::npos)
        return;
    size_t start = 0;
    for (;;) {
        const size_t end = rest.find('\n', start);
        if (end == std::string::npos) {
            line(std::string_view(rest).substr(start));
            return;
        }
        line(std::string_view(rest).substr(start, end - start));
        start = end + 1;
    }
}

// The time of the alert as ISO 8601 with the local offset
// ("2024-03-05T10:11:12+08:00"), empty when its date could not be read.
std::string alertIsoTime(int64_t timeNs);

#endif
