#include "support/daemonsimfixture.h"

#include "support/privatebus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QSaveFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

#ifndef TARVIX_DAEMON_SIM_PATH
#error "TARVIX_DAEMON_SIM_PATH must name the tarvix-daemon-sim executable"
#endif
#ifndef TARVIX_BUS_CONFIG_PATH
#error "TARVIX_BUS_CONFIG_PATH must name the private bus configuration"
#endif

const char *const DaemonSimFixture::SERVICE_NAME = "com.zorva.tarvix.desktop";
const char *const DaemonSimFixture::OBJECT_PATH = "/com/zorva/tarvix/desktop";
const char *const DaemonSimFixture::INTERFACE_NAME = "com.zorva.tarvix.desktop.com.zorva.tarvix.desktop";

namespace {

const int START_TIMEOUT_MS = 15000;
const int STOP_TIMEOUT_MS = 5000;

PrivateBus &systemBus()
{
    static PrivateBus bus;
    return bus;
}

PrivateBus &sessionBus()
{
    static PrivateBus bus;
    return bus;
}

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
    if (!systemBus().isRunning() && !systemBus().start(config, &message)) {
        return false;
    }
    if (!sessionBus().isRunning() && !sessionBus().start(config, &message)) {
        systemBus().stop();
        return false;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", systemBus().address().toLocal8Bit());
    qputenv("DBUS_SESSION_BUS_ADDRESS", sessionBus().address().toLocal8Bit());
    // Nothing may fall back to a bus that activated this process.
    qunsetenv("DBUS_STARTER_ADDRESS");
    qunsetenv("DBUS_STARTER_BUS_TYPE");
    return true;
}

void DaemonSimFixture::stopPrivateBuses()
{
    sessionBus().stop();
    systemBus().stop();
}

QString DaemonSimFixture::systemBusAddress()
{
    return systemBus().address();
}

QString DaemonSimFixture::sessionBusAddress()
{
    return sessionBus().address();
}

QString DaemonSimFixture::programPath()
{
    return QStringLiteral(TARVIX_DAEMON_SIM_PATH);
}

DaemonSimFixture::DaemonSimFixture()
    : m_snapshotPath(m_directory.filePath(QStringLiteral("tarvix_alerts.log")))
{
}

DaemonSimFixture::~DaemonSimFixture()
{
    stop();
}

QString DaemonSimFixture::statePath() const
{
    return m_directory.filePath(QStringLiteral("daemon-state.json"));
}

QString DaemonSimFixture::snapshotPath() const
{
    return m_snapshotPath;
}

void DaemonSimFixture::setSnapshotPath(const QString &path)
{
    m_snapshotPath = path;
}

QString DaemonSimFixture::filePath(const QString &name) const
{
    return m_directory.filePath(name);
}

QJsonObject DaemonSimFixture::readState() const
{
    QFile file(statePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return QJsonObject();
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool DaemonSimFixture::writeState(const QJsonObject &state) const
{
    QSaveFile file(statePath());
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(state).toJson()) >= 0 && file.commit();
}

void DaemonSimFixture::removeState() const
{
    QFile::remove(statePath());
}

bool DaemonSimFixture::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

bool DaemonSimFixture::start(const QStringList &options, Bus bus)
{
    m_error.clear();
    if (systemBusAddress().isEmpty()) {
        m_error = QStringLiteral("the private buses are not running; start them before any D-Bus use");
        return false;
    }
    if (isRunning() && !stop()) {
        return false;
    }
    m_bus = bus;
    m_process.reset(new StandInProcess);
    m_process->setProgram(programPath());
    m_process->setArguments(
        QStringList { QStringLiteral("--bus"),
            bus == Bus::System ? QStringLiteral("system") : QStringLiteral("session"),
            QStringLiteral("--state"), statePath(), QStringLiteral("--snapshot"), m_snapshotPath }
        + options);
    // A file, not a pipe: a pipe nobody drains while the test sits in a
    // blocking call would stall the stand-in once it filled up.
    QFile::remove(outputPath());
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setStandardOutputFile(outputPath());
    m_process->start(QIODevice::ReadOnly);
    if (!m_process->waitForStarted(START_TIMEOUT_MS)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(m_process->program(), m_process->errorString());
        return false;
    }
    if (!waitForOwner(true, START_TIMEOUT_MS)) {
        m_error
            = QStringLiteral("the stand-in daemon did not take its name (its errors are above). Output: %1")
                  .arg(output());
        endProcess(true);
        return false;
    }
    return true;
}

bool DaemonSimFixture::stop()
{
    return endProcess(false);
}

bool DaemonSimFixture::kill()
{
    return endProcess(true);
}

bool DaemonSimFixture::endProcess(bool force)
{
    if (!isRunning()) {
        return true;
    }
    if (force) {
        m_process->kill();
    } else {
        m_process->terminate();
    }
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
    QDBusConnection connection
        = m_bus == Bus::System ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
    QDBusConnectionInterface *bus = connection.interface();
    if (!bus) {
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (bus->isServiceRegistered(QString::fromLatin1(SERVICE_NAME)).value() != owned) {
        if (deadline.hasExpired() || (owned && !isRunning())) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    // The bus sent the owner change before the answer just read, so the
    // notification is already queued for this thread's D-Bus proxies and
    // watchers: deliver it, and they agree with the bus from here on.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

QString DaemonSimFixture::outputPath() const
{
    return m_directory.filePath(QStringLiteral("daemon-output.log"));
}

QString DaemonSimFixture::output() const
{
    QFile file(outputPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool DaemonSimFixture::waitForOutput(const QString &text, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!output().contains(text)) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}
