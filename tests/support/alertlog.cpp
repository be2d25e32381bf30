#include "support/alertlog.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

QByteArray alertBlock(const TestAlert &alert, int position)
{
    const QByteArray id = alert.id.isEmpty() ? "a" + QByteArray::number(position) : alert.id;
    const QByteArray dateLine = !alert.dateLine.isEmpty()
        ? alert.dateLine
        : QLocale::c().toString(alert.time, "yyyy MMM dd HH:mm:ss").toLatin1() + ' ' + alert.location;
    QByteArray ruleLine = alert.ruleLine;
    if (ruleLine.isNull())
        ruleLine = "Rule: " + QByteArray::number(alert.rule) + " (level " + QByteArray::number(alert.level)
            + ") -> '" + alert.comment + "'";
    QByteArray block = "** Alert " + id + ": - syslog,\n" + dateLine + '\n' + ruleLine + '\n';
    if (!alert.srcIp.isEmpty())
        block += "Src IP: " + alert.srcIp + '\n';
    if (!alert.user.isEmpty())
        block += "User: " + alert.user + '\n';
    for (const QByteArray &line : alert.raw)
        block += line + '\n';
    return block + '\n';
}

QByteArray alertLog(const QList<TestAlert> &alerts)
{
    QByteArray log;
    for (int i = 0; i < alerts.size(); ++i)
        log += alertBlock(alerts[i], i);
    return log;
}

QList<TestAlert> recentAlerts(int count, int level)
{
    QList<TestAlert> alerts;
    const QDateTime newest = QDateTime::currentDateTime().addSecs(-3600);
    for (int i = 0; i < count; ++i) {
        TestAlert alert;
        alert.time = newest.addSecs(60 * (i + 1 - count));
        alert.level = level;
        alert.comment = "alert " + QByteArray::number(i);
        alerts << alert;
    }
    return alerts;
}

QString writeTestFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    file.setPermissions(
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return path;
}

QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
