#include "alertengine/alertlogscan.h"

#include "alertengine/alertblockparser.h"
#include "alertengine/alertclock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace {

const int MIN_SHOWN_LEVEL = 12;
// Small enough that what a read copies in is still in the cache when it is cut.
const size_t READ_SIZE = size_t(1) << 17;
// Once this much is read, the list is reserved for the whole file at the rate
// of kept alerts seen so far: no regrowth of a list of a million alerts.
const int64_t ESTIMATE_AFTER = int64_t(4) << 20;

// Lines of a descriptor, cut as the reader's fgets cuts them, from a buffer
// refilled by large reads.
class LineCutter
{
public:
    // Reads at most maxBytes; finding more is an error (EFBIG).
    LineCutter(int fd, int64_t maxBytes)
        : m_fd(fd)
        , m_maxBytes(maxBytes)
        , m_buffer(READ_SIZE)
    {
    }

    // The next line, with its line feed when that lies within the kept part;
    // false at the end of the data.
    bool next(const char *&line, size_t &length)
    {
        if (m_skipPending)
            skipRemainder();
        for (;;) {
            const size_t available = m_end - m_begin;
            const char *start = m_buffer.data() + m_begin;
            const char *feed
                = static_cast<const char *>(memchr(start, '\n', std::min(available, alertblock::LINE_KEPT)));
            if (feed || available >= alertblock::LINE_KEPT || (m_eof && available > 0)) {
                length = feed ? size_t(feed - start) + 1 : std::min(available, alertblock::LINE_KEPT);
                m_skipPending = !feed && available >= alertblock::LINE_KEPT;
                m_lineStart = m_begin;
                m_begin += length;
                line = start;
                return true;
            }
            if (m_eof)
                return false;
            fill();
        }
    }

    // The line next() returned comes again on the following call.
    void putBack()
    {
        m_begin = m_lineStart;
        m_skipPending = false;
    }

    bool atEnd()
    {
        if (m_skipPending)
            skipRemainder();
        while (m_begin == m_end) {
            if (m_eof)
                return true;
            fill();
        }
        return false;
    }

    // Bytes consumed, the skipped rest of an overlong line included once
    // atEnd() or next() has run.
    int64_t offset() const { return m_base + int64_t(m_begin); }
    // Everything read from the descriptor so far, and its last byte.
    int64_t bytesRead() const { return m_base + int64_t(m_end); }
    char lastByte() const { return m_lastByte; }
    int error() const { return m_error; }

private:
    // Keeps the unread part and reads behind it; at the end (or on an error)
    // only marks the end.
    void fill()
    {
        if (m_begin > 0) {
            memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
            m_base += int64_t(m_begin);
            m_end -= m_begin;
            m_begin = 0;
        }
        // One byte past the cap is enough to know the file is too large.
        const int64_t allowed = m_maxBytes + 1 - (m_base + int64_t(m_end));
        const size_t wanted = size_t(std::min<int64_t>(int64_t(m_buffer.size() - m_end), allowed));
        for (;;) {
            const ssize_t count = read(m_fd, m_buffer.data() + m_end, wanted);
            if (count > 0) {
                m_end += size_t(count);
                m_lastByte = m_buffer[m_end - 1];
                if (m_base + int64_t(m_end) > m_maxBytes) {
                    m_error = EFBIG;
                    m_eof = true;
                }
                return;
            }
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                m_error = errno;
            m_eof = true;
            return;
        }
    }

    // The rest of a line longer than the kept part is attacker-written text:
    // it is dropped up to and with its line feed.
    void skipRemainder()
    {
        m_skipPending = false;
        for (;;) {
            const void *feed = memchr(m_buffer.data() + m_begin, '\n', m_end - m_begin);
            if (feed) {
                m_begin = size_t(static_cast<const char *>(feed) - m_buffer.data()) + 1;
                return;
            }
            m_begin = m_end;
            if (m_eof)
                return;
            fill();
        }
    }

    int m_fd;
    int64_t m_maxBytes;
    std::vector<char> m_buffer;
    size_t m_begin = 0;
    size_t m_end = 0;
    size_t m_lineStart = 0;
    int64_t m_base = 0; // file offset of m_buffer[0]
    bool m_eof = false;
    bool m_skipPending = false;
    int m_error = 0;
    char m_lastByte = 0;
};

// One block's fields in buffers kept from block to block, so that a block
// costs no allocation until it is kept, and a kept one exactly one per text.
struct ScratchFields
{
    int32_t rule = 0;
    int32_t level = 0;
    int32_t srcPort = 0;
    int32_t dstPort = 0;
    std::string alertId, date, location, comment, srcIp, dstIp, user, firstLog;
    std::string otherLines; // second and later raw lines, each with a line feed
    size_t rawLines = 0;

    void clear()
    {
        rule = level = srcPort = dstPort = 0;
        for (std::string *text :
            { &alertId, &date, &location, &comment, &srcIp, &dstIp, &user, &firstLog, &otherLines })
            text->clear();
        rawLines = 0;
    }

    void setAlertId(const char *text, size_t length) { alertId.assign(text, length); }
    void setDate(const char *text, size_t length) { date.assign(text, length); }
    void setLocation(const char *text, size_t length) { location.assign(text, length); }
    void setSrcIp(const char *text, size_t length) { srcIp.assign(text, length); }
    void setDstIp(const char *text, size_t length) { dstIp.assign(text, length); }
    void setUser(const char *text, size_t length) { user.assign(text, length); }
    void setSrcPort(int32_t port) { srcPort = port; }
    void setDstPort(int32_t port) { dstPort = port; }
    void setRule(int32_t ruleNumber, int32_t ruleLevel, const char *text, size_t length)
    {
        rule = ruleNumber;
        level = ruleLevel;
        comment.assign(text, length);
    }
    bool addRawLine(const char *text, size_t length)
    {
        if (rawLines++ == 0) {
            firstLog.assign(text, length);
        } else {
            otherLines.append(text, length);
            otherLines += '\n';
        }
        return true;
    }

    // Copies, not moves: a copied string is allocated at its exact size, and
    // the scratch buffers stay for the next block.
    loginfo toLoginfo(AlertClock &clock) const
    {
        // Trailing line feeds go, unless there is nothing else.
        size_t otherLength = otherLines.find_last_not_of('\n');
        otherLength = otherLength == std::string::npos ? otherLines.size() : otherLength + 1;
        return loginfo { rule, level, alertId, date, location, comment, std::string(), srcIp, srcPort, dstIp,
            dstPort, user, firstLog, std::string(otherLines, 0, otherLength), clock.toNs(date, 0) };
    }
};

} // namespace

int scanAlertLog(int fd, const std::string &name, std::vector<loginfo> &list, int64_t maxBytes)
{
    struct stat status;
    const int64_t fileSize = fstat(fd, &status) == 0 ? int64_t(status.st_size) : 0;
    int skipped = 0;
    return scanAlertLog(fd, name, list, maxBytes, fileSize, skipped);
}

int scanAlertLog(int fd, const std::string &name, std::vector<loginfo> &list, int64_t maxBytes,
    int64_t fileSize, int &skipped)
{
    skipped = 0;
    const size_t before = list.size();
    bool reserved = false;

    LineCutter lines(fd, maxBytes);
    ScratchFields fields;
    AlertClock clock;
    const char *line;
    size_t length;
    while (!lines.atEnd()) {
        fields.clear();
        alertblock::Parser<ScratchFields> parser(fields);
        alertblock::Line outcome = alertblock::Line::Taken;
        while (outcome == alertblock::Line::Taken && lines.next(line, length))
            outcome = parser.take(line, alertblock::textLength(line, length));

        bool complete = false;
        if (outcome == alertblock::Line::EndsBlock) {
            lines.putBack(); // the header opens the next block
            complete = true;
        } else if (outcome == alertblock::Line::FailsBlock) {
            // A bad block costs only itself, not every (newer) alert after it;
            // it is counted, so the user learns that alerts are missing. One
            // that fails on its last line may still be being written.
            if (!lines.atEnd()) {
                ++skipped;
                std::cerr << "Skipped a malformed alert block in " << name << " (near byte " << lines.offset()
                          << ")" << std::endl;
            }
        } else {
            complete = parser.complete();
        }
        if (complete && fields.level >= MIN_SHOWN_LEVEL)
            list.push_back(fields.toLoginfo(clock));

        if (!reserved && lines.offset() >= ESTIMATE_AFTER) {
            reserved = true;
            const double rate = double(list.size() - before) / double(lines.offset());
            if (fileSize > lines.offset())
                list.reserve(list.size() + size_t(rate * double(fileSize - lines.offset()) * 1.1) + 16);
        }
    }

    // A file cut shorter while it was read, or ending in the NUL bytes a
    // writer that died leaves behind, lost alerts: the list would look complete.
    std::string failure;
    int result = ALERT_SNAPSHOT_UNREADABLE;
    if (lines.error() != 0) {
        failure = strerror(lines.error());
    } else if (lines.bytesRead() < fileSize) {
        failure = "it was cut to " + std::to_string(lines.bytesRead()) + " of " + std::to_string(fileSize)
            + " bytes while being read";
        result = ALERT_SNAPSHOT_CUT_SHORT;
    } else if (lines.bytesRead() > 0 && lines.lastByte() == '\0') {
        failure = "it ends in NUL bytes, cut off while being written";
        result = ALERT_SNAPSHOT_CUT_SHORT;
    }
    if (!failure.empty()) {
        std::cerr << "Alert snapshot " << name << " not read: " << failure << std::endl;
        list.resize(before);
        skipped = 0;
        return result;
    }
    return 0;
}
