#include "reportdata/alertexport.h"

#include "reportdata/alertfields.h"
#include "reportdata/exporttarget.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace {

const char REPLACEMENT[] = "\xEF\xBF\xBD"; // U+FFFD
const size_t CHUNK_BYTES = 1 << 20;
const size_t TITLE_CACHE_MAX = 4096;

// The length of the UTF-8 sequence at p (at most left bytes) and its code
// point; a sequence that is not valid UTF-8 gives false and the length of
// its longest valid beginning (at least 1), which becomes one U+FFFD, as
// Unicode recommends and Python and Qt decode it.
bool decodeUtf8(const unsigned char *p, size_t left, size_t *length, char32_t *code)
{
    const unsigned char lead = p[0];
    size_t need;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        *code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        *code = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        *code = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        *length = 1;
        return false;
    }
    for (size_t i = 1; i <= need; ++i) {
        if (i >= left || p[i] < low || p[i] > high) {
            *length = i;
            return false;
        }
        *code = (*code << 6) | (p[i] & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    *length = need + 1;
    return true;
}

// Bytes a writer must look at: its own ASCII specials and every byte of a
// multi-byte sequence, which is checked as UTF-8.
using ByteSet = std::array<bool, 256>;

ByteSet byteSet(bool (*isSpecial)(unsigned char))
{
    ByteSet set {};
    for (int c = 0; c < 256; ++c)
        set[size_t(c)] = c >= 0x80 || isSpecial(static_cast<unsigned char>(c));
    return set;
}

// Appends text as valid UTF-8, copying runs of plain bytes at once. Bytes in
// stops below 0x80, and code points for which specialCode(code) holds, are
// written by write(out, code); invalid UTF-8 becomes U+FFFD.
template<typename SpecialCode, typename Write>
void appendText(
    std::string &out, std::string_view text, const ByteSet &stops, SpecialCode specialCode, Write write)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const size_t size = text.size();
    size_t run = 0;
    size_t i = 0;
    for (;;) {
        while (i < size && !stops[p[i]])
            ++i;
        if (i == size)
            break;
        const unsigned char c = p[i];
        if (c < 0x80) {
            out.append(text.data() + run, i - run);
            write(out, char32_t(c));
            run = ++i;
            continue;
        }
        size_t length;
        char32_t code;
        const bool valid = decodeUtf8(p + i, size - i, &length, &code);
        if (!valid || specialCode(code)) {
            out.append(text.data() + run, i - run);
            if (valid)
                write(out, code);
            else
                out += REPLACEMENT;
            run = i + length;
        }
        i += length;
    }
    out.append(text.data() + run, size - run);
}

void appendCsvCell(std::string &out, std::string_view value, bool fromAlert)
{
    static const ByteSet quotes = byteSet([](unsigned char c) { return c == '"'; });
    // A spreadsheet program runs a cell that begins like this as a formula.
    const bool formula = fromAlert && !value.empty() && value[0] != '\0' && std::strchr("=+-@\t\r", value[0]);
    const bool quoted = std::any_of(
        value.begin(), value.end(), [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
    if (quoted)
        out += '"';
    if (formula)
        out += '\'';
    appendText(
        out, value, quotes, [](char32_t) { return false; },
        [](std::string &text, char32_t) { text += "\"\""; });
    if (quoted)
        out += '"';
}

bool jsonEscaped(char32_t code)
{
    return code < 0x20 || code == '"' || code == '\\' || (code >= 0x7F && code <= 0x9F) || code == 0x061C
        || code == 0x200E || code == 0x200F || code == 0x2028 || code == 0x2029
        || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void appendJsonString(std::string &out, std::string_view value)
{
    static const ByteSet stops = byteSet([](unsigned char c) { return jsonEscaped(c); });
    out += '"';
    appendText(out, value, stops, jsonEscaped, [](std::string &text, char32_t code) {
        switch (code) {
        case '"':
            text += "\\\"";
            break;
        case '\\':
            text += "\\\\";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\t':
            text += "\\t";
            break;
        default: {
            static const char hex[] = "0123456789abcdef";
            const char escape[] = { '\\', 'u', hex[(code >> 12) & 15], hex[(code >> 8) & 15],
                hex[(code >> 4) & 15], hex[code & 15] };
            text.append(escape, sizeof escape);
        }
        }
    });
    out += '"';
}

void appendCsvAlert(std::string &out, const loginfo &alert, const std::string &title)
{
    // Reused from alert to alert: a million alerts, not a million allocations.
    thread_local std::string buffer;
    thread_local std::string lines;
    for (const AlertFieldInfo &info : ALERT_FIELDS) {
        if (info.field != ALERT_FIELDS.front().field)
            out += ',';
        if (info.kind == AlertFieldKind::Lines) {
            lines.clear();
            bool first = true;
            forEachRawLine(alert, [&](std::string_view line) {
                if (!first)
                    lines += '\n';
                lines.append(line.data(), line.size());
                first = false;
            });
            appendCsvCell(out, lines, true);
        } else {
            appendCsvCell(out, alertFieldValue(alert, info.field, title, buffer),
                info.kind == AlertFieldKind::Text && info.field != AlertColumn::Time);
        }
    }
    out += "\r\n";
}

void appendJsonAlert(std::string &out, const loginfo &alert, const std::string &title)
{
    thread_local std::string buffer;
    out += '{';
    for (const AlertFieldInfo &info : ALERT_FIELDS) {
        if (info.field != ALERT_FIELDS.front().field)
            out += ',';
        out += '"';
        out += info.key;
        out += "\":";
        if (info.kind == AlertFieldKind::Lines) {
            out += '[';
            bool first = true;
            forEachRawLine(alert, [&](std::string_view line) {
                if (!first)
                    out += ',';
                appendJsonString(out, line);
                first = false;
            });
            out += ']';
            continue;
        }
        const std::string_view value = alertFieldValue(alert, info.field, title, buffer);
        if (value.empty() && (info.kind == AlertFieldKind::Number || info.field == AlertColumn::Time))
            out += "null"; // not known, which is not 0
        else if (info.kind == AlertFieldKind::Number)
            out.append(value.data(), value.size());
        else
            appendJsonString(out, value);
    }
    out += "}\n";
}

// Streams the alerts through an ExportFile, a chunk at a time, so memory
// stays that of one chunk whatever the number of alerts.
template<typename AppendAlert>
bool writeAlerts(const QString &path, AlertSpan alerts, const Translation &translation,
    ExportProgress *progress, QString *error, std::string chunk, AppendAlert appendAlert)
{
    ExportFile file;
    if (!file.open(path, error))
        return false;
    const auto flush = [&file, &chunk, error]() {
        if (file.device()->write(chunk.data(), qint64(chunk.size())) != qint64(chunk.size())) {
            *error = file.writeError();
            return false;
        }
        chunk.clear();
        return true;
    };
    chunk.reserve(CHUNK_BYTES + 64 * 1024);
    // Few distinct descriptions: each is looked up once.
    std::unordered_map<std::string, std::string> titles;
    for (size_t i = 0; i < alerts.size(); ++i) {
        if (progress && i % 1024 == 0) {
            progress->written.store(qint64(i), std::memory_order_relaxed);
            if (progress->cancelled.load(std::memory_order_relaxed)) {
                *error = ExportFile::cancelledError();
                return false;
            }
        }
        const loginfo &alert = alerts[i];
        auto title = titles.find(alert.comment);
        if (title == titles.end()) {
            if (titles.size() >= TITLE_CACHE_MAX)
                titles.clear();
            title = titles.emplace(alert.comment, ruleTitleBytes(alert.comment, &translation)).first;
        }
        appendAlert(chunk, alert, title->second);
        if (chunk.size() >= CHUNK_BYTES && !flush())
            return false;
    }
    if (!flush())
        return false;
    if (progress && progress->cancelled.load()) {
        *error = ExportFile::cancelledError();
        return false;
    }
    if (!file.commit(error))
        return false;
    if (progress)
        progress->written.store(qint64(alerts.size()));
    return true;
}

} // namespace

bool formatFromName(const QString &name, ExportFormat *format)
{
    const QString lower = name.toLower();
    if (lower == "pdf")
        *format = ExportFormat::Pdf;
    else if (lower == "csv")
        *format = ExportFormat::Csv;
    else if (lower == "jsonl")
        *format = ExportFormat::JsonLines;
    else
        return false;
    return true;
}

bool formatFromSuffix(const QString &path, ExportFormat *format)
{
    const QString suffix = QFileInfo(path).suffix();
    return !suffix.isEmpty() && formatFromName(suffix, format);
}

bool writeAlertsCsv(const QString &path, AlertSpan alerts, const Translation &translation,
    ExportProgress *progress, QString *error)
{
    // The byte-order mark lets spreadsheet programs read the file as UTF-8.
    std::string heading = "\xEF\xBB\xBF";
    for (const AlertFieldInfo &info : ALERT_FIELDS) {
        if (info.field != ALERT_FIELDS.front().field)
            heading += ',';
        heading += info.key;
    }
    heading += "\r\n";
    return writeAlerts(path, alerts, translation, progress, error, heading, appendCsvAlert);
}

bool writeAlertsJsonLines(const QString &path, AlertSpan alerts, const Translation &translation,
    ExportProgress *progress, QString *error)
{
    return writeAlerts(path, alerts, translation, progress, error, std::string(), appendJsonAlert);
}
