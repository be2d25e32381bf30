#ifndef ALERTENGINE_ALERTLOADER_H
#define ALERTENGINE_ALERTLOADER_H

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// One alert as the pages use it. Absent texts are empty strings.
struct loginfo
{
    int32_t rule = 0;
    int32_t level = 0;
    std::string alertId;
    std::string date; // "%Y %b %d %H:%M:%S"
    std::string location;
    std::string comment;
    std::string group;
    std::string srcIp;
    int32_t srcPort = 0;
    std::string dstIp;
    int32_t dstPort = 0;
    std::string user;
    std::string firstLog;
    std::string otherLogs;
    int64_t timeNs = 0; // date in local time, nanoseconds since the epoch; 0 when unreadable
};

// Where the desktop daemon writes its alert snapshot.
extern const char *const ALERT_SNAPSHOT_PATH;
extern const char *const INSTALL_TIME_PATH;

// The snapshot could not be read: a result of its own, since an empty list
// would read as "no alerts" to the user.
const int ALERT_SNAPSHOT_UNREADABLE = -4;
// The snapshot shrank while it was read, or ends in NUL bytes: alerts were lost.
const int ALERT_SNAPSHOT_CUT_SHORT = -5;

// Asks the daemon for a fresh snapshot, appends its alerts of level 12 and
// above to the list and sorts the whole list newest first. 0, the daemon's
// non-zero result, ALERT_SNAPSHOT_UNREADABLE or ALERT_SNAPSHOT_CUT_SHORT (the
// list is then unchanged). skipped: the malformed alert records passed over.
int loadAllAlerts(std::vector<loginfo> &list);
int loadAllAlerts(std::vector<loginfo> &list, int &skipped);

// Far above any real snapshot: a larger file is refused, not read.
const int64_t ALERT_SNAPSHOT_MAX_BYTES = int64_t(2) << 30;

// Appends the alerts of level 12 and above of the snapshot file, in file
// order. A malformed block is skipped and counted in skipped; a block still
// being written at the end of the file is not delivered. 0, or
// ALERT_SNAPSHOT_UNREADABLE (with a line on standard error that says why, and
// the list unchanged) when the file cannot be opened or read, or cannot be
// trusted: it must be a regular file, not reached through a link, owned by
// root or the user running the program, not writable by group or others, and
// at most maxBytes long; ALERT_SNAPSHOT_CUT_SHORT when it was cut while read.
int loadAlertLog(std::vector<loginfo> &list);
int loadAlertLog(const std::string &path, std::vector<loginfo> &list);
int loadAlertLog(const std::string &path, std::vector<loginfo> &list, int64_t maxBytes);
int loadAlertLog(const std::string &path, std::vector<loginfo> &list, int64_t maxBytes, int &skipped);

// Sorts by time, newest first.
void sortAlertsNewestFirst(std::vector<loginfo> &list);

// With start and end both "init" out becomes a copy of all; otherwise the
// alerts with start <= time <= end ("%Y-%m-%d %H:%M:%S") are appended to out.
void filterAlertsByRange(const std::vector<loginfo> &all, std::vector<loginfo> &out, const std::string &start,
    const std::string &end);
// The same for a list the caller no longer needs: "init" to "init" moves it.
void filterAlertsByRange(
    std::vector<loginfo> &&all, std::vector<loginfo> &out, const std::string &start, const std::string &end);

// mode 0 reads "%Y %b %d %H:%M:%S", mode 1 "%Y-%m-%d %H:%M:%S"; local time in
// nanoseconds, 0 for an empty or unreadable text or another mode.
int64_t alertTimeToNs(const std::string &text, int mode);
// "%Y-%m-%d" of an alert date ("1900-01-00" when unreadable, "" when empty).
std::string alertDateToDay(const std::string &date);
// "2024 Mar 05 10:11:12" -> "2024/03/05 10:11:12"; "" (with a console line) when malformed.
std::string alertDateToDisplay(const std::string &date);

// A larger installation time file is refused, not read.
const int64_t INSTALL_TIME_MAX_BYTES = 4096;

// The file must be a regular file of at most INSTALL_TIME_MAX_BYTES; it is
// opened without waiting, so a FIFO in its place cannot hang the caller.
bool readInstallTime(const std::string &path, struct tm &out);
int getInstallTime(struct tm &out);
int getInstallTime(struct tm &out, const std::string &path);
int minutesSinceInstall(int &minutes);
int minutesSinceInstall(int &minutes, const std::string &path);

#endif
