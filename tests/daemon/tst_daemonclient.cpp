// The daemon client against the stand-in daemon on a private system bus.

#include "daemon/middleware.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/logcapture.h"

#include <QSignalSpy>
#include <QThread>

namespace {

const QStringList GETTER_LABELS = { " Method getNotifyConfig", " Method getEventTotalCount",
    " Method generateLogFile", " Method getInterventionConfig", " Method getAiConfig", " Method getStatus" };
const QStringList SETTER_METHODS = { "setNotifyConfig", "installPackages", "restartService", "setAiConfig",
    "setServiceStatus", "setInterventionConfig" };
const QStringList ALL_METHODS = { "generateLogFile", "getAiConfig", "getEventTotalCount",
    "getInterventionConfig", "getNotifyConfig", "getServiceStatus", "installPackages", "restartService",
    "setAiConfig", "setInterventionConfig", "setNotifyConfig", "setServiceStatus" };

template<typename T> QList<T> times(int n, const T &value)
{
    QList<T> list;
    for (int i = 0; i < n; ++i) {
        list << value;
    }
    return list;
}

QString returnedLine(const QString &label, int result)
{
    return QStringLiteral("%1 call returned:  %2").arg(label).arg(result);
}

// Every fault option for every method, e.g. --error generateLogFile --error getAiConfig ...
QStringList forAllMethods(const QString &option)
{
    QStringList options;
    for (const QString &method : ALL_METHODS) {
        options << option << method;
    }
    return options;
}

struct GetterResults
{
    QList<int> results; // in the order of GETTER_LABELS
    QStringList outs; // every out string, "keep" where untouched
};

GetterResults callGetters()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    QString disabled = "keep", timeout = "keep", fold = "keep", count = "keep", field = "keep",
            value = "keep";
    GetterResults r;
    r.results << client->getNotifyConfig(disabled, timeout, fold) << client->getEventTotalCount(count)
              << client->generateLogFile() << client->getInterventionConfig("block_ip", "whitelist", field)
              << client->getAiConfig("time_window", value) << client->getServiceStatus("tarvix-ebpf", 0);
    r.outs << disabled << timeout << fold << count << field << value;
    return r;
}

QList<int> callSetters()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    return { client->setNotifyConfig("no", "10", "no"), client->installPackages({ "tarvix-net-ai" }),
        client->restartService("tarvix-research"), client->setAiConfig("time_window", "200"),
        client->setServiceStatus("tarvix-ebpf", 1, 0),
        client->setInterventionConfig("block_ip", "blockip_timeout", "60s") };
}

const QStringList UNTOUCHED = times(6, QString("keep"));

} // namespace

class TestDaemonClient : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY2(m_daemon.stop(), qPrintable(m_daemon.errorString()));
        m_daemon.removeState();
    }

    // Runs first, so this is where the process's one client is made.
    void absentDaemon()
    {
        LogCapture log;
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        QCOMPARE(TarvixDesktopDaemonClient::instance(), client);
        QCOMPARE(log.count("Failed to connect to com.zorva.tarvix.desktop service."), 1);

        const GetterResults getters = callGetters();
        QCOMPARE(getters.results, times(6, -3));
        QCOMPARE(getters.outs, UNTOUCHED);
        for (const QString &label : GETTER_LABELS) {
            QCOMPARE(log.count(returnedLine(label, -3)), 1);
        }

        QCOMPARE(callSetters(), times(6, -1));
        QCOMPARE(log.count("DBus interface is invalid."), 6);
        QCOMPARE(log.countContaining("call returned"), 6); // the getters' lines only
    }

    // The client made while the daemon was away works once it is there.
    void gettersAndSettersRoundTrip()
    {
        QVERIFY2(m_daemon.start(), qPrintable(m_daemon.errorString()));
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        LogCapture log;

        QString disabled, timeout, fold, count, value;
        QCOMPARE(client->getNotifyConfig(disabled, timeout, fold), 0);
        QCOMPARE(QStringList({ disabled, timeout, fold }), QStringList({ "no", "10", "no" }));
        QCOMPARE(client->getEventTotalCount(count), 0);
        QCOMPARE(count, QString("1024"));
        QCOMPARE(client->getInterventionConfig("block_ip", "whitelist", value), 0);
        QCOMPARE(value.split(' '), QStringList({ "127.0.0.1", "192.168.1.1" }));
        QCOMPARE(client->getInterventionConfig("block_ip", "blockip_timeout", value), 0);
        QCOMPARE(value, QString("600s"));
        QCOMPARE(client->getAiConfig("dns_flood_threshold", value), 0);
        QCOMPARE(value, QString("80"));
        QCOMPARE(client->getServiceStatus("tarvix-logscan", 1), 1);
        QCOMPARE(client->getServiceStatus("tarvix_net_ai", 2), 2);
        QCOMPARE(client->generateLogFile(), 0);
        QVERIFY(QFileInfo(m_daemon.snapshotPath()).exists());
        QCOMPARE(log.countContaining("call returned"), 0); // successful getters are quiet

        QCOMPARE(client->setNotifyConfig("yes", "-1", "yes"), 0);
        QCOMPARE(log.count(returnedLine(" Method SetNotifyConfig", 0)), 1);
        QCOMPARE(
            client->setServiceStatus("tarvix-research tarvix-logscan tarvix-rootcheck tarvix-ebpf", 0, 0), 0);
        QCOMPARE(log.count(returnedLine(" Method SetStatus", 0)), 1);
        QCOMPARE(client->setInterventionConfig("block_ip", "whitelist", "10.0.0.1 10.0.0.2"), 0);
        QCOMPARE(client->setAiConfig("dns_flood_threshold", "90"), 0);
        QCOMPARE(client->restartService("tarvix-research"), 0);
        QCOMPARE(log.count(returnedLine(" Method restartService", 0)), 1);
        // The daemon's own refusals come through unchanged.
        QCOMPARE(client->restartService("tarvix-nonexistent"), 3);
        QCOMPARE(client->setNotifyConfig("perhaps", "10", "no"), 4);

        QCOMPARE(client->getNotifyConfig(disabled, timeout, fold), 0);
        QCOMPARE(QStringList({ disabled, timeout, fold }), QStringList({ "yes", "-1", "yes" }));
        QCOMPARE(client->getServiceStatus("tarvix-rootcheck", 0), 0);
        QCOMPARE(client->getServiceStatus("tarvix-rootcheck", 1), 1);
        QCOMPARE(client->getInterventionConfig("block_ip", "whitelist", value), 0);
        QCOMPARE(value, QString("10.0.0.1 10.0.0.2"));
        QCOMPARE(client->getAiConfig("dns_flood_threshold", value), 0);
        QCOMPARE(value, QString("90"));

        // The values went over the wire with the types the daemon expects.
        QVERIFY(m_daemon.output().contains(
            R"(call setServiceStatus("tarvix-research tarvix-logscan tarvix-rootcheck tarvix-ebpf", 0, 0))"));
    }

    void errorReplies()
    {
        QVERIFY2(m_daemon.start(forAllMethods("--error")), qPrintable(m_daemon.errorString()));
        LogCapture log;
        const GetterResults getters = callGetters();
        QCOMPARE(getters.results, times(6, -3));
        QCOMPARE(getters.outs, UNTOUCHED);
        for (const QString &label : GETTER_LABELS) {
            QCOMPARE(log.count(returnedLine(label, -3)), 1);
        }
        QCOMPARE(callSetters(), times(6, -1));
        for (const QString &method : SETTER_METHODS) {
            const QString line
                = QStringLiteral("Error calling Method:  \"%1 failed (injected by the stand-in daemon)\"");
            QCOMPARE(log.count(line.arg(method)), 1);
        }
    }

    void noReplies()
    {
        QVERIFY2(m_daemon.start(forAllMethods("--no-reply")), qPrintable(m_daemon.errorString()));
        LogCapture log;
        const GetterResults getters = callGetters();
        QCOMPARE(getters.results, times(6, -2));
        QCOMPARE(getters.outs, UNTOUCHED);
        for (const QString &label : GETTER_LABELS) {
            QCOMPARE(log.count(returnedLine(label, -2)), 1);
        }
        QCOMPARE(callSetters(), times(6, -1));
        QCOMPARE(
            log.count("Error calling Method:  \"Did not receive a reply (injected by the stand-in daemon)\""),
            6);
    }

    // One value short: getters with strings keep the result code but not the
    // strings; replies left without any value are failures.
    void shortReplies()
    {
        QVERIFY2(m_daemon.start(forAllMethods("--short-reply")), qPrintable(m_daemon.errorString()));
        LogCapture log;
        const GetterResults getters = callGetters();
        QCOMPARE(getters.results, QList<int>({ 0, 0, -3, 0, 0, -3 }));
        QCOMPARE(getters.outs, UNTOUCHED);
        QCOMPARE(callSetters(), times(6, -1));
        QCOMPARE(log.count("No reply received from method ca1l."), 6);
    }

    // A result code that is no number must not pass for success.
    void wrongTypeReplies()
    {
        QVERIFY2(m_daemon.start(forAllMethods("--wrong-type")), qPrintable(m_daemon.errorString()));
        LogCapture log;
        const GetterResults getters = callGetters();
        QCOMPARE(getters.results, times(6, -3));
        QCOMPARE(getters.outs, UNTOUCHED);
        QCOMPARE(callSetters(), times(6, -1));
        QCOMPARE(log.count(returnedLine(" Method SetStatus", -1)), 1);
    }

    void installationSignalsRelayed()
    {
        QVERIFY2(m_daemon.start({ "--install-step-ms", "10", "--decoy-signals" }),
            qPrintable(m_daemon.errorString()));
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
        LogCapture log;

        QCOMPARE(client->installPackages({ "tarvix-net-ai" }), 0);
        QCOMPARE(log.count(returnedLine(" Method tarvix_install_packages", 0)), 1);
        QTRY_VERIFY(!finished.isEmpty());
        QCOMPARE(percents, QList<int>({ 0, 35, 60, 85, 100 }));
        QVERIFY2(!texts.contains("decoy"), qPrintable(texts.join('|')));
        QVERIFY(m_daemon.output().contains("decoy signal installFinished"));
        QCOMPARE(finished, QVariantList({ 0, QStringList { "tarvix-net-ai" }, QString(), QString() }));
        QVERIFY(onGuiThread);
        QCOMPARE(log.count(" slot_installProgress  35 \"downloading\""), 1);
        QCOMPARE(log.count(" slot_installFinished  (\"tarvix-net-ai\") 0"), 1);
        QCOMPARE(client->getServiceStatus("tarvix_net_ai", 2), 1);
    }

    void installationRefusedOrFailed()
    {
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        QVariantList finished;
        QObject receiver;
        connect(client, &TarvixDesktopDaemonClient::signal_installFinished, &receiver,
            [&](int success, QStringList &, QString errorCode, QString errorMsg) {
                finished << success << errorCode << errorMsg;
            });

        QVERIFY2(m_daemon.start({ "--install-outcome", "fail", "--install-step-ms", "10" }),
            qPrintable(m_daemon.errorString()));
        QCOMPARE(client->installPackages({ "tarvix-net-ai" }), 0);
        QCOMPARE(client->installPackages({ "tarvix-net-ai" }), 1); // one installation at a time
        QTRY_VERIFY(!finished.isEmpty());
        QVERIFY(finished.at(0).toInt() != 0);
        QVERIFY(!finished.at(2).toString().isEmpty());
        QCOMPARE(client->getServiceStatus("tarvix_net_ai", 2), 2);

        finished.clear();
        QVERIFY(m_daemon.stop());
        QVERIFY2(m_daemon.start({ "--install-outcome", "busy", "--install-step-ms", "10" }),
            qPrintable(m_daemon.errorString()));
        QCOMPARE(client->installPackages({ "tarvix-net-ai" }), 1);
        QTest::qWait(100);
        QVERIFY(finished.isEmpty());
    }

    void middlewareRelaysInstallUpdate()
    {
        LogCapture log;
        Middleware *middleware = Middleware::instance();
        QCOMPARE(Middleware::instance(), middleware);
        QCOMPARE(log.count("Middleware initialized"), 1);
        QSignalSpy updates(middleware, &Middleware::installUpdate);
        middleware->receiveMessage(QString());
        QCOMPARE(updates.count(), 1);
        QCOMPARE(log.count("Middleware get message"), 1);
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestDaemonClient)
#include "tst_daemonclient.moc"
