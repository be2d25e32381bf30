// Arbitrary bytes as an alerts log, read block by block and through the
// loader, with the date helpers on whatever comes out.

#include "alertengine/alertloader.h"
#include "alertengine/alertreader.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string &scratchPath()
{
    static const std::string path = "/tmp/tarvix-fuzz-" + std::to_string(getpid()) + ".log";
    return path;
}

void checkRecord(const AlertRecord *record)
{
    size_t lines = 0;
    for (char **line = record->log; line && *line; ++line)
        ++lines;
    if (lines > ALERT_MAX_RAW_LINES)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *file = fopen(scratchPath().c_str(), "w");
    if (!file)
        return 0;
    fwrite(data, 1, size, file);
    fclose(file);

    file = fopen(scratchPath().c_str(), "r");
    for (int guard = 0; file && guard < 100000; ++guard) {
        AlertRecord *record = readAlertBlock(file);
        if (record) {
            checkRecord(record);
            freeAlertRecord(record);
            continue;
        }
        int c = getc(file);
        if (c == EOF)
            break;
        ungetc(c, file);
    }
    if (file)
        fclose(file);

    std::vector<loginfo> list;
    loadAlertLog(scratchPath(), list);
    sortAlertsNewestFirst(list);
    for (const loginfo &alert : list) {
        if (alert.level < 12)
            __builtin_trap();
        alertDateToDay(alert.date);
        alertDateToDisplay(alert.location);
        alertTimeToNs(alert.location, 1);
    }
    return 0;
}
