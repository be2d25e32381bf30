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
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
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

// Title bar height and window button size of a window in PC or tablet mode.
void checkWindow(lumo::KWidget &widget, bool tablet)
{
    QCOMPARE(widget.titleBar()->height(), tablet ? 64 : 40);
    QCOMPARE(widget.titleBar()->closeButton()->size(), tablet ? QSize(48, 48) : QSize(30, 30));
}
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

    void stopService()
    {
        if (m_service.state() == QProcess::NotRunning)
            return;
        m_service.terminate();
        if (!m_service.waitForFinished(3000))
            m_service.kill();
        m_service.waitForFinished(3000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(kService));
    }

    void cleanupTestCase() { stopService(); }

    void tableInBothModes()
    {
        // PC / tablet column by entry, as the windows are drawn from them.
        const int pc[]
            = { 36, 36, 36, 36, 36, 36, 36, 36, 20, 10, 30, 40, 24, 30, 4, 200, 198, 336, 8, 32, 10, 24, 24 };
        const int tablet[] = { 48, 48, 48, 48, 48, 48, 48, 48, 40, 16, 20, 64, 32, 48, 4, 254, 222, 352, 16,
            24, 16, 16, 32 };
        for (int entry = 0; entry < 23; ++entry) {
            QCOMPARE(Parmscontroller::tableValue(entry, false), pc[entry]);
            QCOMPARE(Parmscontroller::tableValue(entry, true), tablet[entry]);
        }
        for (bool mode : { false, true }) {
            QCOMPARE(Parmscontroller::tableValue(23, mode), 0);
            QCOMPARE(Parmscontroller::tableValue(-1, mode), 0);
            QCOMPARE(Parmscontroller::tableValue(1000, mode), 0);
        }
    }

    void followsServiceAndItsSignal()
    {
        // PC mode while no service runs.
        QVERIFY(!Parmscontroller::isTabletMode());
        QCOMPARE(Parmscontroller::parm(Parmscontroller::PM_IconBarHeight), 40);
        QCOMPARE(Parmscontroller::parm(23), 0);
        lumo::KWidget widget;
        checkWindow(widget, false);
        lumo::KTabBar tabs(1, nullptr);
        tabs.addTab("Alarm Logs");
        QSignalSpy spy(Parmscontroller::self(), &Parmscontroller::modeChanged);

        // The service may start after the application.
        QVERIFY(startService({ "--tablet" }));
        QVERIFY(announcedTablet(spy));
        QVERIFY(Parmscontroller::isTabletMode());
        QCOMPARE(Parmscontroller::parm(23), 0);
        checkWindow(widget, true);
        QCOMPARE(widget.iconBar()->height(), 64);
        QCOMPARE(widget.iconBar()->width(), 254);
        QCOMPARE(widget.sideBar()->width(), 254);
        QCOMPARE(widget.titleBar()->minimumButton()->size(), QSize(48, 48));
        QCOMPARE(tabs.sizeHint().height(), 48);

        // An instance made while the service runs starts in its mode.
        Parmscontroller fresh;
        QVERIFY(fresh.tabletMode());
        QCOMPARE(fresh.value(Parmscontroller::PM_IconBarHeight), 64);

        spy.clear();
        QDBusInterface service(kService, "/", kService);
        QVERIFY(service.isValid());
        service.call("set_tabletmode", false);
        QVERIFY(spy.wait(5000));
        QVERIFY(!announcedTablet(spy));
        checkWindow(widget, false);
        service.call("set_tabletmode", true);
        QVERIFY(spy.wait(5000));

        // The service going away leaves PC mode.
        spy.clear();
        stopService();
        QVERIFY(!spy.isEmpty() || spy.wait(5000));
        QVERIFY(!announcedTablet(spy));
        QVERIFY(!Parmscontroller::isTabletMode());
        checkWindow(widget, false);
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
