#ifndef ALERTENGINE_ALERTLOGSCAN_H
#define ALERTENGINE_ALERTLOGSCAN_H

#include "alertengine/alertloader.h"

#include <string>
#include <vector>

// What loadAlertLog does once the file is open: reads the descriptor from its
// current position to the end in large blocks, cuts lines and blocks exactly
// as readAlertBlock does, and appends the alerts of level 12 and above in file
// order, each filled once. name is only used in messages. 0, or
// ALERT_SNAPSHOT_UNREADABLE when reading fails or finds more than maxBytes,
// ALERT_SNAPSHOT_CUT_SHORT when it ends before fileSize (the size seen when
// the file was opened; the first form takes it from the descriptor) or ends in
// NUL bytes (the list is then unchanged). skipped: the malformed blocks passed over.
int scanAlertLog(int fd, const std::string &name, std::vector<loginfo> &list, int64_t maxBytes);
int scanAlertLog(int fd, const std::string &name, std::vector<loginfo> &list, int64_t maxBytes,
    int64_t fileSize, int &skipped);

#endif
