// The main window offscreen, with the stand-in daemon serving a few alerts through the real snapshot path.

#include "app/tarvix_title_bar_btn.h"
#include "app/tarvixmainpage.h"
#include "apptest.h"
#include "daemon/globaldata.h"
#include "kit/kaboutdialog.h"
#include "kit/ktabbar.h"
#include "kit/windowgrip.h"
#include "logpage/alertlistview.h"
#include "logpage/notifylogmainpage.h"
#include "report/eventstatisticswidget.h"
#include "report/notifyreportmain.h"
#include "report/rankingcard.h"
#include "support/bustestmain.h"
#include "support/logcapture.h"
#include "support/stallmeter.h"
#include "system/systemprobes.h"

#include <QAccessible>
#include <QAction>
#include <QDBusConnection>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

#include <functional>
#include <unistd.h>

namespace {

// The user guide of the desktop: one method on the session bus. It answers
// from a thread of its own, because the window's call blocks the GUI thread.
class GuideService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.guide.hotel")
public:
    QStringList calls; // read once its thread has ended
public slots:
    void showGuide(const QString &appName) { calls << appName; }
};

QAction *menuAction(tarvixMainPage &window, const QString &text)
{
    for (QAction *action : window.mainMenu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The window state with the maximize button's image, which must agree.
QString maximizeState(tarvixMainPage &window)
{
    return QString("%1 %2")
        .arg(window.windowState())
        .arg(window.findChild<tarvix_title_bar_btn *>("maximum_btn")->currentImage());
}
const QString MAXIMIZED = QString("%1 :/Resource/Icon/titlebar/revert.png").arg(Qt::WindowMaximized);
const QString NORMAL = QString("%1 :/Resource/Icon/titlebar/max.png").arg(Qt::WindowNoState);

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QStringList takeProperties() // recorded since the last call
    {
        const QStringList properties = recordedProperties(m_dir.filePath("usage"));
        QFile::remove(m_dir.filePath("usage"));
        return properties;
    }

    DaemonSimFixture m_sim;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY2(startSimWithAlerts(m_sim, m_dir, 3), qPrintable(m_sim.errorString()));
        // No test event loop may end because a test closed its window.
        QApplication::setQuitOnLastWindowClosed(false);
        qputenv("TARVIX_USAGE_RECORD", QFile::encodeName(m_dir.filePath("usage")));
        GlobalData::instance()->setUsageLibraryDir(DATACOLLECT_STUB_DIR);
    }

    void init()
    {
        sysVersionLevel = 0;
        QFile::remove(m_dir.filePath("usage"));
    }

    // What users read and acceptance relies on: object names, sizes, texts.
    void userFacingTable()
    {
        tarvixMainPage window; // on a system version below 5 (init), with the resource icon
        const QImage icon = QIcon(":/Resource/Icon/base/zorva-tarvix.svg").pixmap(24).toImage();
        QVERIFY(!icon.isNull());
        QCOMPARE(window.windowIcon().pixmap(24).toImage(), icon);
        QCOMPARE(window.findChild<QPushButton *>("title_icon_btn")->icon().pixmap(24).toImage(), icon);
        // The window's title, a label's text or a button's tool tip; what a screen reader says.
        for (const auto &[name, size, text, said] :
            std::vector<std::tuple<QString, QSize, QString, QString>> {
                { "tarvixMainPage", { 904, 568 }, "Zorva Intrusion Detector", {} },
                { "title_label", {}, "Zorva Intrusion Detector", {} },
                { "title_icon_btn", {}, {}, "Zorva Intrusion Detector" },
                { "tool_button", { 30, 30 }, "Option", "Main menu" },
                { "minimum_btn", { 30, 30 }, "Minimize", "Minimize" },
                { "maximum_btn", { 30, 30 }, "Maximize", "Maximize" },
                { "close_btn", { 30, 30 }, "Close", "Close" },
                { "settingButton", { 96, 36 }, {}, "Setting" } }) {
            QWidget *widget = window.objectName() == name ? &window : window.findChild<QWidget *>(name);
            QVERIFY2(widget, qPrintable(name));
            QVERIFY(!size.isValid() || widget->size() == size);
            const auto *label = qobject_cast<QLabel *>(widget);
            if (!text.isNull())
                QCOMPARE(widget->isWindow() ? widget->windowTitle()
                        : label             ? label->text()
                                            : widget->toolTip(),
                    text);
            if (!said.isNull())
                QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), said);
        }
        QCOMPARE(window.minimumSize(), QSize(904, 568));
        QCOMPARE(window.findChild<QLabel *>("title_label")->maximumSize(), QSize(480, 17));
        QCOMPARE(window.tabBar()->size(), QSize(200, 36));
        QCOMPARE(QStringList({ window.tabBar()->tabText(0), window.tabBar()->tabText(1),
                     window.settingButton()->text() }),
            (QStringList { "Alarm Logs", "Alarm Statistics", "Setting" }));
        QCOMPARE(
            window.findChild<QToolButton *>("tool_button")->menu(), window.findChild<QMenu *>("mainMenu"));
    }

    // The options menu with no kit library, with one exporting the Feedback
    // symbol and with one lacking it; each case logs what it found.
    void menuFollowsTheKitLibrary()
    {
        const QString absent = "The specified liblumosdk-qtwidgets dynamic library was not found.\n";
        const QString skipped = QString::fromUtf8("未找到匹配的目标函数符号，跳过调用。\n");
        for (const QString variant : { "none", "feedback", "nosymbol" }) {
            // The library is looked up by its bare name, so the loader's path decides.
            QProcess probe;
            QProcessEnvironment environment = programEnvironment();
            environment.insert("LD_LIBRARY_PATH", QString(KIT_STUB_DIR "/kit-%1").arg(variant));
            probe.setProcessEnvironment(environment);
            probe.start(KIT_MENU_PROBE, QStringList());
            QVERIFY(probe.waitForFinished(30000) && probe.exitCode() == 0);
            const QString log = QString::fromUtf8(probe.readAllStandardError());
            QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                QString(variant == "feedback" ? "Feedback," : "")
                    .append("Auto refresh,About,Help,Quit")
                    .split(','));
            QVERIFY2(log.contains(absent) == (variant == "none"), qPrintable(log));
            QVERIFY2(log.contains(skipped) == (variant == "nosymbol"), qPrintable(log));
        }
    }

    // Pages are made once and kept: switching tabs never reloads, adds no
    // second spacer and no second hand-over connection.
    void tabsKeepTheirPages()
    {
        tarvixMainPage window;
        window.show();
        notifyLogMainPage *page = window.logPage();
        QTRY_VERIFY(!page->isLoading());
        QLayout *tabLayout = window.findChild<QLayout *>("tab_verticalLayout");
        QLayout *content = window.findChild<QLayout *>("contentVerticalLayout");
        const int tabItems = tabLayout->count();
        const int loads = m_sim.output().count("call generateLogFile");
        QVERIFY(!window.reportPage());
        QCOMPARE(takeProperties(), QStringList { "tabName=notifyLog" });

        notifyReportMain *report = nullptr;
        for (int tab : { 1, 0, 1, 0 }) {
            window.tabBar()->setCurrentIndex(tab);
            if (!report
                && (report = window.reportPage())) // the first choice builds it on the log page's snapshot
                QTRY_VERIFY(!report->isLoading());
            QVERIFY(report && window.reportPage() == report && window.logPage() == page);
            QWidget *shown = tab ? static_cast<QWidget *>(report) : page;
            QVERIFY(content->count() == 1 && content->itemAt(0)->widget() == shown);
            QVERIFY(shown->isVisible() && report->isVisible() != page->isVisible());
        }
        QCOMPARE(tabLayout->count(), tabItems);
        QCOMPARE(m_sim.output().count("call generateLogFile"), loads); // one snapshot for both
        QCOMPARE(takeProperties(),
            (QStringList {
                "tabName=notifyReport", "tabName=notifyLog", "tabName=notifyReport", "tabName=notifyLog" }));

        window.settingButton()->click();
        QCOMPARE(takeProperties(), QStringList { "tabName=notifyConfig" });

        // One hand-over, one highlight; a start from the menu (no alert) only brings the window up.
        LogCapture log;
        QSignalSpy handedOver(&window, &tarvixMainPage::signal_update_notify_log_widget);
        for (const QString &alert : { QString(), QString("a1") }) {
            window.showMinimized();
            QTRY_VERIFY(window.isMinimized());
            window.slot_recv_update_message(alert);
            QVERIFY(!window.isMinimized() && window.isVisible());
            QCOMPARE(handedOver.count(), alert.isEmpty() ? 0 : 1);
            QCOMPARE(page->isLoading(), !alert.isEmpty());
        }
        QCOMPARE(log.countContaining("get mainpage msg is: "), 1);
        QTRY_VERIFY(!page->isLoading());

        // A ranking row of the report leads to the log, narrowed to that field.
        window.tabBar()->setCurrentIndex(1);
        QTest::mouseClick(report->eventCard()->findChildren<RankingRow *>().at(1), Qt::LeftButton);
        QVERIFY(window.tabBar()->currentIndex() == 0 && page->isVisible());
        QCOMPARE(page->findChild<QLabel *>("fieldFilterLabel")->text(), QString("Rule description: alert 1"));
        QCOMPARE(page->findChild<QLabel *>("countLabel")->text(), QString("1 of 3 alarm logs"));
    }

    // The title row moves the window and its edges resize it, through the window system whatever the window
    // manager makes of frameless windows; F11 (not F10), the maximize button and a left double click in its
    // top 36 pixels toggle; a change by the window manager shows.
    void titleBarMovesResizesAndMaximizes()
    {
        tarvixMainPage window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *grip = window.findChild<lumo::WindowGrip *>();
        QSignalSpy moves(grip, &lumo::WindowGrip::moveRequested);
        QSignalSpy resizes(grip, &lumo::WindowGrip::resizeRequested);
        for (const QPoint from :
            { QPoint(300, 20), QPoint(800, 20), QPoint(300, 300) }) { // title, title, list
            QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, from);
            QTest::mouseMove(window.windowHandle(), from + QPoint(40, 10));
            QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, from + QPoint(40, 10));
        }
        QCOMPARE(moves.count(), 2);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(903, 567));
        QCOMPARE(resizes.count(), 1);

        auto *maximize = window.findChild<tarvix_title_bar_btn *>("maximum_btn");
        QWidget *title = window.findChild<QWidget *>("widget");
        const auto doubleClick = [title](Qt::MouseButton button, int y) {
            return [=] { QTest::mouseDClick(title, button, Qt::NoModifier, QPoint(100, y)); };
        };
        for (const auto &[step, state] : std::vector<std::pair<std::function<void()>, QString>> {
                 { [&] { QTest::keyClick(&window, Qt::Key_F11); }, MAXIMIZED },
                 { [&] { QTest::keyClick(&window, Qt::Key_F10); }, MAXIMIZED },
                 { [&] { QTest::mouseClick(maximize, Qt::LeftButton); }, NORMAL },
                 { [&] { window.setWindowState(Qt::WindowMaximized); }, MAXIMIZED },
                 { doubleClick(Qt::LeftButton, 35), NORMAL }, { doubleClick(Qt::LeftButton, 36), NORMAL },
                 { doubleClick(Qt::RightButton, 10), NORMAL },
                 { doubleClick(Qt::LeftButton, 35), MAXIMIZED } }) {
            step();
            QTRY_COMPARE(maximizeState(window), state);
        }
        QTest::mouseClick(window.findChild<QPushButton *>("minimum_btn"), Qt::LeftButton);
        QVERIFY(window.windowState() & Qt::WindowMinimized);
    }

    // The last listed wins, among the lines with a version.
    void versionFromPackageList()
    {
        const QList<QPair<QString, QString>> rows
            = { { "||/ Name Version Architecture\n+++-====-====\nii  tarvix-desktop  1.2.3-1  amd64  d\n",
                    "1.2.3-1" },
                  { "ii  tarvix-desktop 1.0 amd64 a\nrc  tarvix-desktop 2.0 amd64 b\n", "2.0" },
                  { "ii  tarvix-desktop 1.0 amd64 a\nii  tarvix-desktop\n", "1.0" }, { "", "none" } };
        for (const auto &[list, version] : rows)
            QCOMPARE(tarvixMainPage::versionFromPackageList(list), version);
    }

    // About names the program and its package version, Help asks the
    // desktop's guide for this program, Quit and the close button close.
    void menuAndCloseButton()
    {
        QVERIFY(!tarvixMainPage::showGuide("zorva-tarvix")); // no guide service yet
        QDBusConnection connection
            = QDBusConnection::connectToBus(DaemonSimFixture::sessionBusAddress(), "guide");
        QThread thread;
        GuideService guide;
        guide.moveToThread(&thread);
        thread.start();
        QVERIFY(connection.registerObject("/", &guide, QDBusConnection::ExportAllSlots));
        QVERIFY(connection.registerService(QString("com.zorvaUserGuide.hotel_%1").arg(getuid())));

        tarvixMainPage window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString about;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<lumo::KAboutDialog *>(QApplication::activeModalWidget())) {
                about = dialog->appName() + " / " + dialog->appVersion();
                dialog->reject();
            }
        });
        menuAction(window, "About")->trigger();
        // The package is not installed where the tests run.
        QCOMPARE(about, QString("Zorva Intrusion Detector / Version Number:  none"));
        menuAction(window, "Help")->trigger();
        thread.quit();
        thread.wait();
        QCOMPARE(guide.calls, QStringList { "zorva-tarvix" });
        QDBusConnection::disconnectFromBus("guide");
        menuAction(window, "Quit")->trigger();
        QVERIFY(!window.isVisible());
        window.show();
        QTest::mouseClick(window.findChild<tarvix_title_bar_btn *>("close_btn"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    // While the daemon does not answer, the window is up, repaints and switches tabs: the longest gap between
    // ticks of a 10 ms timer shows how long the GUI thread was ever blocked.
    void staysResponsiveWhileTheDaemonHangs()
    {
        TARVIX_START_DAEMON(
            m_sim, { "--alerts", m_dir.filePath("alerts.log"), "--delay", "generateLogFile=3000" });
        QElapsedTimer clock;
        clock.start();
        tarvixMainPage window;
        window.show();
        QVERIFY(clock.elapsed() < 1000);
        notifyLogMainPage *page = window.logPage();
        QVERIFY(page->isLoading());

        StallMeter stalls([&window](int tick) {
            if (tick % 10 == 0) {
                window.tabBar()->setCurrentIndex(1 - window.tabBar()->currentIndex());
                window.repaint();
            }
        });
        stalls.start();
        QTRY_VERIFY_WITH_TIMEOUT(!page->isLoading(), 10000);
        stalls.stop();
        QVERIFY(clock.elapsed() > 2500); // the daemon really kept it waiting
        QVERIFY2(stalls.withinLimit(), qPrintable(stalls.verdict()));
        QVERIFY(stalls.ticks() > 100);

        QVERIFY2(startSimWithAlerts(m_sim, m_dir, 3), qPrintable(m_sim.errorString()));
    }

    // "Auto refresh" in the options menu, Off at first. The choice and the window's size and place are
    // remembered. A beat refreshes the shown tab, and is let go while a load runs, whichever page it is for;
    // the log catches up on beats it missed when it is shown again.
    void autoRefreshAndRememberedWindow()
    {
        QSettings preferences(QCoreApplication::organizationName(), "tarvix-desktop");
        QVERIFY(preferences.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + "/"));
        QFile::remove(preferences.fileName());
        QList<TestAlert> alerts = recentAlerts(3);
        const QString log = m_dir.filePath("alerts.log"); // served since initTestCase
        const auto choices
            = [](tarvixMainPage &window) { return window.mainMenu()->findChild<QMenu *>("autoRefreshMenu"); };

        QRect placed;
        {
            tarvixMainPage window;
            QCOMPARE(choices(window)->title(), QString("Auto refresh"));
            QStringList texts;
            for (QAction *choice : choices(window)->actions())
                texts << QString(choice->isChecked() ? "*" : "") + choice->text();
            QCOMPARE(texts, QString("*Off,Every minute,Every 5 minutes,Every 15 minutes").split(','));
            QVERIFY(!window.isAutoRefreshing());
            choices(window)->actions().at(1)->trigger();
            QVERIFY(window.autoRefreshMinutes() == 1 && window.isAutoRefreshing());
            window.show();
            window.setGeometry(60, 50, 1000, 700);
            placed = window.geometry();
            QTRY_VERIFY(!window.logPage()->isLoading());
            window.close();
        }
        preferences.sync();
        QCOMPARE(preferences.value("MainWindow/autoRefreshMinutes").toInt(), 1);
        tarvixMainPage window;
        window.show();
        QCOMPARE(window.geometry(), placed);
        QVERIFY(window.isAutoRefreshing() && choices(window)->actions().at(1)->isChecked());

        // The alert added since the load before comes in with its mark.
        notifyLogMainPage *page = window.logPage();
        QTRY_VERIFY(!page->isLoading());
        TestAlert added;
        added.time = QDateTime::currentDateTime().addSecs(-60);
        writeTestFile(m_dir, "alerts.log", alertLog(alerts << added));
        window.setAutoRefreshInterval(100);
        QTRY_COMPARE(page->alertCount(), 4);
        QCOMPARE(page->findChild<AlertListView *>()->newCount(), 1);
        window.setAutoRefreshInterval(0);

        TARVIX_START_DAEMON(m_sim, { "--alerts", log, "--delay", "generateLogFile=800" });
        window.tabBar()->setCurrentIndex(1);
        notifyReportMain *report = window.reportPage();
        QTRY_VERIFY_WITH_TIMEOUT(!report->isLoading(), 5000);
        const auto loads = [this] { return m_sim.output().count("call generateLogFile"); };
        window.slot_auto_refresh();
        QVERIFY(report->isLoading());
        window.slot_auto_refresh();
        QTRY_VERIFY_WITH_TIMEOUT(!report->isLoading(), 5000);
        QCOMPARE(loads(), 1);
        page->slot_do_reload(); // the log's load while the report is shown
        window.slot_auto_refresh();
        QTRY_VERIFY_WITH_TIMEOUT(!page->isLoading(), 5000);
        QVERIFY(!report->isLoading());
        QCOMPARE(loads(), 2);
        // The log missed its beats while hidden: it catches up when shown.
        window.tabBar()->setCurrentIndex(0);
        QVERIFY(page->isLoading());
        QTRY_VERIFY_WITH_TIMEOUT(!page->isLoading(), 5000);
        QCOMPARE(loads(), 3);

        QFile::remove(preferences.fileName());
        QVERIFY2(startSimWithAlerts(m_sim, m_dir, 3), qPrintable(m_sim.errorString()));
    }
};

TARVIX_BUS_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
