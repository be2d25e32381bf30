#ifndef TESTSUPPORT_ALERTLOG_H
#define TESTSUPPORT_ALERTLOG_H

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QString>

class QTemporaryDir;

// One alert of a test's alerts log. Empty texts are left out of its block.
struct TestAlert
{
    QByteArray id; // "a<position in the log>" when empty
    QDateTime time; // written as the detection services write dates
    QByteArray dateLine; // the whole second line instead of time and location, when set
    int rule = 5712;
    int level = 12;
    QByteArray comment = "alert";
    QByteArray location = "host->/var/log/auth.log";
    QByteArray srcIp;
    QByteArray user;
    QByteArrayList raw = { "raw line" };
    QByteArray ruleLine; // the whole third line instead of rule, level and comment, when set
};

// The alert's block as the detection services write it, with its empty separator line.
QByteArray alertBlock(const TestAlert &alert, int position = 0);
// The blocks of alerts in order (oldest first, as a live log grows).
QByteArray alertLog(const QList<TestAlert> &alerts);
// count alerts a minute apart, the newest an hour ago: ids a0 (oldest) to a<count-1>,
// comments "alert 0" to "alert <count-1>".
QList<TestAlert> recentAlerts(int count, int level = 12);
// Writes content into dir under name, readable by everyone (as the snapshot
// checks want it whatever the umask), and returns the path.
QString writeTestFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content);
// What the file at path holds; empty when it cannot be read.
QByteArray readTestFile(const QString &path);

#endif
