#ifndef TESTSUPPORT_PRIVATEBUS_H
#define TESTSUPPORT_PRIVATEBUS_H

#include <QString>

#include <sys/types.h>

// One private dbus-daemon with the project's bus configuration, its socket in
// a directory of its own. Started with plain fork/exec, so it can run before
// any Qt object exists; it dies with the test process even when that crashes.
class PrivateBus
{
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Starts the bus and waits for its address; false with *error set.
    bool start(const QString &configFile, QString *error);
    void stop();

    bool isRunning() const { return m_pid > 0; }
    QString address() const { return m_address; }

private:
    pid_t m_pid = -1;
    QString m_address;
    QString m_directory;
};

#endif
