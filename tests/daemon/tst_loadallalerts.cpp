// loadAllAlerts end to end: the stand-in daemon writes the real snapshot
// path from a generated alerts log and the list is read from it.

#include "alertengine/alertloader.h"
#include "support/bustestmain.h"

#include <QLocale>
#include <QProcess>

#include <iostream>
#include <sstream>

namespace {

// Captures what is written to std::cerr while it exists.
class CerrCapture
{
public:
    CerrCapture()
        : m_previous(std::cerr.rdbuf(m_text.rdbuf()))
    {
    }
    ~CerrCapture() { std::cerr.rdbuf(m_previous); }
    std::string text() const { return m_text.str(); }

private:
    std::ostringstream m_text;
    std::streambuf *m_previous;
};

struct ExpectedAlert
{
    int level = 0;
    qint64 timeNs = 0;
};

// Reads ids, levels and dates straight from the log text, independently of
// the block reader.
QHash<QString, ExpectedAlert> scanAlerts(const QString &path)
{
    QHash<QString, ExpectedAlert> alerts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return alerts;
    }
    QString id;
    bool dateLine = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith("** Alert ")) {
            id = line.mid(9, line.indexOf(':') - 9);
            dateLine = true;
        } else if (dateLine) {
            const QDateTime when = QLocale::c().toDateTime(line.left(20), "yyyy MMM dd HH:mm:ss");
            alerts[id].timeNs = when.toSecsSinceEpoch() * 1000000000LL;
            dateLine = false;
        } else if (line.startsWith("Rule: ")) {
            alerts[id].level = line.section("(level ", 1).section(')', 0, 0).toInt();
        }
    }
    return alerts;
}

} // namespace

class TestLoadAllAlerts : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_daemon.setSnapshotPath(QString::fromLatin1(ALERT_SNAPSHOT_PATH)); }
    void cleanup() { QVERIFY(m_daemon.stop()); }
    void cleanupTestCase() { QFile::remove(ALERT_SNAPSHOT_PATH); }

    void loadsTheDaemonsSnapshotNewestFirst()
    {
        const QString alerts = m_daemon.filePath("alerts.log");
        QProcess generator;
        generator.start(
            TARVIX_ALERTGEN_PATH, { "--count", "3000", "--days", "20", "--seed", "11", "--out", alerts });
        QVERIFY(generator.waitForFinished(30000));
        QCOMPARE(generator.exitCode(), 0);
        const QHash<QString, ExpectedAlert> expected = scanAlerts(alerts);
        QCOMPARE(expected.size(), 3000);
        QSet<QString> shown;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (it->level >= 12) {
                shown.insert(it.key());
            }
        }
        QVERIFY(shown.size() > 100 && shown.size() < 3000); // the log has both kinds

        QFile::remove(ALERT_SNAPSHOT_PATH);
        TARVIX_START_DAEMON(m_daemon, { "--alerts", alerts });
        std::vector<loginfo> list;
        QCOMPARE(loadAllAlerts(list), 0);

        QCOMPARE(int(list.size()), shown.size());
        const auto newestFirst = [](const loginfo &a, const loginfo &b) { return a.timeNs > b.timeNs; };
        QVERIFY(std::is_sorted(list.begin(), list.end(), newestFirst));
        QSet<QString> loaded;
        for (const loginfo &alert : list) {
            const QString id = QString::fromStdString(alert.alertId);
            loaded.insert(id);
            QCOMPARE(alert.timeNs, expected.value(id).timeNs);
            QCOMPARE(alert.level, expected.value(id).level);
        }
        QCOMPARE(loaded, shown);

        // A reload is appended and the whole list sorted again.
        QCOMPARE(loadAllAlerts(list), 0);
        QCOMPARE(int(list.size()), 2 * shown.size());
        QVERIFY(std::is_sorted(list.begin(), list.end(), newestFirst));
    }

    // The daemon answers with an error, or is not there at all.
    void failingDaemonLeavesTheListAlone()
    {
        loginfo kept;
        kept.alertId = "kept";
        std::vector<loginfo> list { kept };
        TARVIX_START_DAEMON(m_daemon, { "--error", "generateLogFile" });
        for (int round = 0; round < 2; ++round) {
            CerrCapture errors;
            QCOMPARE(loadAllAlerts(list), -3);
            QCOMPARE(errors.text(), std::string("generate log file error\n"));
            QCOMPARE(int(list.size()), 1);
            QCOMPARE(list[0].alertId, std::string("kept"));
            QVERIFY(m_daemon.stop());
        }
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestLoadAllAlerts)
#include "tst_loadallalerts.moc"
