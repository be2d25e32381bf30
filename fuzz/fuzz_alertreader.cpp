// Arbitrary bytes as an alerts log, loaded by the snapshot scanner and through
// the block reader: the two must give the same alerts. Nothing is written to
// disk: the reader reads from memory, the scanner from a memory file.

#include "alertengine/alertloader.h"
#include "alertengine/alertlogscan.h"
#include "alertengine/readerloader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

bool writeAll(int fd, const uint8_t *data, size_t size)
{
    if (ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) != 0)
        return false;
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= size_t(written);
    }
    return lseek(fd, 0, SEEK_SET) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const int memory = memfd_create("alerts", MFD_CLOEXEC);
    if (size == 0 || memory < 0 || !writeAll(memory, data, size))
        return 0;
    std::vector<loginfo> scanned;
    if (scanAlertLog(memory, "input", scanned, ALERT_SNAPSHOT_MAX_BYTES) != 0)
        __builtin_trap();

    std::vector<loginfo> read;
    FILE *stream = fmemopen(const_cast<uint8_t *>(data), size, "r");
    if (!stream)
        return 0;
    readerloader::load(stream, "input", read);
    fclose(stream);

    if (scanned.size() != read.size())
        __builtin_trap();
    for (size_t i = 0; i < scanned.size(); ++i) {
        if (readerloader::describe(scanned[i]) != readerloader::describe(read[i]))
            __builtin_trap();
    }

    sortAlertsNewestFirst(scanned);
    for (const loginfo &alert : scanned) {
        if (alert.level < 12)
            __builtin_trap();
        alertDateToDay(alert.date);
        alertDateToDisplay(alert.location);
        alertTimeToNs(alert.location, 1);
    }
    return 0;
}
