// The wire: what the stand-in daemon exports and remembers, and the proxy's
// member order and out-value rules.

#include "daemon/tarvixdesktopdaemonclient.h"
#include "daemon/tarvixdesktopdaemoninterface.h"
#include "support/bustestmain.h"

#include <QDBusArgument>
#include <QDBusPendingCall>
#include <QXmlStreamReader>

namespace {

QDBusMessage call(const QString &method, const QVariantList &args = {},
    const QString &interface = DaemonSimFixture::INTERFACE_NAME)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH, interface, method);
    message.setArguments(args);
    return QDBusConnection::systemBus().call(message);
}

// "method name(direction type name, ...)" for every member of the daemon's
// interface; *others gets every other interface but D-Bus's own.
QStringList membersOf(const QString &xml, QStringList *others)
{
    QStringList members, arguments;
    QXmlStreamReader reader(xml);
    QString current, member;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString tag = reader.name().toString(), name = reader.attributes().value("name").toString();
        const bool isMember = tag == "method" || tag == "signal";
        if (reader.isStartElement() && tag == "interface") {
            current = name;
            if (current != DaemonSimFixture::INTERFACE_NAME && !current.startsWith("org.freedesktop.DBus."))
                *others << current;
        } else if (current != DaemonSimFixture::INTERFACE_NAME) {
            continue;
        } else if (reader.isStartElement() && isMember) {
            member = tag + ' ' + name;
            arguments.clear();
        } else if (reader.isStartElement() && tag == "arg") {
            const QString direction = reader.attributes().value("direction").toString();
            arguments << (direction.isEmpty() ? "signal" : direction) + ' '
                    + reader.attributes().value("type").toString() + ' ' + name;
        } else if (reader.isEndElement() && isMember) {
            members << member + '(' + arguments.join(", ") + ')';
        }
    }
    return members;
}

QStringList ownMethods(const QMetaObject &meta)
{
    QStringList signatures;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        signatures << QString::fromLatin1(meta.method(i).methodSignature());
    return signatures;
}

QDBusMessage replyWith(const QVariantList &values)
{
    return QDBusMessage::createMethodCall("a.b", "/a", "a.b", "m").createReply(values);
}

} // namespace

class TestDaemonInterface : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY2(m_daemon.stop(), qPrintable(m_daemon.errorString()));
        m_daemon.removeState();
    }

    void standInExportsTheInterface()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        const QDBusMessage reply = call("Introspect", {}, "org.freedesktop.DBus.Introspectable");
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QStringList others;
        QCOMPARE(membersOf(reply.arguments().at(0).toString(), &others),
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
        QCOMPARE(others, QStringList());
    }

    void standInStateSurvivesAKill()
    {
        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(call("setNotifyConfig", { "yes", "30", "yes" }).arguments(), QVariantList { 0 });
        QCOMPARE(call("setAiConfig", { "icmp_flood_threshold", "700" }).arguments(), QVariantList { 0 });
        QCOMPARE(call("setServiceStatus", { "tarvix-intervention", 0, 0 }).arguments(), QVariantList { 0 });
        QVERIFY(m_daemon.kill());

        TARVIX_START_DAEMON(m_daemon, {});
        QCOMPARE(call("getNotifyConfig").arguments(), QVariantList({ 0, "yes", "30", "yes" }));
        QCOMPARE(call("getAiConfig", { "icmp_flood_threshold" }).arguments(), QVariantList({ 0, "700" }));
        QCOMPARE(call("getServiceStatus", { "tarvix-intervention", 0 }).arguments(), QVariantList { 0 });
        QCOMPARE(call("getServiceStatus", { "tarvix-intervention", 1 }).arguments(), QVariantList { 1 });
    }

    void standInDelaysOneMethodOnly()
    {
        TARVIX_START_DAEMON(m_daemon, { "--delay", "getEventTotalCount=600" });
        QElapsedTimer clock;
        clock.start();
        QDBusPendingCall pending = QDBusConnection::systemBus().asyncCall(
            QDBusMessage::createMethodCall(DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH,
                DaemonSimFixture::INTERFACE_NAME, "getEventTotalCount"));
        QCOMPARE(call("getServiceStatus", { "tarvix-ebpf", 0 }).arguments(), QVariantList { 1 });
        QVERIFY(clock.elapsed() < 500);
        pending.waitForFinished();
        QVERIFY(clock.elapsed() >= 600);
        QCOMPARE(pending.reply().arguments(), QVariantList({ 0, "1024" }));
    }

    // Other parts connect by these signatures, in this order.
    void proxyMemberOrder()
    {
        QCOMPARE(QString(tarvixDesktopDaemonInterface::staticInterfaceName()),
            QString(DaemonSimFixture::INTERFACE_NAME));
        QCOMPARE(ownMethods(tarvixDesktopDaemonInterface::staticMetaObject),
            QStringList({ "installFinished(int,QStringList,QString,QString)",
                "installProgress(int,QString,QString)", "generateLogFile()", "getAiConfig(QString)",
                "getAiConfig(QString,QString&)", "getEventTotalCount()", "getEventTotalCount(QString&)",
                "getInterventionConfig(QString,QString)", "getInterventionConfig(QString,QString,QString&)",
                "getNotifyConfig()", "getNotifyConfig(QString&,QString&,QString&)",
                "getServiceStatus(QString,int)", "installPackages(QStringList)", "restartService(QString)",
                "setAiConfig(QString,QString)", "setInterventionConfig(QString,QString,QString)",
                "setNotifyConfig(QString,QString,QString)", "setServiceStatus(QString,int,int)" }));
        QCOMPARE(ownMethods(TarvixDesktopDaemonClient::staticMetaObject),
            QStringList({ "signal_installProgress(int,QString,QString)",
                "signal_installFinished(int,QStringList&,QString,QString)",
                "slot_installProgress(int,QString,QString)",
                "slot_installFinished(int,QStringList,QString,QString)" }));
    }

    void outValuesOnlyFromCompleteReplies()
    {
        QString a = "keep", b = "keep";
        for (const QDBusMessage &reply : { replyWith({ 0, "x" }), replyWith({ 0, "x", "y", "z" }),
                 replyWith({ "0", "x", "y" }), QDBusMessage::createError("a.b.Failed", "no") })
            QVERIFY(!tarvixDesktopDaemonInterface::takeStringValues(reply, { &a, &b }));
        QCOMPARE(QStringList({ a, b }), QStringList({ "keep", "keep" }));
        QVERIFY(tarvixDesktopDaemonInterface::takeStringValues(replyWith({ 7, "x", "y" }), { &a, &b }));
        QCOMPARE(QStringList({ a, b }), QStringList({ "x", "y" }));

        // A string still inside a QDBusArgument (read out of a container) gives
        // its text. A real demarshalling one: the bus's credentials map.
        QDBusConnection bus = QDBusConnection::systemBus();
        const QDBusMessage credentials
            = bus.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "GetConnectionCredentials")
                << bus.baseService());
        const QDBusArgument map = credentials.arguments().value(0).value<QDBusArgument>();
        map.beginMap();
        map.beginMapEntry();
        {
            QString expected;
            const QDBusArgument keyCopy = map;
            keyCopy >> expected;
            QVERIFY(!expected.isEmpty());
            QVERIFY(tarvixDesktopDaemonInterface::takeStringValues(
                replyWith({ 0, QVariant::fromValue(map) }), { &a }));
            QCOMPARE(a, expected);
        }
        // Each begin made a nested reader that only its end releases.
        map.endMapEntry();
        map.endMap();
    }

private:
    DaemonSimFixture m_daemon;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestDaemonInterface)
#include "tst_daemoninterface.moc"
