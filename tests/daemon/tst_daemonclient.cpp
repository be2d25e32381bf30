// The daemon client against the stand-in daemon on a private system bus.

#include "daemon/middleware.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "support/bustestmain.h"
#include "support/logcapture.h"

#include <QSignalSpy>
#include <QThread>

using LogCounts = QMap<QString, int>;
Q_DECLARE_METATYPE(LogCounts)

namespace {

const QStringList GETTER_LABELS = { " Method getNotifyConfig", " Method getEventTotalCount",
    " Method generateLogFile", " Method getInterventionConfig", " Method getAiConfig", " Method getStatus" };
const QStringList ALL_METHODS = { "generateLogFile", "getAiConfig", "getEventTotalCount",
    "getInterventionConfig", "getNotifyConfig", "getServiceStatus", "installPackages", "restartService",
    "setAiConfig", "setInterventionConfig", "setNotifyConfig", "setServiceStatus" };

QList<int> times(int n, int value)
{
    return QVector<int>(n, value).toList();
}

QString returnedLine(const QString &label, int result)
{
    return QStringLiteral("%1 call returned:  %2").arg(label).arg(result);
}

// The getters' "call returned" line, once each, with result.
LogCounts gettersReturned(int result)
{
    LogCounts lines;
    for (const QString &label : GETTER_LABELS) {
        lines[returnedLine(label, result)] = 1;
    }
    return lines;
}

// Calls every getter (results in the order of GETTER_LABELS) and returns
// their out strings in *outs, "keep" where untouched.
QList<int> callGetters(QStringList *outs)
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    QString s[6] = { "keep", "keep", "keep", "keep", "keep", "keep" };
    const QList<int> results = { client->getNotifyConfig(s[0], s[1], s[2]), client->getEventTotalCount(s[3]),
        client->generateLogFile(), client->getInterventionConfig("block_ip", "whitelist", s[4]),
        client->getAiConfig("time_window", s[5]), client->getServiceStatus("tarvix-ebpf", 0) };
    *outs = QStringList { s[0], s[1], s[2], s[3], s[4], s[5] };
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

} // namespace

class TestDaemonClient : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, so this is where the process's one client is made, with no daemon.
    void initTestCase()
    {
        LogCapture log;
        TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
        QCOMPARE(TarvixDesktopDaemonClient::instance(), client);
        QCOMPARE(log.count("Failed to connect to com.zorva.tarvix.desktop service."), 1);
    }

    void cleanup()
    {
        QVERIFY2(m_daemon.stop(), qPrintable(m_daemon.errorString()));
        m_daemon.removeState();
    }

    // A missing daemon or a broken reply: no out string changes, getters
    // give their failure code, setters -1, and each says why in the log.
    void failedCalls_data()
    {
        QTest::addColumn<QString>("fault"); // stand-in option for every method; empty: no daemon
        QTest::addColumn<QList<int>>("getterResults");
        QTest::addColumn<LogCounts>("lines");
        QTest::addColumn<LogCounts>("linesContaining");

        LogCounts absent = gettersReturned(-3), error = gettersReturned(-3);
        absent["DBus interface is invalid."] = 6;
        for (const char *method : { "setNotifyConfig", "installPackages", "restartService", "setAiConfig",
                 "setServiceStatus", "setInterventionConfig" }) {
            error[QStringLiteral("Error calling Method:  \"%1 failed (injected by the stand-in daemon)\"")
                      .arg(method)]
                = 1;
        }
        LogCounts noReply = gettersReturned(-2);
        noReply["Error calling Method:  \"Did not receive a reply (injected by the stand-in daemon)\""] = 6;

        QTest::newRow("no daemon") << QString() << times(6, -3) << absent
                                   << LogCounts { { "call returned", 6 } }; // the getters' lines only
        QTest::newRow("error") << "--error" << times(6, -3) << error << LogCounts();
        QTest::newRow("no reply") << "--no-reply" << times(6, -2) << noReply << LogCounts();
        // One value short: getters with strings keep the result code but not
        // the strings; replies left without any value are failures.
        QTest::newRow("short reply") << "--short-reply" << QList<int>({ 0, 0, -3, 0, 0, -3 })
                                     << LogCounts { { "No reply received from method ca1l.", 6 } }
                                     << LogCounts();
        // A result code that is no number must not pass for success.
        QTest::newRow("wrong type") << "--wrong-type" << times(6, -3)
                                    << LogCounts { { returnedLine(" Method SetStatus", -1), 1 } }
                                    << LogCounts();
    }

    void failedCalls()
    {
        QFETCH(QString, fault);
        QFETCH(QList<int>, getterResults);
        QFETCH(LogCounts, lines);
        QFETCH(LogCounts, linesContaining);
        if (!fault.isEmpty()) {
            QStringList options;
            for (const QString &method : ALL_METHODS) {
                options << fault << method;
            }
            TARVIX_START_DAEMON(m_daemon, options);
        }
        LogCapture log;
        QStringList outs;
        QCOMPARE(callGetters(&outs), getterResults);
        QCOMPARE(outs, QStringList(QVector<QString>(6, "keep").toList()));
        QCOMPARE(callSetters(), times(6, -1));
        for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
            QVERIFY2(log.count(it.key()) == it.value(), qPrintable(it.key()));
        }
        for (auto it = linesContaining.cbegin(); it != linesContaining.cend(); ++it) {
            QCOMPARE(log.countContaining(it.key()), it.value());
        }
    }

    // The client made while the daemon was away works once it is there.
    void gettersAndSettersRoundTrip()
    {
        TARVIX_START_DAEMON(m_daemon, {});
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
        QVERIFY(QFileInfo::exists(m_daemon.snapshotPath()));
        QCOMPARE(log.countContaining("call returned"), 0); // successful getters are quiet

        QCOMPARE(client->setNotifyConfig("yes", "-1", "yes"), 0);
        QCOMPARE(log.count(returnedLine(" Method SetNotifyConfig", 0)), 1);
        const QString allServices = "tarvix-research tarvix-logscan tarvix-rootcheck tarvix-ebpf";
        QCOMPARE(client->setServiceStatus(allServices, 0, 0), 0);
        QCOMPARE(log.count(returnedLine(" Method SetStatus", 0)), 1);
        // The values went over the wire with the types the daemon expects.
        QVERIFY(m_daemon.output().contains(QString("call setServiceStatus(\"%1\", 0, 0)").arg(allServices)));
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
    }

    void installationSignalsRelayed()
    {
        TARVIX_START_DAEMON(m_daemon, { "--install-step-ms", "10", "--decoy-signals" });
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

        TARVIX_START_DAEMON(m_daemon, { "--install-outcome", "fail", "--install-step-ms", "10" });
        QCOMPARE(client->installPackages({ "tarvix-net-ai" }), 0);
        QCOMPARE(client->installPackages({ "tarvix-net-ai" }), 1); // one installation at a time
        QTRY_VERIFY(!finished.isEmpty());
        QVERIFY(finished.at(0).toInt() != 0);
        QVERIFY(!finished.at(2).toString().isEmpty());
        QCOMPARE(client->getServiceStatus("tarvix_net_ai", 2), 2);

        finished.clear();
        TARVIX_START_DAEMON(m_daemon, { "--install-outcome", "busy", "--install-step-ms", "10" });
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
