// Size table and PC/tablet mode, with the status service started and stopped
// on the private session bus this test runs on.
#include "kit/kiconbar.h"
#include "kit/ktabbar.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/parmscontroller.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QPushButton>
#include <QtTest>

using lumo::Parmscontroller;

namespace {
const char kService[] = "com.zorva.statusmanager.interface";

// Waits for the mode announcement unless it came already; true if it says tablet.
bool announcedTablet(QSignalSpy &spy)
{
    if (spy.isEmpty() && !spy.wait(5000))
        return false;
    return spy.last().at(0).toBool();
}

// Sizes of a window in PC or tablet mode: title bar, window buttons, icon and side bars.
QList<int> sizes(lumo::KWidget &widget)
{
    return { widget.titleBar()->height(), widget.titleBar()->closeButton()->width(),
        widget.titleBar()->minimumButton()->height(), widget.iconBar()->width(), widget.sideBar()->width() };
}
const QList<int> PC = { 40, 30, 30, 200, 200 }, TABLET = { 64, 48, 48, 254, 254 };
} // namespace

class ParmscontrollerTest : public QObject
{
    Q_OBJECT
    QProcess m_service;

    bool startService(const QStringList &options)
    {
        m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_service.start(QStringLiteral(TABLET_SERVICE_PATH), options);
        if (!m_service.waitForStarted(5000))
            return false;
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        return QTest::qWaitFor([bus] { return bus->isServiceRegistered(kService).value(); }, 5000);
    }

    void stopService() { m_service.kill(), m_service.waitForFinished(3000); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(kService));
    }

    void cleanupTestCase() { stopService(); }

    void followsServiceAndItsSignal()
    {
        // PC mode while no service runs; entries beyond the table are 0.
        QVERIFY(!Parmscontroller::isTabletMode());
        for (int entry : { -1, 23, 1000 })
            QVERIFY(Parmscontroller::tableValue(entry, false) == 0
                && Parmscontroller::tableValue(entry, true) == 0);
        lumo::KWidget widget;
        widget.setLayoutType(lumo::HorizontalType);
        QCOMPARE(sizes(widget), PC);
        lumo::KTabBar tabs(1, nullptr);
        tabs.addTab("Alarm Logs");
        QSignalSpy spy(Parmscontroller::self(), &Parmscontroller::modeChanged);

        // The service may start after the application.
        QVERIFY(startService({ "--tablet" }));
        QVERIFY(announcedTablet(spy) && Parmscontroller::isTabletMode());
        QCOMPARE(sizes(widget), TABLET);
        QCOMPARE(tabs.sizeHint().height(), 48);

        // An instance made while the service runs starts in its mode.
        Parmscontroller fresh;
        QVERIFY(fresh.tabletMode() && fresh.value(Parmscontroller::PM_IconBarHeight) == 64);

        spy.clear();
        QDBusInterface service(kService, "/", kService);
        QVERIFY(service.isValid());
        service.call("set_tabletmode", false);
        QVERIFY(spy.wait(5000) && !announcedTablet(spy));
        QCOMPARE(sizes(widget), PC);
        service.call("set_tabletmode", true);
        QVERIFY(spy.wait(5000));

        // The service going away leaves PC mode.
        spy.clear();
        stopService();
        QVERIFY(!announcedTablet(spy) && !Parmscontroller::isTabletMode());
        QCOMPARE(sizes(widget), PC);
    }

    // A service that never answers costs the window at most the call's time-out.
    void hungServiceMeansPcMode()
    {
        QVERIFY(startService({ "--tablet", "--hang" }));
        QElapsedTimer clock;
        clock.start();
        Parmscontroller fresh;
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!fresh.tabletMode());
        stopService();
    }
};

QTEST_MAIN(ParmscontrollerTest)
#include "tst_parmscontroller.moc"
