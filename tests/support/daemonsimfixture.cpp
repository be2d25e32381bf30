#include "support/daemonsimfixture.h"

#include "support/alertlog.h"
#include "support/privatebus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

const char *const DaemonSimFixture::SERVICE_NAME = "com.zorva.tarvix.desktop";
const char *const DaemonSimFixture::OBJECT_PATH = "/com/zorva/tarvix/desktop";
const char *const DaemonSimFixture::INTERFACE_NAME = "com.zorva.tarvix.desktop.com.zorva.tarvix.desktop";

namespace {

const int START_TIMEOUT_MS = 15000;
const int STOP_TIMEOUT_MS = 5000;

PrivateBus g_systemBus, g_sessionBus;

// The stand-in must not outlive a test that crashes or is killed by CTest.
class StandInProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }
};

} // namespace

bool DaemonSimFixture::startPrivateBuses(QString *error)
{
    QString ignored;
    QString &message = error ? *error : ignored;
    const QString config = QStringLiteral(TARVIX_BUS_CONFIG_PATH);
    if ((!g_systemBus.isRunning() && !g_systemBus.start(config, &message))
        || (!g_sessionBus.isRunning() && !g_sessionBus.start(config, &message))) {
        g_systemBus.stop();
        return false;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", g_systemBus.address().toLocal8Bit());
    qputenv("DBUS_SESSION_BUS_ADDRESS", g_sessionBus.address().toLocal8Bit());
    // Nothing may fall back to a bus that activated this process.
    qunsetenv("DBUS_STARTER_ADDRESS");
    qunsetenv("DBUS_STARTER_BUS_TYPE");
    return true;
}

void DaemonSimFixture::stopPrivateBuses()
{
    g_sessionBus.stop();
    g_systemBus.stop();
}

QString DaemonSimFixture::sessionBusAddress()
{
    return g_sessionBus.address();
}

DaemonSimFixture::DaemonSimFixture()
    : m_snapshotPath(m_directory.filePath(QStringLiteral("tarvix_alerts.log")))
{
}

DaemonSimFixture::~DaemonSimFixture()
{
    stop();
}

QJsonObject DaemonSimFixture::readState() const
{
    return QJsonDocument::fromJson(readTestFile(statePath())).object();
}

QString DaemonSimFixture::output() const
{
    return QString::fromUtf8(readTestFile(filePath(QStringLiteral("daemon-output.log"))));
}

bool DaemonSimFixture::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

bool DaemonSimFixture::start(const QStringList &options)
{
    m_error.clear();
    if (g_systemBus.address().isEmpty()) {
        m_error = QStringLiteral("the private buses are not running; start them before any D-Bus use");
        return false;
    }
    if (!stop())
        return false;
    const QString outputPath = filePath(QStringLiteral("daemon-output.log"));
    m_process.reset(new StandInProcess);
    m_process->setProgram(QStringLiteral(TARVIX_DAEMON_SIM_PATH));
    m_process->setArguments(
        QStringList { QStringLiteral("--bus"), QStringLiteral("system"), QStringLiteral("--state"),
            statePath(), QStringLiteral("--snapshot"), m_snapshotPath }
        + options);
    // A file, not a pipe: a pipe nobody drains while the test sits in a
    // blocking call would stall the stand-in once it filled up.
    QFile::remove(outputPath);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setStandardOutputFile(outputPath);
    m_process->start(QIODevice::ReadOnly);
    if (!m_process->waitForStarted(START_TIMEOUT_MS)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(m_process->program(), m_process->errorString());
        return false;
    }
    if (!waitForOwner(true, START_TIMEOUT_MS)) {
        m_error = QStringLiteral("the stand-in did not take its name (its errors are above). Output: %1")
                      .arg(output());
        endProcess(true);
        return false;
    }
    return true;
}

bool DaemonSimFixture::endProcess(bool force)
{
    if (!isRunning())
        return true;
    force ? m_process->kill() : m_process->terminate();
    if (!m_process->waitForFinished(STOP_TIMEOUT_MS)) {
        m_process->kill();
        m_process->waitForFinished(STOP_TIMEOUT_MS);
    }
    if (!waitForOwner(false, STOP_TIMEOUT_MS)) {
        m_error = QStringLiteral("the daemon's name is still owned after it ended");
        return false;
    }
    return true;
}

bool DaemonSimFixture::waitForOwner(bool owned, int timeoutMs)
{
    QDBusConnectionInterface *bus = QDBusConnection::systemBus().interface();
    if (!bus)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (bus->isServiceRegistered(QString::fromLatin1(SERVICE_NAME)).value() != owned) {
        if (deadline.hasExpired() || (owned && !isRunning()))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    // The bus sent the owner change before the answer just read, so the
    // notification is already queued for this thread's proxies: deliver it.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}
