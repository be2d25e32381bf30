// The alert store against the stand-in daemon: loads off the GUI thread,
// supersession, delivery to every requester, failures.

#include "alertstore/alertstore.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

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

private slots:
    void init();
    void cleanup();
    void deliversOneSharedListToEveryRequester();
    void aNewerRequestSupersedesARunningLoad();
    void failedLoadKeepsTheLastGoodList();

private:
    int generateCalls() const { return m_sim.output().count("call generateLogFile"); }

    DaemonSimFixture m_sim;
    QString m_log;
};

void TestAlertStore::init()
{
    // Three alerts, one below level 12.
    m_log = m_sim.filePath("alerts.log");
    QFile file(m_log);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int level : { 12, 3, 15 }) {
        file.write("** Alert a" + QByteArray::number(level)
            + ": - syslog,\n2024 Mar 05 10:11:" + QByteArray::number(level) + " host->file\nRule: 1 (level "
            + QByteArray::number(level) + ") -> 'x'\nraw\n\n");
    }
    file.close();
    m_sim.setSnapshotPath("/tmp/tarvix_alerts.log");
}

void TestAlertStore::cleanup()
{
    // Whatever a test left running ends, so the next one starts idle.
    m_sim.stop();
    QTRY_VERIFY(!AlertStore::instance()->isLoading());
}

void TestAlertStore::deliversOneSharedListToEveryRequester()
{
    TARVIX_START_DAEMON(m_sim, { "--alerts", m_log, "--delay", "generateLogFile=300" });
    AlertStore *store = AlertStore::instance();
    QObject first, second, gone;
    Delivered toFirst, toSecond, toGone;
    QElapsedTimer timer;
    timer.start();
    store->requestFresh(&first, recordInto(toFirst));
    QVERIFY(timer.elapsed() < 100); // the daemon's delay is not waited for here
    QVERIFY(store->isLoading());
    {
        QObject temporary;
        store->requestFresh(&temporary, recordInto(toGone));
    }
    store->requestFresh(&second, recordInto(toSecond));

    QTRY_COMPARE(toSecond.calls, 1);
    QCOMPARE(toFirst.calls, 1);
    QCOMPARE(toGone.calls, 0); // its requester is gone
    QCOMPARE(toFirst.result, 0);
    QCOMPARE(toFirst.thread, QThread::currentThreadId());
    QVERIFY(toFirst.alerts == toSecond.alerts); // one list, shared
    QVERIFY(toFirst.alerts == store->current());
    QCOMPARE(int(toFirst.alerts->size()), 2);
    QCOMPARE(toFirst.alerts->front().alertId, std::string("a15")); // newest first
    QVERIFY(!store->isLoading());

    // A requester asking twice before the answer hears once.
    store->requestFresh(&first, recordInto(toFirst));
    store->requestFresh(&first, recordInto(toFirst));
    QTRY_COMPARE(toFirst.calls, 2);
    QTest::qWait(400);
    QCOMPARE(toFirst.calls, 2);
    QVERIFY(toFirst.alerts != toSecond.alerts); // a fresh snapshot
}

void TestAlertStore::aNewerRequestSupersedesARunningLoad()
{
    TARVIX_START_DAEMON(m_sim, { "--alerts", m_log, "--delay", "generateLogFile=400" });
    AlertStore *store = AlertStore::instance();
    QObject early, late;
    Delivered toEarly, toLate;
    store->requestFresh(&early, recordInto(toEarly));
    QTRY_COMPARE(generateCalls(), 1);
    store->requestFresh(&late, recordInto(toLate));

    // The first load's result is not delivered: both hear from the second.
    QTRY_COMPARE(generateCalls(), 2);
    QCOMPARE(toEarly.calls, 0);
    QTRY_COMPARE(toEarly.calls, 1);
    QCOMPARE(toLate.calls, 1);
    QVERIFY(toEarly.alerts == toLate.alerts);
    QCOMPARE(generateCalls(), 2); // one load at a time, none after
}

void TestAlertStore::failedLoadKeepsTheLastGoodList()
{
    AlertStore *store = AlertStore::instance();
    TARVIX_START_DAEMON(m_sim, { "--alerts", m_log });
    QObject page;
    Delivered delivered;
    store->requestFresh(&page, recordInto(delivered));
    QTRY_COMPARE(delivered.calls, 1);
    const AlertList good = delivered.alerts;

    TARVIX_START_DAEMON(m_sim, { "--alerts", m_log, "--error", "generateLogFile" });
    store->requestFresh(&page, recordInto(delivered));
    QTRY_COMPARE(delivered.calls, 2);
    QCOMPARE(delivered.result, -3);
    QVERIFY(delivered.alerts->empty()); // what this load read: nothing
    QVERIFY(store->current() == good);

    // The daemon gone altogether: a failure too, never an empty success.
    QVERIFY(m_sim.stop());
    store->requestFresh(&page, recordInto(delivered));
    QTRY_COMPARE(delivered.calls, 3);
    QVERIFY(delivered.result != 0);
    QVERIFY(store->current() == good);
}

TARVIX_BUS_TEST_GUILESS_MAIN(TestAlertStore)
#include "tst_alertstore.moc"
