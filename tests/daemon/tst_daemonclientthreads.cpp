// The client used from the GUI thread and from worker threads at once, as the
// settings pages' Confirm tasks do.

#include "daemon/tarvixdesktopdaemonclient.h"
#include "support/bustestmain.h"

#include <QSemaphore>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// Runs work on a fresh thread; the result is read after wait().
std::unique_ptr<QThread> startThread(std::function<void()> work)
{
    std::unique_ptr<QThread> thread(QThread::create(std::move(work)));
    thread->start();
    return thread;
}

// Whether writing value to the AI setting key and reading it back failed.
int roundTripFailed(const char *key, int value)
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    QString read;
    return client->setAiConfig(key, QString::number(value)) != 0 || client->getAiConfig(key, read) != 0
        || read != QString::number(value);
}

} // namespace

class TestDaemonClientThreads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TARVIX_START_DAEMON(m_daemon, {}); }

    // Runs first: the first instance() calls come from two workers at once.
    void firstInstanceFromTwoThreads()
    {
        QSemaphore go;
        TarvixDesktopDaemonClient *seen[2] = { nullptr, nullptr };
        const auto take = [&](int i) {
            return [&, i] {
                go.acquire();
                seen[i] = TarvixDesktopDaemonClient::instance();
            };
        };
        auto first = startThread(take(0)), second = startThread(take(1));
        go.release(2);
        QVERIFY(first->wait(10000) && second->wait(10000));
        QVERIFY(seen[0]);
        QCOMPARE(seen[0], seen[1]);
        QCOMPARE(seen[0], TarvixDesktopDaemonClient::instance());
        // It lives on the GUI thread, where its signals are delivered.
        QCOMPARE(seen[0]->thread(), qApp->thread());
    }

    // A slow write on a worker does not hold up the GUI thread's reads, and
    // neither thread ever gets the other's answer.
    void guiAndWorkersCallAtOnce()
    {
        TARVIX_START_DAEMON(m_daemon, { "--delay", "restartService=150" });
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();

        std::atomic<bool> slowDone { false };
        std::atomic<int> slowFailures { 0 }, busyFailures { 0 };
        auto slow = startThread([&] {
            for (int i = 0; i < 4; ++i)
                slowFailures += client->restartService("tarvix-research") != 0;
            slowDone = true;
        });
        // Each thread writes and reads back a key of its own.
        auto busy = startThread([&] {
            for (int i = 0; i < 150; ++i)
                busyFailures += roundTripFailed("syn_flood_threshold", 300 + i)
                    + (client->setServiceStatus("tarvix-ebpf", i % 2, 1) != 0);
        });
        int guiCalls = 0, guiFailures = 0, callsDuringSlowWrites = 0;
        for (; !slowDone || guiCalls < 150; ++guiCalls) {
            guiFailures += roundTripFailed("ack_flood_threshold", 400 + guiCalls)
                + (client->getServiceStatus("tarvix-rootcheck", 0) != 1);
            callsDuringSlowWrites += slowDone ? 0 : 1;
        }
        QVERIFY(slow->wait(20000) && busy->wait(20000));
        QCOMPARE(QList<int>({ slowFailures, busyFailures, guiFailures }), QList<int>({ 0, 0, 0 }));
        // 600 ms of writes on the worker; the GUI thread kept going meanwhile.
        QVERIFY2(callsDuringSlowWrites > 10, qPrintable(QString::number(callsDuringSlowWrites)));

        const QJsonObject ai = m_daemon.readState().value("ai").toObject();
        QCOMPARE(ai.value("syn_flood_threshold").toString(), QString("449"));
        QCOMPARE(ai.value("ack_flood_threshold").toString(), QString::number(400 + guiCalls - 1));
    }

    // Workers learn that the daemon went away and came back like the GUI
    // thread does, without reading the proxy's state behind its back.
    void workersFollowTheDaemon()
    {
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        QVERIFY(m_daemon.stop());
        int setter = 0, getter = 0;
        auto absent = startThread([&] {
            setter = client->setServiceStatus("tarvix-ebpf", 1, 0);
            getter = client->getServiceStatus("tarvix-ebpf", 0);
        });
        QVERIFY(absent->wait(10000));
        QCOMPARE(setter, -1);
        QCOMPARE(getter, -3);

        TARVIX_START_DAEMON(m_daemon, {});
        auto present = startThread([&] { setter = client->setServiceStatus("tarvix-ebpf", 1, 0); });
        QVERIFY(present->wait(10000));
        QCOMPARE(setter, 0);
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestDaemonClientThreads)
#include "tst_daemonclientthreads.moc"
