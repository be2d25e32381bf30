// The alert store against the stand-in daemon.

#include "alertstore/alertstore.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"

namespace {

struct Delivered
{
    int calls = 0;
    AlertList alerts;
    int result = 1;
    Qt::HANDLE thread = nullptr;
};

AlertStore::Delivery recordInto(Delivered &delivered)
{
    return [&delivered](const AlertList &alerts, int result) {
        ++delivered.calls;
        delivered.alerts = alerts;
        delivered.result = result;
        delivered.thread = QThread::currentThreadId();
    };
}

} // namespace

class TestAlertStore : public QObject
{
    Q_OBJECT

    DaemonSimFixture m_sim;
    QTemporaryDir m_dir;
    QString m_log;
    AlertStore *m_store = AlertStore::instance();

    int generateCalls() const { return m_sim.output().count("call generateLogFile"); }

private slots:
    void initTestCase()
    {
        QList<TestAlert> alerts = recentAlerts(3);
        alerts[1].level = 3;
        m_log = writeTestFile(m_dir, "alerts.log", alertLog(alerts));
        m_sim.setSnapshotPath("/tmp/tarvix_alerts.log");
    }

    void cleanup()
    {
        // Whatever a test left running ends, so the next one starts idle.
        m_sim.stop();
        QTRY_VERIFY(!m_store->isLoading());
    }

    void deliversOneSharedListToEveryRequester()
    {
        TARVIX_START_DAEMON(m_sim, { "--alerts", m_log, "--delay", "generateLogFile=300" });
        QObject first, second;
        Delivered toFirst, toSecond, toGone;
        QElapsedTimer timer;
        timer.start();
        m_store->requestFresh(&first, recordInto(toFirst));
        QVERIFY(timer.elapsed() < 100 && m_store->isLoading()); // the daemon's delay is not waited for
        {
            QObject gone;
            m_store->requestFresh(&gone, recordInto(toGone));
        }
        m_store->requestFresh(&second, recordInto(toSecond));

        QTRY_COMPARE(toSecond.calls, 1);
        // Delivered once and well; not to a requester that is gone.
        QCOMPARE(QList<int>({ toFirst.calls, toFirst.result, toGone.calls }), QList<int>({ 1, 0, 0 }));
        QCOMPARE(toFirst.thread, QThread::currentThreadId());
        QVERIFY(
            toFirst.alerts == toSecond.alerts && toFirst.alerts == m_store->current()); // one list, shared
        QCOMPARE(int(toFirst.alerts->size()), 2);
        QCOMPARE(toFirst.alerts->front().alertId, std::string("a2")); // newest first
        QVERIFY(!m_store->isLoading());

        // A requester asking twice before the answer hears once.
        m_store->requestFresh(&first, recordInto(toFirst));
        m_store->requestFresh(&first, recordInto(toFirst));
        QTRY_COMPARE(toFirst.calls, 2);
        QTest::qWait(400);
        QCOMPARE(toFirst.calls, 2);
        QVERIFY(toFirst.alerts != toSecond.alerts); // a fresh snapshot
    }

    void aNewerRequestSupersedesARunningLoad()
    {
        TARVIX_START_DAEMON(m_sim, { "--alerts", m_log, "--delay", "generateLogFile=400" });
        QObject early, late;
        Delivered toEarly, toLate;
        m_store->requestFresh(&early, recordInto(toEarly));
        QTRY_COMPARE(generateCalls(), 1);
        m_store->requestFresh(&late, recordInto(toLate));

        // The first load's result is not delivered: both hear from the second.
        QTRY_COMPARE(generateCalls(), 2);
        QCOMPARE(toEarly.calls, 0);
        QTRY_COMPARE(toEarly.calls, 1);
        QVERIFY(toLate.calls == 1 && toEarly.alerts == toLate.alerts);
        QCOMPARE(generateCalls(), 2); // one load at a time, none after
    }

    void failedLoadKeepsTheLastGoodList()
    {
        TARVIX_START_DAEMON(m_sim, { "--alerts", m_log });
        QObject page;
        Delivered delivered;
        m_store->requestFresh(&page, recordInto(delivered));
        QTRY_COMPARE(delivered.calls, 1);
        const AlertList good = delivered.alerts;

        TARVIX_START_DAEMON(m_sim, { "--alerts", m_log, "--error", "generateLogFile" });
        m_store->requestFresh(&page, recordInto(delivered));
        QTRY_COMPARE(delivered.calls, 2);
        QVERIFY(delivered.result == -3 && delivered.alerts->empty()); // what this load read: nothing
        QVERIFY(m_store->current() == good);
        std::vector<loginfo> kept(1);
        QCOMPARE(loadAllAlerts(kept), -3);
        QCOMPARE(kept.size(), size_t(1));

        // The daemon gone altogether: a failure too, never an empty success.
        QVERIFY(m_sim.stop());
        m_store->requestFresh(&page, recordInto(delivered));
        QTRY_COMPARE(delivered.calls, 3);
        QVERIFY(delivered.result != 0 && m_store->current() == good);
    }
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestAlertStore)
#include "tst_alertstore.moc"
