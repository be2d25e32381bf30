// loadAllAlerts end to end: the stand-in daemon writes the real snapshot
// path from a generated alerts log and the list is read from it.

#include "alertengine/alertloader.h"
#include "support/bustestmain.h"

#include <QProcess>

namespace {

// "id time" of every alert, in a fixed order; whether the list is sorted.
QStringList idsOf(const std::vector<loginfo> &list, bool *newestFirst = nullptr)
{
    QStringList ids;
    for (const loginfo &alert : list)
        ids << QString::fromStdString(alert.alertId + ' ' + std::to_string(alert.timeNs));
    if (newestFirst)
        *newestFirst = std::is_sorted(
            list.begin(), list.end(), [](const loginfo &a, const loginfo &b) { return a.timeNs > b.timeNs; });
    ids.sort();
    return ids;
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
        QCOMPARE(QProcess::execute(TARVIX_ALERTGEN_PATH,
                     { "--count", "3000", "--days", "20", "--seed", "11", "--out", alerts }),
            0);
        std::vector<loginfo> expected;
        QCOMPARE(loadAlertLog(alerts.toStdString(), expected), 0);
        QVERIFY(expected.size() > 100 && expected.size() < 3000); // the log has both kinds

        QFile::remove(ALERT_SNAPSHOT_PATH);
        TARVIX_START_DAEMON(m_daemon, { "--alerts", alerts });
        std::vector<loginfo> list;
        bool newestFirst = false;
        QCOMPARE(loadAllAlerts(list), 0);
        QCOMPARE(idsOf(list, &newestFirst), idsOf(expected));
        QVERIFY(newestFirst);

        // A reload is appended and the whole list sorted again.
        QCOMPARE(loadAllAlerts(list), 0);
        const std::vector<loginfo> once = expected;
        expected.insert(expected.end(), once.begin(), once.end());
        QCOMPARE(idsOf(list, &newestFirst), idsOf(expected));
        QVERIFY(newestFirst);
    }

    // The daemon answers with an error, or is not there at all: a failure,
    // and the list as it was.
    void failingDaemonLeavesTheListAlone()
    {
        std::vector<loginfo> list(1);
        list[0].alertId = "kept";
        TARVIX_START_DAEMON(m_daemon, { "--error", "generateLogFile" });
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(loadAllAlerts(list), -3);
            QCOMPARE(idsOf(list), QStringList { "kept 0" });
            QVERIFY(m_daemon.stop());
        }
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestLoadAllAlerts)
#include "tst_loadallalerts.moc"
