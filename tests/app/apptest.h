#ifndef TESTS_APP_APPTEST_H
#define TESTS_APP_APPTEST_H

#include "support/alertlog.h"
#include "support/daemonsimfixture.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// Writes alerts a0 (oldest) to a<count-1>, a minute apart and an hour old, into dir and starts the stand-in
// daemon on them with the real snapshot path; false with the fixture's errorString() if it did not start.
inline bool startSimWithAlerts(DaemonSimFixture &sim, const QTemporaryDir &dir, int count)
{
    const QString log = writeTestFile(dir, "alerts.log", alertLog(recentAlerts(count)));
    sim.setSnapshotPath("/tmp/tarvix_alerts.log");
    return sim.start({ "--alerts", log });
}

// The environment for a program under test: plain log lines on standard
// error in a UTF-8 locale, no usage record, the system's library path.
inline QProcessEnvironment programEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("QT_FORCE_STDERR_LOGGING", "1");
    for (const char *name :
        { "QT_MESSAGE_PATTERN", "QT_LOGGING_RULES", "LD_LIBRARY_PATH", "TARVIX_USAGE_RECORD" })
        environment.remove(name);
    return environment;
}

// The properties the stand-in data-collection library recorded, in order.
inline QStringList recordedProperties(const QString &path)
{
    QStringList properties;
    for (const QByteArray &line : readTestFile(path).split('\n'))
        if (line.startsWith("  "))
            properties << QString::fromUtf8(line.trimmed());
    return properties;
}

#endif
