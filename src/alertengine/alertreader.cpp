#include "alertengine/alertreader.h"

#include "alertengine/alertblockparser.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>

namespace {

const char *const MONTHS[12]
    = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

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

// What the block grammar finds goes into the heap record.
struct RecordFields
{
    AlertRecord *record;
    size_t rawLines = 0;

    void setAlertId(const char *text, size_t length) { replaceText(&record->alertId, text, length); }
    void setDate(const char *text, size_t length) { replaceText(&record->date, text, length); }
    void setLocation(const char *text, size_t length) { replaceText(&record->location, text, length); }
    void setSrcIp(const char *text, size_t length) { replaceText(&record->srcIp, text, length); }
    void setDstIp(const char *text, size_t length) { replaceText(&record->dstIp, text, length); }
    void setUser(const char *text, size_t length) { replaceText(&record->user, text, length); }
    void setSrcPort(int32_t port) { record->srcPort = port; }
    void setDstPort(int32_t port) { record->dstPort = port; }
    void setRule(int32_t rule, int32_t level, const char *comment, size_t length)
    {
        record->rule = rule;
        record->level = level;
        replaceText(&record->comment, comment, length);
    }

    // The array grows in powers of two (plus the null end), not line by line.
    bool addRawLine(const char *line, size_t length)
    {
        const size_t count = rawLines;
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
        ++rawLines;
        return true;
    }
};

AlertRecord *failBlock(AlertRecord *record, FILE *stream)
{
    freeAlertRecord(record);
    clearerr(stream);
    return NULL;
}

// The rest of a line too long for the buffer, up to and with its line feed.
long skipRestOfLine(FILE *stream)
{
    long skipped = 0;
    int c;
    while ((c = getc(stream)) != EOF) {
        ++skipped;
        if (c == '\n')
            break;
    }
    return skipped;
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

    static_assert(ALERT_LINE_MAX == alertblock::LINE_KEPT + 1, "fgets keeps what the scanner keeps");
    static thread_local char line[ALERT_LINE_MAX + 1];
    RecordFields fields = { record };
    alertblock::Parser<RecordFields> parser(fields);

    // Where the current line starts, so that a closing header can be handed
    // back exactly. Counted from the line lengths; a line that holds a NUL
    // byte hides its length, and only then the stream is asked.
    long position = ftell(stream);
    for (;;) {
        long lineStart = position;
        // fgets puts its terminator in the last byte only when the line fills
        // the buffer, NUL bytes in the line or not.
        line[ALERT_LINE_MAX - 1] = 1;
        if (!fgets(line, ALERT_LINE_MAX, stream))
            break;
        size_t length = strlen(line);
        const bool full = line[ALERT_LINE_MAX - 1] == '\0';
        const long skipped = full && line[ALERT_LINE_MAX - 2] != '\n' ? skipRestOfLine(stream) : 0;
        const bool lengthKnown = full || (length > 0 && line[length - 1] == '\n');
        position = lengthKnown && position >= 0
            ? position + long(full ? ALERT_LINE_MAX - 1 : length) + skipped
            : ftell(stream);

        switch (parser.take(line, alertblock::textLength(line, length))) {
        case alertblock::Line::Taken:
            break;
        case alertblock::Line::EndsBlock:
            if (lineStart < 0 || fseek(stream, lineStart, SEEK_SET) != 0)
                return failBlock(record, stream);
            return record;
        case alertblock::Line::FailsBlock:
            return failBlock(record, stream);
        }
    }

    if (ferror(stream) || !feof(stream) || !parser.complete())
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
    const char *name
        = (queue->flags & ALERT_QUEUE_STREAM) ? ALERT_QUEUE_STDIN_NAME : ALERT_QUEUE_DEFAULT_FILE;
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
