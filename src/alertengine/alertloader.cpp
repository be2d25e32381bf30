#include "alertengine/alertloader.h"

#include "alertengine/alertclock.h"
#include "alertengine/alertlogscan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <sstream>

const char *const ALERT_SNAPSHOT_PATH = "/tmp/tarvix_alerts.log";
const char *const INSTALL_TIME_PATH = "/etc/tarvix/.install_time";

namespace {

const char INSTALL_TIME_PREFIX[] = "InstallTime=";
const size_t INSTALL_TIME_LENGTH = 19;

// Opens a regular file of at most maxBytes for reading, else says why not. A
// FIFO in its place would make a plain open wait for a writer forever. Only
// the open descriptor is checked, so nothing can be swapped in between the
// check and the reading. With trusted, the file must also be reached without
// a link, be owned by root or the user running the program and be writable by
// nobody else: the snapshot lies in the shared /tmp.
std::string openRegularFile(const std::string &path, int64_t maxBytes, bool trusted, int &fd, int64_t &size)
{
    fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (trusted ? O_NOFOLLOW : 0));
    if (fd < 0)
        return errno == ELOOP && trusted ? "it is a symbolic link" : strerror(errno);
    std::string refused;
    struct stat status;
    int flags;
    if (fstat(fd, &status) != 0) {
        refused = strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        refused = "it is not a regular file";
    } else if (trusted && status.st_uid != 0 && status.st_uid != geteuid()) {
        refused = "it belongs to user " + std::to_string(status.st_uid)
            + ", neither root nor the user running this program";
    } else if (trusted && (status.st_mode & (S_IWGRP | S_IWOTH))) {
        char mode[8];
        snprintf(mode, sizeof(mode), "%04o", unsigned(status.st_mode & 07777));
        refused = std::string("others may write it (mode ") + mode + ")";
    } else if (status.st_size > maxBytes) {
        refused = "it is larger than " + std::to_string(maxBytes) + " bytes";
    } else if ((flags = fcntl(fd, F_GETFL)) < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        refused = strerror(errno);
    }
    if (!refused.empty()) {
        close(fd);
        fd = -1;
    } else {
        size = int64_t(status.st_size);
    }
    return refused;
}

} // namespace

int loadAlertLog(std::vector<loginfo> &list)
{
    return loadAlertLog(ALERT_SNAPSHOT_PATH, list);
}

int loadAlertLog(const std::string &path, std::vector<loginfo> &list)
{
    return loadAlertLog(path, list, ALERT_SNAPSHOT_MAX_BYTES);
}

int loadAlertLog(const std::string &path, std::vector<loginfo> &list, int64_t maxBytes)
{
    int skipped = 0;
    return loadAlertLog(path, list, maxBytes, skipped);
}

int loadAlertLog(const std::string &path, std::vector<loginfo> &list, int64_t maxBytes, int &skipped)
{
    skipped = 0;
    int fd;
    int64_t size = 0;
    const std::string refused = openRegularFile(path, maxBytes, true, fd, size);
    if (!refused.empty()) {
        std::cerr << "Alert snapshot " << path << " not read: " << refused << std::endl;
        std::cout << "Unable to open alerts file to generate report." << std::flush;
        return ALERT_SNAPSHOT_UNREADABLE;
    }
    const int result = scanAlertLog(fd, path, list, maxBytes, size, skipped);
    close(fd);
    return result;
}

void sortAlertsNewestFirst(std::vector<loginfo> &list)
{
    auto newerFirst = [](const loginfo &a, const loginfo &b) { return a.timeNs > b.timeNs; };
    // Snapshots are written oldest first: turning them round is all it takes.
    auto olderFirst = [](const loginfo &a, const loginfo &b) { return a.timeNs < b.timeNs; };
    if (std::is_sorted(list.begin(), list.end(), newerFirst))
        return;
    if (std::is_sorted(list.begin(), list.end(), olderFirst)) {
        std::reverse(list.begin(), list.end());
        return;
    }
    std::sort(list.begin(), list.end(), newerFirst);
}

void filterAlertsByRange(const std::vector<loginfo> &all, std::vector<loginfo> &out, const std::string &start,
    const std::string &end)
{
    if (all.empty())
        return;
    if (start == "init" && end == "init") {
        out = all;
        return;
    }
    const int64_t from = alertTimeToNs(start, 1);
    const int64_t to = alertTimeToNs(end, 1);
    for (const loginfo &alert : all) {
        if (alert.timeNs >= from && alert.timeNs <= to)
            out.push_back(alert);
    }
}

void filterAlertsByRange(
    std::vector<loginfo> &&all, std::vector<loginfo> &out, const std::string &start, const std::string &end)
{
    if (!all.empty() && start == "init" && end == "init")
        out = std::move(all);
    else
        filterAlertsByRange(static_cast<const std::vector<loginfo> &>(all), out, start, end);
}

int64_t alertTimeToNs(const std::string &text, int mode)
{
    return AlertClock::toNsOnce(text, mode);
}

std::string alertDateToDay(const std::string &date)
{
    if (date.empty())
        return std::string();
    struct tm fields;
    if (AlertClock::plainDayNumber(date, fields) >= 0) {
        // Four-digit year, month and day as they stand: what strftime writes.
        char day[11] = { date[0], date[1], date[2], date[3], '-', char('0' + (fields.tm_mon + 1) / 10),
            char('0' + (fields.tm_mon + 1) % 10), '-', date[9], date[10], '\0' };
        return std::string(day, 10);
    }
    memset(&fields, 0, sizeof(fields));
    strptime(date.c_str(), "%Y %b %d %H:%M:%S", &fields);
    char day[64];
    size_t length = strftime(day, sizeof(day), "%Y-%m-%d", &fields);
    return std::string(day, length);
}

std::string alertDateToDisplay(const std::string &date)
{
    static const char *const months[12][2] = { { "Jan", "01" }, { "Feb", "02" }, { "Mar", "03" },
        { "Apr", "04" }, { "May", "05" }, { "Jun", "06" }, { "Jul", "07" }, { "Aug", "08" }, { "Sep", "09" },
        { "Oct", "10" }, { "Nov", "11" }, { "Dec", "12" } };
    std::istringstream words(date);
    std::string year, month, day, time;
    if (!(words >> year >> month >> day >> time)) {
        std::cerr << "Invalid date format" << std::endl;
        return std::string();
    }
    for (const auto &entry : months) {
        if (month == entry[0])
            return year + "/" + entry[1] + "/" + day + " " + time;
    }
    std::cerr << "Invalid month name" << std::endl;
    return std::string();
}

bool readInstallTime(const std::string &path, struct tm &out)
{
    int fd;
    int64_t size = 0;
    const std::string refused = openRegularFile(path, INSTALL_TIME_MAX_BYTES, false, fd, size);
    if (!refused.empty()) {
        std::cerr << "Could not open file: " << path << ": " << refused << std::endl;
        return false;
    }
    // One byte past the cap tells a file that grew since it was looked at.
    std::string text(size_t(INSTALL_TIME_MAX_BYTES) + 1, '\0');
    size_t filled = 0;
    ssize_t count = 0;
    while (filled < text.size()
        && ((count = read(fd, &text[filled], text.size() - filled)) > 0 || (count < 0 && errno == EINTR)))
        filled += size_t(std::max<ssize_t>(count, 0));
    const int readError = count < 0 ? errno : 0;
    close(fd);
    if (readError != 0 || filled > size_t(INSTALL_TIME_MAX_BYTES)) {
        std::cerr << "Could not read file: " << path << ": "
                  << (readError ? strerror(readError) : "it is too large") << std::endl;
        return false;
    }
    text.resize(filled);

    size_t prefix = text.find(INSTALL_TIME_PREFIX);
    if (prefix == std::string::npos) {
        std::cerr << "not fount the install time prefix " << INSTALL_TIME_PREFIX << std::endl;
        return false;
    }
    const std::string stamp = text.substr(prefix + strlen(INSTALL_TIME_PREFIX), INSTALL_TIME_LENGTH);
    std::istringstream reader(stamp);
    reader >> std::get_time(&out, "%Y-%m-%d %H:%M:%S");
    if (reader.fail()) {
        std::cerr << "parse time error: " << stamp << std::endl;
        return false;
    }
    return true;
}

int getInstallTime(struct tm &out)
{
    return getInstallTime(out, INSTALL_TIME_PATH);
}

int getInstallTime(struct tm &out, const std::string &path)
{
    if (!readInstallTime(path, out)) {
        std::cerr << "get install time error" << std::endl;
        return -1;
    }
    // A year asctime cannot print gives no line; standard output stays usable.
    char text[64];
    if (asctime_r(&out, text))
        std::cout << "parse time: " << text;
    return 0;
}

int minutesSinceInstall(int &minutes)
{
    return minutesSinceInstall(minutes, INSTALL_TIME_PATH);
}

int minutesSinceInstall(int &minutes, const std::string &path)
{
    struct tm installed;
    memset(&installed, 0, sizeof(installed));
    if (getInstallTime(installed, path) == -1)
        return -1;
    double seconds = difftime(time(nullptr), mktime(&installed));
    minutes = static_cast<int>(static_cast<int64_t>(seconds) / 60);
    return 0;
}
