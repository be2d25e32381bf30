#ifndef TESTSUPPORT_DAEMONSIMFIXTURE_H
#define TESTSUPPORT_DAEMONSIMFIXTURE_H

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QProcess;

// Runs the stand-in desktop daemon (tarvix-daemon-sim) on the process's private system bus, with its own
// temporary state file. The private buses are process-wide (Qt D-Bus connects once per process):
// TARVIX_BUS_TEST_MAIN (bustestmain.h) starts them before anything touches Qt D-Bus.
class DaemonSimFixture
{
public:
    // Starts a private system and session bus and exports their addresses. Idempotent.
    static bool startPrivateBuses(QString *error);
    static void stopPrivateBuses();
    static QString sessionBusAddress();

    static const char *const SERVICE_NAME;
    static const char *const OBJECT_PATH;
    static const char *const INTERFACE_NAME;

    DaemonSimFixture();
    ~DaemonSimFixture(); // stops the stand-in
    DaemonSimFixture(const DaemonSimFixture &) = delete;
    DaemonSimFixture &operator=(const DaemonSimFixture &) = delete;

    // Starts it (stopping a running one) with --state, --snapshot plus options,
    // and waits until it owns its name and this process's proxies have seen that.
    bool start(const QStringList &options = QStringList());
    // Ends it with SIGTERM (stop) or SIGKILL (kill) and waits until the name is gone.
    bool stop() { return endProcess(false); }
    bool kill() { return endProcess(true); }

    // State file; kept across stop and start, removed with the fixture.
    QString statePath() const { return filePath(QStringLiteral("daemon-state.json")); }
    QJsonObject readState() const;

    // Where generateLogFile writes: in the temporary directory unless set.
    QString snapshotPath() const { return m_snapshotPath; }
    void setSnapshotPath(const QString &path) { m_snapshotPath = path; }
    QString filePath(const QString &name) const { return m_directory.filePath(name); }
    // Standard output of the stand-in so far (one line per call and reply).
    QString output() const;
    QString errorString() const { return m_error; }

private:
    bool isRunning() const;
    bool endProcess(bool force);
    bool waitForOwner(bool owned, int timeoutMs);

    QTemporaryDir m_directory;
    QString m_snapshotPath;
    std::unique_ptr<QProcess> m_process;
    QString m_error;
};

// Starts fixture with options (pass {} for none) or fails the test with its error.
#define TARVIX_START_DAEMON(fixture, ...)                                                                    \
    QVERIFY2((fixture).start(__VA_ARGS__), qPrintable((fixture).errorString()))

#endif
