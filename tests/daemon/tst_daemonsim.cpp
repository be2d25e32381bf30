// The stand-in daemon itself: what it exports, what it remembers, and the
// snapshot it writes.

#include "support/bustestmain.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QXmlStreamReader>

#include <atomic>
#include <thread>

namespace {

QDBusMessage call(const QString &method, const QVariantList &args = {},
    const QString &interface = DaemonSimFixture::INTERFACE_NAME)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH, interface, method);
    message.setArguments(args);
    return QDBusConnection::systemBus().call(message);
}

int result(const QString &method, const QVariantList &args = {})
{
    const QDBusMessage reply = call(method, args);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toInt() : -100;
}

QString value(const QString &method, const QVariantList &args = {})
{
    return call(method, args).arguments().value(1).toString();
}

// "method name(direction type name, ...)" for every method and signal of the
// stand-in's interface; *others gets every other interface but D-Bus's own.
QStringList membersOf(const QString &xml, QStringList *others)
{
    QStringList members, arguments;
    QXmlStreamReader reader(xml);
    QString current, member;
    while (!reader.atEnd()) {
        reader.readNext();
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString tag = reader.name().toString(), name = attributes.value("name").toString();
        const bool isMember = tag == "method" || tag == "signal";
        if (reader.isStartElement() && tag == "interface") {
            current = name;
            if (current != DaemonSimFixture::INTERFACE_NAME && !current.startsWith("org.freedesktop.DBus.")) {
                *others << current;
            }
        } else if (current != DaemonSimFixture::INTERFACE_NAME) {
            continue;
        } else if (reader.isStartElement() && isMember) {
            member = tag + ' ' + name;
            arguments.clear();
        } else if (reader.isStartElement() && tag == "arg") {
            const QStringRef direction = attributes.value("direction");
            arguments << (direction.isEmpty() ? "signal" : direction.toString()) + ' '
                    + attributes.value("type").toString() + ' ' + name;
        } else if (reader.isEndElement() && isMember) {
            members << member + '(' + arguments.join(", ") + ')';
        }
    }
    return members;
}

// Exit code of the stand-in run with arguments; its standard output and error.
int runSim(const QStringList &arguments, QByteArray *out = nullptr, QByteArray *err = nullptr)
{
    QProcess process;
    process.start(DaemonSimFixture::programPath(), arguments);
    if (!process.waitForFinished()) {
        return -1;
    }
    if (out) {
        *out = process.readAllStandardOutput();
    }
    if (err) {
        *err = process.readAllStandardError();
    }
    return process.exitCode();
}

QByteArray alertsOf(char fill, int size)
{
    QByteArray text;
    while (text.size() < size) {
        text += QByteArray(79, fill) + '\n';
    }
    return text;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDaemonSim : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY2(m_daemon.stop(), qPrintable(m_daemon.errorString()));
        m_daemon.removeState();
    }

    void introspectionMatchesTheInterface()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        const QDBusMessage reply = call("Introspect", {}, "org.freedesktop.DBus.Introspectable");
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QStringList others;
        const QStringList members = membersOf(reply.arguments().at(0).toString(), &others);
        QCOMPARE(others, QStringList());
        QCOMPARE(members,
            QStringList({
                "method generateLogFile(out i result)",
                "method getAiConfig(in s key, out i result, out s value)",
                "method getEventTotalCount(out i result, out s count)",
                "method getInterventionConfig(in s actionName, in s fieldName, out i result, out s "
                "fieldValue)",
                "method getNotifyConfig(out i result, out s notifyDisabled, out s notifyTimeout, out s "
                "notifyFold)",
                "method getServiceStatus(in s serviceName, in i type, out i result)",
                "method installPackages(in as packagePaths, out i result)",
                "method restartService(in s serviceName, out i result)",
                "method setAiConfig(in s key, in s value, out i result)",
                "method setInterventionConfig(in s actionName, in s fieldName, in s fieldValue, out i "
                "result)",
                "method setNotifyConfig(in s notifyDisabled, in s notifyTimeout, in s notifyFold, out i "
                "result)",
                "method setServiceStatus(in s serviceName, in i status, in i type, out i result)",
                "signal installProgress(signal i percent, signal s status, signal s details)",
                "signal installFinished(signal i success, signal as packages, signal s errorCode, signal s "
                "errorMsg)",
            }));
    }

    void refusesMalformedCalls()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(call("getServiceStatus", { "tarvix-ebpf", "0" }).errorName(),
            QString("org.freedesktop.DBus.Error.InvalidArgs"));
        QCOMPARE(call("getNotifyConfig", {}, "com.zorva.tarvix.desktop").errorName(),
            QString("org.freedesktop.DBus.Error.UnknownInterface"));
        QCOMPARE(call("formatDisk").errorName(), QString("org.freedesktop.DBus.Error.UnknownMethod"));
    }

    void defaultsAndServiceRules()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(QFile(m_daemon.statePath()).permissions() & 0x0077, QFileDevice::Permissions());
        for (const QString name :
            { "tarvix-ebpf", "tarvix-logscan", "tarvix-rootcheck", "tarvix-research" }) {
            QCOMPARE(result("getServiceStatus", { name, 0 }), 1);
            QCOMPARE(result("getServiceStatus", { name, 1 }), 1);
        }
        // The other defaults are read through the client in tst_daemonclient.
        QCOMPARE(m_daemon.readState().value("ai").toObject().size(), 6);

        // Several names in one call; one unknown name changes nothing.
        QCOMPARE(result("setServiceStatus", { "tarvix-research  tarvix-logscan", 0, 1 }), 0);
        QCOMPARE(result("getServiceStatus", { "tarvix-logscan", 1 }), 0);
        QCOMPARE(result("getServiceStatus", { "tarvix-logscan", 0 }), 1);
        QCOMPARE(result("setServiceStatus", { "tarvix-ebpf tarvix-bogus", 0, 0 }), 3);
        QCOMPARE(result("getServiceStatus", { "tarvix-ebpf", 0 }), 1);
        QCOMPARE(result("setServiceStatus", { "tarvix-ebpf", 1, 7 }), 4);
        QCOMPARE(result("setServiceStatus", { "tarvix_net_ai", 1, 0 }), 2); // not installed
        QCOMPARE(result("restartService", { "tarvix-intervention" }), 0);
        QCOMPARE(result("restartService", { "tarvix-bogus" }), 3);
        QCOMPARE(result("setInterventionConfig", { "block_ip", "blockip_timeout", "soon" }), 4);
        QCOMPARE(result("setAiConfig", { "syn_flood_threshold", "many" }), 4);
        QCOMPARE(result("getAiConfig", { "no_such_key" }), 4);
        QVERIFY(
            m_daemon.output().contains(R"(call setServiceStatus("tarvix-research  tarvix-logscan", 0, 1))"));
    }

    void stateSurvivesAKill()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(result("setNotifyConfig", { "yes", "30", "yes" }), 0);
        QCOMPARE(
            result("setInterventionConfig", { "block_ip", "whitelist", "10.1.1.1 10.1.1.2 10.1.1.3" }), 0);
        QCOMPARE(result("setAiConfig", { "icmp_flood_threshold", "700" }), 0);
        QCOMPARE(result("setServiceStatus", { "tarvix-intervention", 0, 0 }), 0);
        QVERIFY(m_daemon.kill());

        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(call("getNotifyConfig").arguments(), QVariantList({ 0, "yes", "30", "yes" }));
        QCOMPARE(value("getInterventionConfig", { "block_ip", "whitelist" }),
            QString("10.1.1.1 10.1.1.2 10.1.1.3"));
        QCOMPARE(value("getAiConfig", { "icmp_flood_threshold" }), QString("700"));
        QCOMPARE(result("getServiceStatus", { "tarvix-intervention", 0 }), 0);
        QCOMPARE(result("getServiceStatus", { "tarvix-intervention", 1 }), 1);
    }

    // A state file it cannot understand is reported and left alone.
    void brokenStateFileKept()
    {
        const QByteArray broken = "{\"notify\": {\"notifyTimeout\": 10}}";
        QVERIFY(writeFile(m_daemon.statePath(), broken));
        QVERIFY(!m_daemon.start());
        QFile file(m_daemon.statePath());
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == broken);
    }

    // A reader never sees half a snapshot, however the copies interleave.
    void snapshotReplacedWhole()
    {
        const QString alerts = m_daemon.filePath("alerts.log");
        const QByteArray first = alertsOf('a', 3 << 20), second = alertsOf('b', 5 << 20);
        QVERIFY(writeFile(alerts, first));
        TARVIX_START_DAEMON(m_daemon, { "--alerts", alerts });
        QCOMPARE(result("generateLogFile"), 0);

        std::atomic<bool> done { false };
        std::atomic<int> reads { 0 }, torn { 0 };
        std::thread reader([&] {
            while (!done) {
                QFile file(m_daemon.snapshotPath());
                if (file.open(QIODevice::ReadOnly)) {
                    const QByteArray bytes = file.readAll();
                    torn += bytes != first && bytes != second ? 1 : 0;
                    ++reads;
                }
            }
        });
        for (int i = 0; i < 6; ++i) {
            QVERIFY(writeFile(alerts, i % 2 ? first : second));
            QCOMPARE(result("generateLogFile"), 0);
        }
        done = true;
        reader.join();
        QVERIFY(reads > 0);
        QCOMPARE(int(torn), 0);

        // The alerts log went away: an empty snapshot, not an old one.
        QVERIFY(QFile::remove(alerts));
        QCOMPARE(result("generateLogFile"), 0);
        QCOMPARE(QFileInfo(m_daemon.snapshotPath()).size(), 0);
    }

    void delayedAnswerLeavesOthersServed()
    {
        TARVIX_START_DAEMON(m_daemon, { "--delay", "getEventTotalCount=600" });
        QElapsedTimer clock;
        clock.start();
        QDBusPendingCall pending = QDBusConnection::systemBus().asyncCall(
            QDBusMessage::createMethodCall(DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH,
                DaemonSimFixture::INTERFACE_NAME, "getEventTotalCount"));
        QCOMPARE(result("getServiceStatus", { "tarvix-ebpf", 0 }), 1);
        QVERIFY(clock.elapsed() < 500);
        pending.waitForFinished();
        QVERIFY(clock.elapsed() >= 600);
        QCOMPARE(pending.reply().arguments(), QVariantList({ 0, "1024" }));
    }

    void commandLine()
    {
        QByteArray text;
        QCOMPARE(runSim({ "--help" }, &text), 0);
        for (const char *option : { "--bus", "--state", "--alerts", "--snapshot", "--install-outcome",
                 "--install-step-ms", "--decoy-signals", "--error", "--no-reply", "--short-reply",
                 "--wrong-type", "--delay", "--help", "--version" }) {
            QVERIFY2(text.contains(option), option);
        }
        QCOMPARE(runSim({ "--bus", "desktop" }), 2);
        QCOMPARE(runSim({ "--error", "formatDisk" }), 2);
        QCOMPARE(runSim({ "--delay", "getAiConfig" }), 2);
        QCOMPARE(runSim({ "--install-outcome", "maybe" }), 2);

        // A second stand-in cannot take the name from the first.
        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(runSim({ "--state", m_daemon.filePath("second.json") }, nullptr, &text), 1);
        QVERIFY(text.contains("another process owns it"));
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestDaemonSim)
#include "tst_daemonsim.moc"
