#ifndef TESTSUPPORT_DAEMONSIMFIXTURE_H
#define TESTSUPPORT_DAEMONSIMFIXTURE_H

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QProcess;

// Runs the stand-in desktop daemon (tarvix-daemon-sim) for a test, on the
// process's private buses, with its own temporary state file.
//
// The private buses are process-wide: Qt D-Bus connects to a bus once per
// process, so they must be up before anything touches Qt D-Bus and stay up
// until the end. The TARVIX_BUS_TEST_MAIN macros (bustestmain.h) take care of
// that; the stand-in itself may be started and stopped as often as a test likes.
class DaemonSimFixture
{
public:
    enum class Bus { System, Session };

    // Starts a private system bus and a private session bus and points
    // DBUS_SYSTEM_BUS_ADDRESS and DBUS_SESSION_BUS_ADDRESS at them. Idempotent.
    static bool startPrivateBuses(QString *error);
    static void stopPrivateBuses();
    static QString systemBusAddress();
    static QString sessionBusAddress();

    // The tarvix-daemon-sim executable.
    static QString programPath();

    static const char *const SERVICE_NAME;
    static const char *const OBJECT_PATH;
    static const char *const INTERFACE_NAME;

    DaemonSimFixture();
    ~DaemonSimFixture(); // stops the stand-in
    DaemonSimFixture(const DaemonSimFixture &) = delete;
    DaemonSimFixture &operator=(const DaemonSimFixture &) = delete;

    // Starts the stand-in with --state, --snapshot and --bus filled in plus
    // options, and waits until it owns its name and this process's D-Bus
    // objects have seen that. A running stand-in is stopped first.
    bool start(const QStringList &options = QStringList(), Bus bus = Bus::System);
    // Ends it with SIGTERM (stop) or SIGKILL (kill) and waits until the name is gone.
    bool stop();
    bool kill();
    bool isRunning() const;

    // State file of the stand-in; kept across stop and start, removed with the fixture.
    QString statePath() const;
    QJsonObject readState() const;
    // Replaces the state file, for example before start to begin from a given state.
    bool writeState(const QJsonObject &state) const;
    // Removes it, so the next start begins from the stand-in's defaults.
    void removeState() const;

    // Where generateLogFile writes: a file in the temporary directory unless
    // set (a test that uses the real snapshot path takes the alert-snapshot lock).
    QString snapshotPath() const;
    void setSnapshotPath(const QString &path);

    // A path inside the fixture's temporary directory.
    QString filePath(const QString &name) const;

    // Standard output of the stand-in so far (one line per call and reply).
    QString output() const;
    // Waits, serving the event loop, until output() contains text.
    bool waitForOutput(const QString &text, int timeoutMs = 5000);

    QString errorString() const { return m_error; }

private:
    bool endProcess(bool force);
    bool waitForOwner(bool owned, int timeoutMs);
    QString outputPath() const;

    QTemporaryDir m_directory;
    QString m_snapshotPath;
    Bus m_bus = Bus::System;
    std::unique_ptr<QProcess> m_process;
    QString m_error;
};

#endif
