#ifndef ALERTENGINE_ALERTBLOCKPARSER_H
#define ALERTENGINE_ALERTBLOCKPARSER_H

// The grammar of an alert block, line by line, for the two ways the engine
// reads a log: the record reader (one fgets line at a time into heap records)
// and the snapshot scanner (large blocks straight into loginfo). Both cut the
// lines and hand them here, so they cannot drift apart. Internal to the engine.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace alertblock {

// A line holds at most this many bytes, its line feed included; the rest of a
// longer physical line is skipped, never read as a line of its own (it is
// attacker-written text and must not pose as a Rule or address line).
const size_t LINE_KEPT = 65535;
const size_t MAX_RAW_LINES = 100;

// The part of a kept line that counts: up to its first NUL byte (the reader
// has always seen lines as C strings), otherwise without its final line feed
// and a carriage return before it.
inline size_t textLength(const char *line, size_t length)
{
    if (const void *nul = memchr(line, '\0', length))
        return size_t(static_cast<const char *>(nul) - line);
    if (length > 0 && line[length - 1] == '\n') {
        --length;
        if (length > 0 && line[length - 1] == '\r')
            --length;
    }
    return length;
}

// strtol in base 10 within [text, end): blanks skipped, optional sign,
// saturating on overflow; *stop is text when there are no digits.
inline long readDecimal(const char *text, const char *end, const char **stop)
{
    const char *p = text;
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '+' || *p == '-'))
        ++p;
    if (p == end || *p < '0' || *p > '9') {
        *stop = text;
        return 0;
    }
    const unsigned long limit = negative ? 0UL - (unsigned long)LONG_MIN : (unsigned long)LONG_MAX;
    unsigned long value = 0;
    bool overflow = false;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        const unsigned long digit = (unsigned long)(*p - '0');
        if (overflow || value > (limit - digit) / 10)
            overflow = true;
        else
            value = value * 10 + digit;
    }
    *stop = p;
    if (overflow)
        return negative ? LONG_MIN : LONG_MAX;
    return negative ? (long)(0UL - value) : (long)value;
}

inline int32_t readNumber(const char *text, const char *end)
{
    const char *stop;
    return static_cast<int32_t>(readDecimal(text, end, &stop));
}

inline const char *find(const char *from, const char *end, char c)
{
    return from < end ? static_cast<const char *>(memchr(from, c, size_t(end - from))) : nullptr;
}

template<size_t N> bool startsWith(const char *text, size_t length, const char (&prefix)[N])
{
    return length >= N - 1 && memcmp(text, prefix, N - 1) == 0;
}

enum class Line {
    Taken, // part of the current block (or skipped before it)
    EndsBlock, // a header closing the block: the caller reads it again for the next one
    FailsBlock, // the block is malformed; the line stays consumed
};

// One block. Fields receives what the lines hold:
//   setAlertId, setDate, setLocation, setSrcIp, setDstIp, setUser (const char *, size_t)
//   setRule(int32_t rule, int32_t level, const char *comment, size_t)
//   setSrcPort, setDstPort (int32_t)
//   bool addRawLine(const char *, size_t)   false when the line could not be kept
// A repeated field replaces the earlier value.
template<class Fields> class Parser
{
public:
    explicit Parser(Fields &fields)
        : m_fields(fields)
    {
    }

    // text: a line as textLength gives it.
    Line take(const char *text, size_t length)
    {
        const char *end = text + length;
        if (startsWith(text, length, "** Alert")) {
            if (m_state == InsideBlock)
                return Line::EndsBlock;
            // The id runs from after "** Alert" and one more character to the colon.
            const char *colon = length > ID_OFFSET ? find(text + ID_OFFSET, end, ':') : nullptr;
            if (colon) {
                m_fields.setAlertId(text + ID_OFFSET, size_t(colon - text - ID_OFFSET));
                m_state = HeaderRead;
            }
            return Line::Taken;
        }
        if (m_state == LookingForHeader)
            return Line::Taken;

        if (m_state == HeaderRead) {
            // "<date> <time>:<seconds> <location>": the date ends at the first
            // blank after the first colon.
            const char *colon = find(text, end, ':');
            if (!colon) {
                perror("Date or location already set");
                return Line::FailsBlock;
            }
            const char *blank = find(colon, end, ' ');
            if (!blank) {
                perror("Invalid date or location");
                return Line::FailsBlock;
            }
            m_fields.setDate(text, size_t(blank - text));
            m_fields.setLocation(blank + 1, size_t(end - blank - 1));
            m_rawLines = 0;
            m_state = InsideBlock;
            return Line::Taken;
        }

        m_lastLineEmpty = length == 0;
        if (startsWith(text, length, "Rule: ")) {
            if (!takeRule(text + 6, end))
                return Line::FailsBlock;
        } else if (startsWith(text, length, "Src IP: ")) {
            m_fields.setSrcIp(text + 8, length - 8);
        } else if (startsWith(text, length, "Src Port: ")) {
            m_fields.setSrcPort(readNumber(text + 10, end));
        } else if (startsWith(text, length, "Dst IP: ")) {
            m_fields.setDstIp(text + 8, length - 8);
        } else if (startsWith(text, length, "Dst Port: ")) {
            m_fields.setDstPort(readNumber(text + 10, end));
        } else if (startsWith(text, length, "User: ")) {
            m_fields.setUser(text + 6, length - 6);
        } else if (m_rawLines < MAX_RAW_LINES) {
            if (m_fields.addRawLine(text, length))
                ++m_rawLines;
        }
        return Line::Taken;
    }

    // At the end of the data: the last block of a log counts only once its
    // empty separator line is there; anything else is still being written.
    bool complete() const { return m_state == InsideBlock && m_lastLineEmpty; }

private:
    static constexpr size_t ID_OFFSET = 9;

    // "5715 (level 3) -> 'text'": the level follows the second blank after
    // the rule number; the text runs to the last apostrophe of the line.
    bool takeRule(const char *text, const char *end)
    {
        const char *ruleEnd;
        const long rule = readDecimal(text, end, &ruleEnd);
        const char *firstBlank = find(ruleEnd, end, ' ');
        const char *secondBlank = firstBlank ? find(firstBlank + 1, end, ' ') : nullptr;
        if (!secondBlank)
            return false;
        const char *levelEnd;
        const long level = readDecimal(secondBlank + 1, end, &levelEnd);
        const char *open = find(levelEnd, end, '\'');
        if (!open)
            return false;
        const char *comment = open + 1;
        const void *close = comment < end ? memrchr(comment, '\'', size_t(end - comment)) : nullptr;
        if (!close)
            return false;
        m_fields.setRule(static_cast<int32_t>(rule), static_cast<int32_t>(level), comment,
            size_t(static_cast<const char *>(close) - comment));
        return true;
    }

    enum State { LookingForHeader, HeaderRead, InsideBlock };

    Fields &m_fields;
    State m_state = LookingForHeader;
    size_t m_rawLines = 0;
    bool m_lastLineEmpty = false;
};

} // namespace alertblock

#endif
