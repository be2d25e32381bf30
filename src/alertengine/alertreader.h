#ifndef ALERTENGINE_ALERTREADER_H
#define ALERTENGINE_ALERTREADER_H

// Reader of the alerts-log block format. Procedural on purpose: records are
// plain heap structures with an explicit free function, results are integers
// and problems are reported on the console only.

#include <stdint.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>

#define ALERT_LINE_MAX 65536
#define ALERT_MAX_RAW_LINES 100

#define ALERT_QUEUE_READ_ALL 4
#define ALERT_QUEUE_STREAM 16

#define ALERT_QUEUE_DEFAULT_FILE "/var/log/tarvix/logs/alerts/alerts.log"
#define ALERT_QUEUE_STDIN_NAME "<stdin>"
#define ALERT_QUEUE_NAME_MAX 256

struct AlertRecord
{
    int32_t rule;
    int32_t level;
    int32_t srcPort;
    int32_t dstPort;
    char *alertId;
    char *date;
    char *location;
    char *comment;
    char *group;
    char *srcIp;
    char *dstIp;
    char *user;
    char **log; // raw lines in file order, ended by a null entry
};

struct AlertFileQueue
{
    int32_t year;
    char month[4];
    int32_t day;
    int32_t flags;
    time_t lastChange;
    char fileName[ALERT_QUEUE_NAME_MAX + 1];
    FILE *stream;
    struct stat fileStatus;
};

// Next block from the stream's current position, or NULL. On success the
// stream is left at the start of the following block.
AlertRecord *readAlertBlock(FILE *stream);
void freeAlertRecord(AlertRecord *record);

void setAlertQueueFileName(AlertFileQueue *queue);
// 1 ready, 0 not available, -1 error.
int openAlertQueue(AlertFileQueue *queue, int flags);
// 0, or -1 when opening reported an error.
int initAlertQueue(AlertFileQueue *queue, const struct tm *t, int flags);
// Next record (owned by the caller) or NULL.
AlertRecord *nextAlertFromQueue(AlertFileQueue *queue, const struct tm *t, int tries);

#endif
