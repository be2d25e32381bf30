#ifndef SYSTEM_SYSTEMPROBES_H
#define SYSTEM_SYSTEMPROBES_H

#include <QString>
#include <QStringList>

#include <string>
#include <sys/types.h>

// Release generation of the running system, 0 when unknown or old; set once
// at start by probeBuildVersion(). Above 4 the widgets use theme icons.
extern int sysVersionLevel;
// Whether the user may switch services and change their settings; set by
// probeAdministrator() and never cleared again.
extern bool isAdministrator;

extern const char *const OS_RELEASE_PATH; // "/etc/os-release"
extern const char *const BUILD_INFO_PATH; // "/etc/zorva-build"
extern const char *const SUDO_GROUP_NAME; // "sudo"
extern const char *const STATUS_COMMAND; // "/usr/sbin/getstatus"
extern const char *const THREE_ADMIN_KEY; // "three admin"
constexpr int COMMAND_TIMEOUT_MS = 30000;

// Numeric ZORVA_RELEASE_ID of os-release. False, with releaseId 0, when the
// file, the line or a plain decimal number is missing.
bool readReleaseId(int &releaseId);
bool readReleaseId(int &releaseId, const std::string &osReleasePath);

// Sets sysVersionLevel from the build date and the release id.
void probeBuildVersion();
void probeBuildVersion(const std::string &osReleasePath, const std::string &buildPath);

// True when os-release mentions "server" in any case.
bool isServerEdition();
bool isServerEdition(const QString &osReleasePath);

// 1 when the user is listed as a member of the group, 0 when not, -1 when the
// group does not exist. The user's primary group does not count.
int isUserInSudoGroup(const char *userName);
int isUserInGroup(const char *userName, const char *groupName);

// As above for a user id; -1 also when the id has no passwd entry.
int isUidInSudoGroup(uid_t uid);
int isUidInGroup(uid_t uid, const char *groupName);

// Root, or a member of the sudo group.
bool isUserAdmin(uid_t uid);
bool isUserAdmin(uid_t uid, const char *groupName);

// 1 when a line of the command's output reads "<key> : on" or "... enable"
// (case-insensitive), else 0. The command runs through the shell.
int readStatusSwitch(const char *command, const char *key);
int isThreeAdminMode();

// Sets isAdministrator when the real user qualifies: in three-administrator
// mode only root does, otherwise root and the sudo group.
void probeAdministrator();
void probeAdministrator(uid_t uid, const char *statusCommand, const char *groupName);

// Runs the program and hands back its standard output (UTF-8). False when it
// cannot start, does not finish within the time-out, crashes or exits non-zero.
bool runCommand(const QString &program, const QStringList &arguments, QString &output,
    int timeoutMs = COMMAND_TIMEOUT_MS);

#endif // SYSTEM_SYSTEMPROBES_H
