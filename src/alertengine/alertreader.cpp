#include "alertengine/alertreader.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>

namespace {

const char HEADER_PREFIX[] = "** Alert";
const size_t HEADER_PREFIX_LEN = sizeof(HEADER_PREFIX) - 1;
// The id starts after "** Alert" and one more character, normally a blank.
const size_t HEADER_ID_OFFSET = HEADER_PREFIX_LEN + 1;

const char *const MONTHS[12] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

enum ReaderState { LookingForHeader, HeaderRead, InsideBlock };

void reportNoMemory()
{
    int err = errno;
    fprintf(stderr, "(1102): Could not acquire memory due to [(%d)-(%s)].", err, strerror(err));
}

char *copyText(const char *text, size_t length)
{
    char *copy = static_cast<char *>(malloc(length + 1));
    if (!copy) {
        reportNoMemory();
        return NULL;
    }
    memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

void replaceText(char **field, const char *text, size_t length)
{
    free(*field);
    *field = copyText(text, length);
}

// Cuts the line end off and returns the remaining length. A CR before the
// final LF belongs to the line end too, so files written on other systems
// read the same.
size_t chopLineEnd(char *line, size_t length)
{
    if (length > 0 && line[length - 1] == '\n') {
        line[--length] = '\0';
        if (length > 0 && line[length - 1] == '\r')
            line[--length] = '\0';
    }
    return length;
}

bool startsWith(const char *line, size_t length, const char *prefix, size_t prefixLength)
{
    return length >= prefixLength && memcmp(line, prefix, prefixLength) == 0;
}

#define STARTS_WITH(line, length, literal) startsWith(line, length, literal, sizeof(literal) - 1)

// strtol in base 10 (blanks skipped, optional sign, saturating on overflow),
// without its locale lookups: five numbers a block add up on large logs.
long readDecimal(const char *text, const char **end)
{
    const char *p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    if (*p < '0' || *p > '9') {
        *end = text;
        return 0;
    }
    const unsigned long limit = negative ? 0UL - (unsigned long)LONG_MIN : (unsigned long)LONG_MAX;
    unsigned long value = 0;
    bool overflow = false;
    for (; *p >= '0' && *p <= '9'; ++p) {
        unsigned long digit = (unsigned long)(*p - '0');
        if (overflow || value > (limit - digit) / 10)
            overflow = true;
        else
            value = value * 10 + digit;
    }
    *end = p;
    if (overflow)
        return negative ? LONG_MIN : LONG_MAX;
    return negative ? (long)(0UL - value) : (long)value;
}

int32_t readNumber(const char *text)
{
    const char *end;
    return static_cast<int32_t>(readDecimal(text, &end));
}

// "Rule: 5715 (level 3) -> 'text'" -> rule, level and the text between the
// first apostrophe after the level and the last one of the line.
bool parseRuleLine(AlertRecord *record, const char *line)
{
    const char *numberEnd = NULL;
    long rule = readDecimal(line + 6, &numberEnd);
    const char *firstBlank = strchr(numberEnd, ' ');
    if (!firstBlank)
        return false;
    const char *secondBlank = strchr(firstBlank + 1, ' ');
    if (!secondBlank)
        return false;
    const char *levelEnd = NULL;
    long level = readDecimal(secondBlank + 1, &levelEnd);
    const char *open = strchr(levelEnd, '\'');
    if (!open)
        return false;
    const char *text = open + 1;
    const char *close = strrchr(text, '\'');
    if (!close)
        return false;
    record->rule = static_cast<int32_t>(rule);
    record->level = static_cast<int32_t>(level);
    replaceText(&record->comment, text, static_cast<size_t>(close - text));
    return true;
}

// The array grows in powers of two (plus the null end), not line by line.
bool appendRawLine(AlertRecord *record, size_t count, const char *line, size_t length)
{
    if (count == 0 || (count >= 4 && (count & (count - 1)) == 0)) {
        size_t capacity = count == 0 ? 4 : count * 2;
        char **grown = static_cast<char **>(realloc(record->log, (capacity + 1) * sizeof(char *)));
        if (!grown) {
            reportNoMemory();
            return false;
        }
        record->log = grown;
        grown[count] = NULL;
    }
    char *copy = copyText(line, length);
    if (!copy)
        return false;
    record->log[count] = copy;
    record->log[count + 1] = NULL;
    return true;
}

AlertRecord *failBlock(AlertRecord *record, FILE *stream)
{
    freeAlertRecord(record);
    clearerr(stream);
    return NULL;
}

void pause1ms()
{
    struct timeval tv = { 0, 1000 };
    select(0, NULL, NULL, NULL, &tv);
}

void takeQueueDate(AlertFileQueue *queue, const struct tm *t)
{
    queue->day = t->tm_mday;
    queue->year = t->tm_year + 1900;
    const char *month = (t->tm_mon >= 0 && t->tm_mon < 12) ? MONTHS[t->tm_mon] : "";
    snprintf(queue->month, sizeof(queue->month), "%s", month);
}

void closeQueueStream(AlertFileQueue *queue)
{
    fclose(queue->stream);
    queue->stream = NULL;
}

} // namespace

AlertRecord *readAlertBlock(FILE *stream)
{
    AlertRecord *record = static_cast<AlertRecord *>(calloc(1, sizeof(AlertRecord)));
    if (!record)
        return NULL;

    static thread_local char line[ALERT_LINE_MAX + 1];
    ReaderState state = LookingForHeader;
    size_t rawLines = 0;
    bool lastLineEmpty = false;

    // Where the current line starts, so that a closing header can be handed
    // back exactly. Counted from the line lengths; a line that holds a NUL
    // byte hides its length, and only then the stream is asked.
    long position = ftell(stream);
    for (;;) {
        long lineStart = position;
        if (!fgets(line, ALERT_LINE_MAX, stream))
            break;
        size_t length = strlen(line);
        bool lengthKnown = (length > 0 && line[length - 1] == '\n') || length == ALERT_LINE_MAX - 1;
        position = lengthKnown && position >= 0 ? position + long(length) : ftell(stream);

        if (STARTS_WITH(line, length, HEADER_PREFIX)) {
            if (state == InsideBlock) {
                if (lineStart < 0 || fseek(stream, lineStart, SEEK_SET) != 0)
                    return failBlock(record, stream);
                return record;
            }
            const char *colon = length > HEADER_ID_OFFSET ? strchr(line + HEADER_ID_OFFSET, ':') : NULL;
            if (colon) {
                replaceText(&record->alertId, line + HEADER_ID_OFFSET,
                            static_cast<size_t>(colon - (line + HEADER_ID_OFFSET)));
                state = HeaderRead;
            }
            continue;
        }

        if (state == LookingForHeader)
            continue;

        length = chopLineEnd(line, length);

        if (state == HeaderRead) {
            const char *colon = strchr(line, ':');
            if (!colon) {
                perror("Date or location already set");
                return failBlock(record, stream);
            }
            const char *blank = strchr(colon, ' ');
            if (!blank) {
                perror("Invalid date or location");
                return failBlock(record, stream);
            }
            record->date = copyText(line, static_cast<size_t>(blank - line));
            record->location = copyText(blank + 1, length - static_cast<size_t>(blank + 1 - line));
            rawLines = 0;
            state = InsideBlock;
            continue;
        }

        lastLineEmpty = length == 0;
        if (STARTS_WITH(line, length, "Rule: ")) {
            if (!parseRuleLine(record, line))
                return failBlock(record, stream);
        } else if (STARTS_WITH(line, length, "Src IP: ")) {
            replaceText(&record->srcIp, line + 8, length - 8);
        } else if (STARTS_WITH(line, length, "Src Port: ")) {
            record->srcPort = readNumber(line + 10);
        } else if (STARTS_WITH(line, length, "Dst IP: ")) {
            replaceText(&record->dstIp, line + 8, length - 8);
        } else if (STARTS_WITH(line, length, "Dst Port: ")) {
            record->dstPort = readNumber(line + 10);
        } else if (STARTS_WITH(line, length, "User: ")) {
            replaceText(&record->user, line + 6, length - 6);
        } else if (rawLines < ALERT_MAX_RAW_LINES) {
            if (appendRawLine(record, rawLines, line, length))
                ++rawLines;
        }
    }

    // The last block of a file counts only once its empty separator line is
    // there; anything else is a block still being written or a read error.
    if (ferror(stream) || !feof(stream) || state != InsideBlock || !lastLineEmpty)
        return failBlock(record, stream);
    return record;
}

void freeAlertRecord(AlertRecord *record)
{
    if (!record)
        return;
    free(record->alertId);
    free(record->date);
    free(record->location);
    free(record->comment);
    free(record->group);
    free(record->srcIp);
    free(record->dstIp);
    free(record->user);
    if (record->log) {
        for (char **line = record->log; *line; ++line)
            free(*line);
        free(record->log);
    }
    free(record);
}

void setAlertQueueFileName(AlertFileQueue *queue)
{
    const char *name = (queue->flags & ALERT_QUEUE_STREAM) ? ALERT_QUEUE_STDIN_NAME : ALERT_QUEUE_DEFAULT_FILE;
    snprintf(queue->fileName, sizeof(queue->fileName), "%s", name);
}

int openAlertQueue(AlertFileQueue *queue, int flags)
{
    if (!(flags & ALERT_QUEUE_STREAM)) {
        if (queue->stream)
            closeQueueStream(queue);
        queue->stream = fopen(queue->fileName, "r");
        if (!queue->stream)
            return 0;
    } else if (!(flags & ALERT_QUEUE_READ_ALL) && !queue->stream) {
        return 0;
    }

    if (!(flags & ALERT_QUEUE_READ_ALL) && fseek(queue->stream, 0, SEEK_END) < 0) {
        int err = errno;
        printf("Seek error: %s %d %s\n", queue->fileName, err, strerror(err));
        closeQueueStream(queue);
        return -1;
    }

    if (queue->stream && fstat(fileno(queue->stream), &queue->fileStatus) < 0) {
        int err = errno;
        printf("Stat error: %s %d %s\n", queue->fileName, err, strerror(err));
        closeQueueStream(queue);
        return -1;
    }

    queue->lastChange = queue->fileStatus.st_mtime;
    return 1;
}

int initAlertQueue(AlertFileQueue *queue, const struct tm *t, int flags)
{
    // With ALERT_QUEUE_STREAM the caller has put an open stream there already.
    if (!(flags & ALERT_QUEUE_STREAM))
        queue->stream = NULL;
    queue->lastChange = 0;
    queue->flags = 0;
    takeQueueDate(queue, t);
    queue->fileName[0] = '\0';
    queue->flags = flags;
    setAlertQueueFileName(queue);
    return openAlertQueue(queue, flags) < 0 ? -1 : 0;
}

AlertRecord *nextAlertFromQueue(AlertFileQueue *queue, const struct tm *t, int tries)
{
    if (!queue->stream) {
        if (openAlertQueue(queue, 0) != 1) {
            pause1ms();
            return NULL;
        }
        if (!queue->stream)
            return NULL;
    }

    AlertRecord *record = readAlertBlock(queue->stream);
    if (record)
        return record;

    // Nothing new: the file may have been rotated, so open it again by name.
    takeQueueDate(queue, t);
    setAlertQueueFileName(queue);
    if (openAlertQueue(queue, 0) != 1) {
        pause1ms();
        return NULL;
    }

    for (int i = 0; i < tries; ++i) {
        record = readAlertBlock(queue->stream);
        if (record)
            return record;
        pause1ms();
    }
    return NULL;
}
