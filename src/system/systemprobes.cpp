#include "system/systemprobes.h"
#include "logging/logcategories.h"

#include <QDebug>
#include <QFile>
#include <QProcess>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <regex>
#include <unistd.h>

int sysVersionLevel = 0;
bool isAdministrator = false;

const char *const OS_RELEASE_PATH = "/etc/os-release";
const char *const BUILD_INFO_PATH = "/etc/zorva-build";
const char *const SUDO_GROUP_NAME = "sudo";
const char *const STATUS_COMMAND = "/usr/sbin/getstatus";
const char *const THREE_ADMIN_KEY = "three admin";

namespace {

// Digits only; a sign, blank or letter makes the whole text invalid.
bool parseDecimal(const std::string &text, int &value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

// The regex engine recurses per character and overflows the stack on very
// long lines; no release or build line comes anywhere near this.
constexpr std::size_t MAX_SEARCHED_LINE = 4096;

// First match of the pattern among the file's lines, searched line by line.
bool searchLines(std::ifstream &in, const std::regex &pattern, std::smatch &match, std::string &line)
{
    while (std::getline(in, line)) {
        if (line.size() <= MAX_SEARCHED_LINE && std::regex_search(line, match, pattern)) {
            return true;
        }
    }
    return false;
}

// -1 leaves the level as it is: a build that is too old or whose release id
// does not belong to its year tells us nothing.
int levelForBuild(int year, int month, int releaseId)
{
    const int earlyBonus = month < 4 ? 1 : 0;
    if (year == 2021 && month <= 7) {
        return 1;
    }
    if (year == 2022 && releaseId == 2203) {
        return 1 + earlyBonus;
    }
    if (year == 2023 && releaseId == 2303) {
        return 2 + earlyBonus;
    }
    if (year == 2024 && releaseId == 2403) {
        return 3 + earlyBonus;
    }
    if (year == 2025 && releaseId == 2503) {
        return 4 + earlyBonus;
    }
    if (year > 2025) {
        return 6;
    }
    return -1;
}

std::string toLowerAscii(std::string text)
{
    for (char &c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

bool readReleaseId(int &releaseId)
{
    return readReleaseId(releaseId, OS_RELEASE_PATH);
}

bool readReleaseId(int &releaseId, const std::string &osReleasePath)
{
    releaseId = 0;
    std::ifstream in(osReleasePath);
    if (!in.is_open()) {
        return false;
    }
    static const std::regex pattern("ZORVA_RELEASE_ID\\s*=\\s*\"([^\"]+)\"", std::regex::ECMAScript);
    std::smatch match;
    std::string line;
    if (!searchLines(in, pattern, match, line)) {
        return false;
    }
    int value = 0;
    if (!parseDecimal(match[1].str(), value)) {
        return false;
    }
    releaseId = value;
    return true;
}

void probeBuildVersion()
{
    probeBuildVersion(OS_RELEASE_PATH, BUILD_INFO_PATH);
}

void probeBuildVersion(const std::string &osReleasePath, const std::string &buildPath)
{
    int releaseId = 0;
    if (!readReleaseId(releaseId, osReleasePath)) {
        std::printf("release id is 0\n");
        std::fflush(stdout);
    }

    std::ifstream in(buildPath);
    if (!in.is_open()) {
        sysVersionLevel = 0;
        return;
    }
    static const std::regex pattern("Build\\s+(\\d{4})(\\d{2})\\d{2}", std::regex::ECMAScript);
    std::smatch match;
    std::string line;
    if (!searchLines(in, pattern, match, line)) {
        sysVersionLevel = 0;
        return;
    }
    int year = 0;
    int month = 0;
    parseDecimal(match[1].str(), year);
    parseDecimal(match[2].str(), month);
    const int level = levelForBuild(year, month, releaseId);
    if (level >= 0) {
        sysVersionLevel = level;
    }
}

bool isServerEdition()
{
    return isServerEdition(QString::fromLatin1(OS_RELEASE_PATH));
}

bool isServerEdition(const QString &osReleasePath)
{
    QFile file(osReleasePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSystem, "Cannot open %s", qPrintable(osReleasePath));
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll()).toLower();
    return text.contains(QLatin1String("server"));
}

int isUserInSudoGroup(const char *userName)
{
    return isUserInGroup(userName, SUDO_GROUP_NAME);
}

int isUserInGroup(const char *userName, const char *groupName)
{
    errno = 0;
    const struct group *entry = getgrnam(groupName);
    if (!entry) {
        std::printf("Failed to get group for %s: %s\n", groupName, std::strerror(errno));
        std::fflush(stdout);
        return -1;
    }
    if (!userName) {
        return 0;
    }
    for (char **member = entry->gr_mem; member && *member; ++member) {
        if (std::strcmp(*member, userName) == 0) {
            std::printf("%s is %s group\n", userName, groupName);
            std::fflush(stdout);
            return 1;
        }
    }
    return 0;
}

int isUidInSudoGroup(uid_t uid)
{
    return isUidInGroup(uid, SUDO_GROUP_NAME);
}

int isUidInGroup(uid_t uid, const char *groupName)
{
    errno = 0;
    const struct passwd *entry = getpwuid(uid);
    if (!entry) {
        std::printf(
            "Failed to get passwd struct for %ld: %s\n", static_cast<long>(uid), std::strerror(errno));
        std::fflush(stdout);
        return -1;
    }
    // Copied because the group lookup may reuse the library's static buffers.
    const std::string userName = entry->pw_name;
    return isUserInGroup(userName.c_str(), groupName);
}

bool isUserAdmin(uid_t uid)
{
    return isUserAdmin(uid, SUDO_GROUP_NAME);
}

bool isUserAdmin(uid_t uid, const char *groupName)
{
    return uid == 0 || isUidInGroup(uid, groupName) == 1;
}

int readStatusSwitch(const char *command, const char *key)
{
    if (!command || !key) {
        return 0;
    }
    FILE *pipe = popen(command, "r");
    if (!pipe) {
        return 0;
    }
    // The output is compared in lower case, so the key must be too.
    const std::string wanted = toLowerAscii(key);
    int result = 0;
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        const std::string line = toLowerAscii(buffer);
        const std::size_t keyAt = line.find(wanted);
        if (keyAt == std::string::npos) {
            continue;
        }
        const std::size_t colonAt = line.find(':', keyAt + wanted.size());
        if (colonAt == std::string::npos) {
            continue;
        }
        // Only the start of the value decides, so trailing blanks need no trimming.
        const std::size_t valueAt = line.find_first_not_of(" \t\r\n", colonAt + 1);
        const std::string value = valueAt == std::string::npos ? std::string() : line.substr(valueAt);
        result = (value.compare(0, 2, "on") == 0 || value.compare(0, 6, "enable") == 0) ? 1 : 0;
        break;
    }
    pclose(pipe);
    return result;
}

int isThreeAdminMode()
{
    return readStatusSwitch(STATUS_COMMAND, THREE_ADMIN_KEY);
}

void probeAdministrator()
{
    probeAdministrator(getuid(), STATUS_COMMAND, SUDO_GROUP_NAME);
}

void probeAdministrator(uid_t uid, const char *statusCommand, const char *groupName)
{
    const bool threeAdminMode = readStatusSwitch(statusCommand, THREE_ADMIN_KEY) == 1;
    const bool qualifies = threeAdminMode ? uid == 0 : isUserAdmin(uid, groupName);
    if (qualifies) {
        isAdministrator = true;
    }
}

bool runCommand(const QString &program, const QStringList &arguments, QString &output, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(timeoutMs)) {
        qCDebug(lcSystem) << "Failed to start command:" << program;
        return false;
    }
    if (!process.waitForFinished(timeoutMs)) {
        // A hung child yields no result, and it must not outlive the call.
        process.kill();
        process.waitForFinished(timeoutMs);
        qCDebug(lcSystem) << QString("Command timed out after %1 ms: %2 %3")
                                 .arg(timeoutMs)
                                 .arg(program, arguments.join(QLatin1Char(' ')));
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        // Multi-argument arg() so that a '%' in the texts is not substituted again.
        qCDebug(lcSystem) << QString("Command failed with exit code %1: %2 %3\nError: %4")
                                 .arg(process.exitCode())
                                 .arg(program, arguments.join(QLatin1Char(' ')),
                                     QString::fromUtf8(process.readAllStandardError()));
        return false;
    }
    output = QString::fromUtf8(process.readAllStandardOutput());
    return true;
}
