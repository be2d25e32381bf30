// The D-Bus proxy: its member order, the out-value rules of its blocking
// forms, and the interface name its signals must carry.

#include "daemon/tarvixdesktopdaemonclient.h"
#include "daemon/tarvixdesktopdaemoninterface.h"
#include "support/bustestmain.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QSignalSpy>

namespace {

QStringList ownMethods(const QMetaObject &meta)
{
    QStringList signatures;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        signatures << QString::fromLatin1(meta.method(i).methodSignature());
    }
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

public slots:
    void recordDecoy(const QDBusMessage &message) { m_decoys << message; }

private slots:
    // Other parts connect by these signatures, in this order.
    void memberOrder()
    {
        QCOMPARE(QString(tarvixDesktopDaemonInterface::staticInterfaceName()),
            QString("com.zorva.tarvix.desktop.com.zorva.tarvix.desktop"));
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
        QVERIFY(!tarvixDesktopDaemonInterface::takeStringValues(replyWith({ 0, "x" }), { &a, &b }));
        QVERIFY(!tarvixDesktopDaemonInterface::takeStringValues(replyWith({ 0, "x", "y", "z" }), { &a, &b }));
        QVERIFY(!tarvixDesktopDaemonInterface::takeStringValues(replyWith({ "0", "x", "y" }), { &a, &b }));
        QVERIFY(!tarvixDesktopDaemonInterface::takeStringValues(
            QDBusMessage::createError("a.b.Failed", "no"), { &a, &b }));
        QCOMPARE(QStringList({ a, b }), QStringList({ "keep", "keep" }));

        QVERIFY(tarvixDesktopDaemonInterface::takeStringValues(replyWith({ 7, "x", "y" }), { &a, &b }));
        QCOMPARE(QStringList({ a, b }), QStringList({ "x", "y" }));
    }

    // A string can reach the proxy still inside a QDBusArgument (a value read
    // out of a container); the out string gets the text, not an empty string.
    void outValueUnwrappedFromDBusArgument()
    {
        // Take a real demarshalling argument: the bus's credentials map,
        // positioned at its first key.
        QDBusConnection bus = QDBusConnection::systemBus();
        const QDBusMessage credentials
            = bus.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "GetConnectionCredentials")
                << bus.baseService());
        QCOMPARE(credentials.type(), QDBusMessage::ReplyMessage);
        // const: the non-const begin functions are the writing ones.
        const QDBusArgument map = credentials.arguments().at(0).value<QDBusArgument>();
        map.beginMap();
        map.beginMapEntry();
        {
            QString expected;
            const QDBusArgument keyCopy = map;
            keyCopy >> expected;
            QVERIFY(!expected.isEmpty());

            QString out = "keep";
            QVERIFY(tarvixDesktopDaemonInterface::takeStringValues(
                replyWith({ 0, QVariant::fromValue(map) }), { &out }));
            QCOMPARE(out, expected);
        }
        // Each begin made a nested reader that only its end releases.
        map.endMapEntry();
        map.endMap();
    }

    // The stand-in sends every installation signal twice, once under the bare
    // service name; the proxy must see only the real ones.
    void signalsUnderTheSingleNameIgnored()
    {
        DaemonSimFixture daemon;
        TARVIX_START_DAEMON(daemon, { "--decoy-signals", "--install-step-ms", "5" });
        QDBusConnection bus = QDBusConnection::systemBus();
        tarvixDesktopDaemonInterface proxy(
            DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH, bus);
        QVERIFY(proxy.isValid());
        QSignalSpy progress(&proxy, &tarvixDesktopDaemonInterface::installProgress);
        QSignalSpy finished(&proxy, &tarvixDesktopDaemonInterface::installFinished);
        // Proof that the decoys are on the bus at all.
        QVERIFY(bus.connect(DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH,
            "com.zorva.tarvix.desktop", "installProgress", this, SLOT(recordDecoy(QDBusMessage))));

        const QDBusReply<int> reply = proxy.installPackages({ "tarvix-net-ai" });
        QVERIFY(reply.isValid() && reply.value() == 0);
        QTRY_COMPARE(finished.count(), 1);
        QTRY_COMPARE(m_decoys.count(), 5);
        QCOMPARE(progress.count(), 5);
        for (const QList<QVariant> &arguments : qAsConst(progress)) {
            QVERIFY(arguments.at(1).toString() != "decoy");
        }
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(finished.at(0).at(1).toStringList(), QStringList { "tarvix-net-ai" });
        bus.disconnect(DaemonSimFixture::SERVICE_NAME, DaemonSimFixture::OBJECT_PATH,
            "com.zorva.tarvix.desktop", "installProgress", this, SLOT(recordDecoy(QDBusMessage)));
    }

private:
    QList<QDBusMessage> m_decoys;
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestDaemonInterface)
#include "tst_daemoninterface.moc"
