#ifndef TESTS_ALERTENGINE_ALERTTESTUTIL_H
#define TESTS_ALERTENGINE_ALERTTESTUTIL_H

// Shared by the engine and report-data tests.

#include "alertengine/alertloader.h"
#include "support/alertlog.h"
#include "support/logcapture.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryFile>

#include <unistd.h>

// A block with the given Rule line (or the builder's) and raw lines.
inline QByteArray block(const QByteArray &id, const QByteArray &date,
    const QByteArray &ruleLine = QByteArray(), const QByteArrayList &raw = { "raw" })
{
    TestAlert alert;
    alert.id = id;
    alert.dateLine = date + " host->file";
    alert.ruleLine = ruleLine;
    alert.raw = raw;
    return alertBlock(alert);
}

// A ranking as "key count latest-date" lines, so that a mismatch shows where.
template<typename Ranking> QStringList describedRanking(const Ranking &stats)
{
    QStringList lines;
    for (const auto &[key, stat] : stats)
        lines << QString::fromStdString(key + ' ' + std::to_string(stat.count) + ' ' + stat.latestDate);
    return lines;
}

// alertgen's log for arguments, as it writes it.
inline QByteArray generatedLog(const QStringList &arguments)
{
    QProcess alertgen;
    alertgen.start(TARVIX_BINARY_DIR "/tools/alertgen/alertgen", arguments);
    if (!alertgen.waitForFinished() || alertgen.exitCode() != 0)
        qFatal("alertgen failed");
    return alertgen.readAllStandardOutput();
}

// The alerts of that log as the store holds them: loaded, newest first.
inline std::vector<loginfo> generatedAlerts(const QStringList &arguments)
{
    QTemporaryFile file; // the user's own, 0600, as the loader wants it
    std::vector<loginfo> alerts;
    if (!file.open() || file.write(generatedLog(arguments)) < 0 || !file.flush()
        || loadAlertLog(file.fileName().toStdString(), alerts) != 0)
        qFatal("cannot load a generated log");
    sortAlertsNewestFirst(alerts);
    return alerts;
}

inline QString dataFile(const char *name)
{
    return QStringLiteral(TARVIX_TEST_DATA_DIR "/alerts/") + QLatin1String(name);
}

#endif
