// The daemon client against the stand-in daemon on a private system bus, from
// the GUI thread and from workers at once.

#include "daemon/middleware.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "daemon/tarvixdesktopdaemoninterface.h"
#include "support/bustestmain.h"

#include <QSignalSpy>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// "method name(direction type name, ...)" of every member of the daemon's
// interface, and "interface name" of every other one but D-Bus's own.
QStringList membersOf(const QString &xml)
{
    QStringList members;
    QXmlStreamReader reader(xml);
    bool ours = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString tag = reader.name().toString(), name = reader.attributes().value("name").toString();
        if (reader.isStartElement() && tag == "interface") {
            ours = name == DaemonSimFixture::INTERFACE_NAME;
            if (!ours && !name.startsWith("org.freedesktop.DBus."))
                members << "interface " + name;
        } else if (ours && reader.isStartElement() && (tag == "method" || tag == "signal")) {
            members << tag + ' ' + name + '(';
        } else if (ours && reader.isStartElement() && tag == "arg") {
            const QStringList arg = { reader.attributes().value("direction").toString(),
                reader.attributes().value("type").toString(), name };
            members.last() += (members.last().endsWith('(') ? "" : ", ") + arg.join(' ').trimmed();
        } else if (ours && reader.isEndElement() && (tag == "method" || tag == "signal")) {
            members.last() += ')';
        }
    }
    return members;
}

QDBusMessage replyWith(const QVariantList &values)
{
    return QDBusMessage::createMethodCall("a.b", "/a", "a.b", "m").createReply(values);
}

// Every getter's result; *outs gets their out strings, "keep" where untouched.
QList<int> callGetters(QStringList *outs)
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    QString s[6] = { "keep", "keep", "keep", "keep", "keep", "keep" };
    const QList<int> results = { client->getNotifyConfig(s[0], s[1], s[2]), client->getEventTotalCount(s[3]),
        client->generateLogFile(), client->getInterventionConfig("block_ip", "whitelist", s[4]),
        client->getAiConfig("time_window", s[5]), client->getServiceStatus("tarvix-ebpf", 0) };
    *outs = QStringList(std::begin(s), std::end(s));
    return results;
}

QList<int> callSetters()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    return { client->setNotifyConfig("no", "10", "no"), client->installPackages({ "tarvix-net-ai" }),
        client->restartService("tarvix-research"), client->setAiConfig("time_window", "200"),
        client->setServiceStatus("tarvix-ebpf", 1, 0),
        client->setInterventionConfig("block_ip", "blockip_timeout", "60s") };
}

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

class TestDaemonClient : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the first instance() calls come from two workers at once, with no daemon there yet.
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
        QVERIFY(seen[0] && seen[0] == seen[1] && seen[0] == TarvixDesktopDaemonClient::instance());
        // It lives on the GUI thread, where its signals are delivered.
        QCOMPARE(seen[0]->thread(), qApp->thread());
    }

    void cleanup()
    {
        QVERIFY2(m_daemon.stop(), qPrintable(m_daemon.errorString()));
        QFile::remove(m_daemon.statePath());
    }

    // A missing daemon or a broken reply: no out string changes, getters give
    // their failure code and setters -1.
    void failedCalls_data()
    {
        QTest::addColumn<QString>("fault"); // stand-in option for every method; empty: no daemon
        QTest::addColumn<int>("getterResult"); // of every getter
        QTest::newRow("no daemon") << QString() << -3;
        QTest::newRow("error") << "--error" << -3;
        QTest::newRow("no reply") << "--no-reply" << -2;
        // A result code without the values it comes with is a failed read, not a success.
        QTest::newRow("short reply") << "--short-reply" << -3;
        // A result code that is no number must not pass for success.
        QTest::newRow("wrong type") << "--wrong-type" << -3;
    }

    void failedCalls()
    {
        QFETCH(QString, fault);
        QFETCH(int, getterResult);
        if (!fault.isEmpty()) {
            QStringList options;
            for (const char *method :
                { "generateLogFile", "getAiConfig", "getEventTotalCount", "getInterventionConfig",
                    "getNotifyConfig", "getServiceStatus", "installPackages", "restartService", "setAiConfig",
                    "setInterventionConfig", "setNotifyConfig", "setServiceStatus" })
                options << fault << method;
            TARVIX_START_DAEMON(m_daemon, options);
        }
        QStringList outs;
        QCOMPARE(callGetters(&outs), QVector<int>(6, getterResult).toList());
        QCOMPARE(outs, QStringList({ "keep", "keep", "keep", "keep", "keep", "keep" }));
        QCOMPARE(callSetters(), QList<int>({ -1, -1, -1, -1, -1, -1 }));
    }

    // The client made while the daemon was away works once it is there;
    // values go over the wire with the types the daemon expects.
    void gettersAndSettersRoundTrip()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        QStringList outs;
        QCOMPARE(callGetters(&outs), QList<int>({ 0, 0, 0, 0, 0, 1 }));
        QCOMPARE(outs, QStringList({ "no", "10", "no", "1024", "127.0.0.1 192.168.1.1", "100" }));
        QVERIFY(QFileInfo::exists(m_daemon.snapshotPath()));
        QCOMPARE(client->getServiceStatus("tarvix_net_ai", 2), 2);

        QCOMPARE(callSetters(), QList<int>({ 0, 0, 0, 0, 0, 0 }));
        const QString allServices = "tarvix-research tarvix-logscan tarvix-rootcheck tarvix-ebpf";
        QCOMPARE(client->setServiceStatus(allServices, 0, 0), 0);
        QVERIFY(m_daemon.output().contains(QString("call setServiceStatus(\"%1\", 0, 0)").arg(allServices)));
        // The daemon's own refusals come through unchanged.
        QCOMPARE(client->restartService("tarvix-nonexistent"), 3);
        QCOMPARE(client->setNotifyConfig("perhaps", "10", "no"), 4);

        // What was set outlives a killed daemon.
        QVERIFY(m_daemon.kill());
        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(callGetters(&outs), QList<int>({ 0, 0, 0, 0, 0, 0 }));
        QCOMPARE(outs, QStringList({ "no", "10", "no", "1024", "127.0.0.1 192.168.1.1", "200" }));
        QCOMPARE(client->getServiceStatus("tarvix-rootcheck", 1), 1);
        QCOMPARE(client->getInterventionConfig("block_ip", "blockip_timeout", outs[0]), 0);
        QCOMPARE(outs[0], QString("60s"));
    }

    void installation()
    {
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        QList<int> percents;
        QStringList texts;
        QVariantList finished;
        bool onGuiThread = true;
        QObject receiver;
        connect(client, &TarvixDesktopDaemonClient::signal_installProgress, &receiver,
            [&](int percent, const QString &status, const QString &details) {
                percents << percent;
                texts << status << details;
                onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
            });
        connect(client, &TarvixDesktopDaemonClient::signal_installFinished, &receiver,
            [&](int success, QStringList &packages, QString errorCode, QString errorMsg) {
                finished << success << packages << errorCode << errorMsg;
            });

        // Signals the stand-in also sends under the bare service name are not relayed.
        TARVIX_START_DAEMON(m_daemon, { "--install-step-ms", "10", "--decoy-signals" });
        tarvixDesktopDaemonInterface proxy(
            DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH, QDBusConnection::systemBus());
        QSignalSpy proxyProgress(&proxy, &tarvixDesktopDaemonInterface::installProgress);
        QCOMPARE(QDBusReply<int>(proxy.installPackages({ "tarvix-net-ai" })).value(), 0);
        QTRY_VERIFY(!finished.isEmpty());
        QCOMPARE(proxyProgress.count(), 5);
        QCOMPARE(percents, QList<int>({ 0, 35, 60, 85, 100 }));
        QVERIFY2(!texts.contains("decoy"), qPrintable(texts.join('|')));
        QVERIFY(m_daemon.output().contains("decoy signal installFinished"));
        QCOMPARE(finished, QVariantList({ 0, QStringList { "tarvix-net-ai" }, QString(), QString() }));
        QVERIFY(onGuiThread);
        QCOMPARE(client->getServiceStatus("tarvix_net_ai", 2), 1);
    }

    void daemonInterface()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        const QDBusMessage reply
            = QDBusConnection::systemBus().call(QDBusMessage::createMethodCall(DaemonSimFixture::SERVICE_NAME,
                DaemonSimFixture::OBJECT_PATH, "org.freedesktop.DBus.Introspectable", "Introspect"));
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(membersOf(reply.arguments().at(0).toString()).join('\n'),
            QString(R"(method generateLogFile(out i result)
method getAiConfig(in s key, out i result, out s value)
method getEventTotalCount(out i result, out s count)
method getInterventionConfig(in s actionName, in s fieldName, out i result, out s fieldValue)
method getNotifyConfig(out i result, out s notifyDisabled, out s notifyTimeout, out s notifyFold)
method getServiceStatus(in s serviceName, in i type, out i result)
method installPackages(in as packagePaths, out i result)
method restartService(in s serviceName, out i result)
method setAiConfig(in s key, in s value, out i result)
method setInterventionConfig(in s actionName, in s fieldName, in s fieldValue, out i result)
method setNotifyConfig(in s notifyDisabled, in s notifyTimeout, in s notifyFold, out i result)
method setServiceStatus(in s serviceName, in i status, in i type, out i result)
signal installProgress(i percent, s status, s details)
signal installFinished(i success, as packages, s errorCode, s errorMsg))"));
    }

    void outValuesOnlyFromCompleteReplies()
    {
        QString a = "keep", b = "keep";
        for (const QDBusMessage &reply :
            { replyWith({ 0, "x" }), replyWith({ 0, "x", "y", "z" }), replyWith({ "0", "x", "y" }),
                replyWith({ 0, "x", 5 }), QDBusMessage::createError("a.b.Failed", "no") })
            QVERIFY(!tarvixDesktopDaemonInterface::takeStringValues(reply, { &a, &b }));
        QCOMPARE(QStringList({ a, b }), QStringList({ "keep", "keep" }));
        QVERIFY(tarvixDesktopDaemonInterface::takeStringValues(replyWith({ 7, "x", "y" }), { &a, &b }));
        QCOMPARE(QStringList({ a, b }), QStringList({ "x", "y" }));
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
        TARVIX_START_DAEMON(m_daemon, {});
        QVERIFY(m_daemon.stop());
        int setter = 0, getter = 0;
        auto absent = startThread([&] {
            setter = client->setServiceStatus("tarvix-ebpf", 1, 0);
            getter = client->getServiceStatus("tarvix-ebpf", 0);
        });
        QVERIFY(absent->wait(10000));
        QCOMPARE(QList<int>({ setter, getter }), QList<int>({ -1, -3 }));

        TARVIX_START_DAEMON(m_daemon, {});
        auto present = startThread([&] { setter = client->setServiceStatus("tarvix-ebpf", 1, 0); });
        QVERIFY(present->wait(10000));
        QCOMPARE(setter, 0);
    }

    void middlewareRelaysInstallUpdate()
    {
        QSignalSpy updates(Middleware::instance(), &Middleware::installUpdate);
        Middleware::instance()->receiveMessage(QString());
        QCOMPARE(updates.count(), 1);
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestDaemonClient)
#include "tst_daemonclient.moc"
