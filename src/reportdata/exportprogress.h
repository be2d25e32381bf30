#ifndef REPORTDATA_EXPORTPROGRESS_H
#define REPORTDATA_EXPORTPROGRESS_H

#include <QtGlobal>

#include <atomic>

// Shared between an export running on a worker and the window that shows it:
// the writer counts the alerts it has written, the window reads the count and
// may ask it to stop.
struct ExportProgress
{
    qint64 total = 0; // alerts to write, set before the writer starts
    std::atomic<qint64> written { 0 };
    std::atomic<bool> cancelled { false };
};

#endif
