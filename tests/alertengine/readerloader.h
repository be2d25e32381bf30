#ifndef TESTS_ALERTENGINE_READERLOADER_H
#define TESTS_ALERTENGINE_READERLOADER_H

// The loader built the plain way, on the public block reader: one heap record per block, converted field by
// field. The snapshot scanner must give the same list and the same "Skipped" lines; the equality test and the
// fuzz target both hold it to this.

#include "alertengine/alertloader.h"
#include "alertengine/alertreader.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace readerloader {

inline std::string textOf(const char *text)
{
    return text ? std::string(text) : std::string();
}

inline loginfo toLoginfo(const AlertRecord &record)
{
    loginfo alert;
    alert.rule = record.rule;
    alert.level = record.level;
    alert.alertId = textOf(record.alertId);
    alert.date = textOf(record.date);
    alert.location = textOf(record.location);
    alert.comment = textOf(record.comment);
    alert.group = textOf(record.group);
    alert.srcIp = textOf(record.srcIp);
    alert.srcPort = record.srcPort;
    alert.dstIp = textOf(record.dstIp);
    alert.dstPort = record.dstPort;
    alert.user = textOf(record.user);
    if (record.log && record.log[0]) {
        alert.firstLog = record.log[0];
        for (char **line = record.log + 1; *line; ++line)
            alert.otherLogs += std::string(*line) + "\n";
        const size_t last = alert.otherLogs.find_last_not_of('\n');
        if (last != std::string::npos)
            alert.otherLogs.erase(last + 1);
    }
    alert.timeNs = alertTimeToNs(alert.date, 0);
    return alert;
}

inline bool atEnd(FILE *stream)
{
    const int c = getc(stream);
    if (c == EOF)
        return true;
    ungetc(c, stream);
    return false;
}

inline void load(FILE *stream, const std::string &name, std::vector<loginfo> &list)
{
    while (!atEnd(stream)) {
        AlertRecord *record = readAlertBlock(stream);
        if (!record) {
            if (!atEnd(stream))
                std::cerr << "Skipped a malformed alert block in " << name << " (near byte " << ftell(stream)
                          << ")" << std::endl;
            continue;
        }
        if (record->level >= 12)
            list.push_back(toLoginfo(*record));
        freeAlertRecord(record);
    }
}

// Every field in one text, for comparing and for showing a difference.
inline std::string describe(const loginfo &a)
{
    std::ostringstream text;
    text << a.rule << '|' << a.level << '|' << a.alertId << '|' << a.date << '|' << a.location << '|'
         << a.comment << '|' << a.group << '|' << a.srcIp << '|' << a.srcPort << '|' << a.dstIp << '|'
         << a.dstPort << '|' << a.user << '|' << a.firstLog << '|' << a.otherLogs << '|' << a.timeNs;
    return text.str();
}

} // namespace readerloader

#endif
