#include "support/privatebus.h"

#include "support/alertlog.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PrivateBus::~PrivateBus()
{
    stop();
}

bool PrivateBus::start(const QString &configFile, QString *error)
{
    stop();
    const QByteArray program
        = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")));
    if (program.isEmpty()) {
        *error = QStringLiteral("dbus-daemon is not installed");
        return false;
    }
    QByteArray directory = QDir::tempPath().toLocal8Bit() + "/tarvix-bus-XXXXXX";
    if (!::mkdtemp(directory.data())) { // mode 0700: only this user reaches the socket
        *error = systemError("mkdtemp");
        return false;
    }
    m_directory = QString::fromLocal8Bit(directory);
    const QByteArray logPath = directory + "/dbus-daemon.log";

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        *error = systemError("pipe");
        return false;
    }
    const QByteArray configArg = "--config-file=" + QFile::encodeName(configFile);
    const QByteArray addressArg = "--address=unix:dir=" + directory;
    const pid_t parent = ::getpid();

    const pid_t pid = ::fork();
    if (pid < 0) {
        *error = systemError("fork");
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return false;
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here on.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        ::dup2(pipeFds[1], 3); // dup2 clears close-on-exec on the copy
        const int log = ::open(logPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (log >= 0)
            ::dup2(log, STDERR_FILENO);
        ::execl(program.constData(), "dbus-daemon", configArg.constData(), addressArg.constData(),
            "--print-address=3", "--nofork", "--nopidfile", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    m_pid = pid;

    // The daemon prints its address once it listens, or ends without it.
    char line[512] = {};
    FILE *printed = ::fdopen(pipeFds[0], "r");
    for (errno = 0; !::fgets(line, sizeof line, printed) && errno == EINTR; errno = 0)
        ::clearerr(printed);
    ::fclose(printed);
    m_address = QString::fromLocal8Bit(line).trimmed();
    if (m_address.isEmpty()) {
        const QString output = QString::fromLocal8Bit(readTestFile(QString::fromLocal8Bit(logPath)));
        *error
            = QStringLiteral("dbus-daemon with %1 printed no address. %2").arg(configFile, output.trimmed());
        stop();
        return false;
    }
    return true;
}

void PrivateBus::stop()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0, tries = 0;
        pid_t done;
        while ((done = ::waitpid(m_pid, &status, WNOHANG)) == 0 || (done < 0 && errno == EINTR)) {
            if (++tries == 200) {
                ::kill(m_pid, SIGKILL); // the blocking wait below then returns at once
                while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) { }
                break;
            }
            ::usleep(10000);
        }
        m_pid = -1;
    }
    if (!m_directory.isEmpty()) {
        QDir(m_directory).removeRecursively();
        m_directory.clear();
    }
    m_address.clear();
}
