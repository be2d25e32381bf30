// The main window offscreen, with the stand-in daemon serving a few alerts
// through the real snapshot path.

#include "app/tarvix_title_bar_btn.h"
#include "app/tarvixmainpage.h"
#include "apptest.h"
#include "daemon/globaldata.h"
#include "kit/kaboutdialog.h"
#include "kit/ktabbar.h"
#include "kit/windowgrip.h"
#include "logpage/notifylogmainpage.h"
#include "report/notifyreportmain.h"
#include "support/bustestmain.h"
#include "support/logcapture.h"
#include "system/systemprobes.h"

#include <QAction>
#include <QBoxLayout>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMutex>
#include <QPushButton>
#include <QSpacerItem>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <unistd.h>

namespace {

const char *const HIGHLIGHT_LINE = "get mainpage msg is: ";

// The user guide of the desktop: one method on the session bus. It answers
// from a thread of its own, because the window's call blocks the GUI thread.
class GuideService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.guide.hotel")
public:
    QMutex mutex;
    QStringList calls;
public slots:
    void showGuide(const QString &appName)
    {
        QMutexLocker lock(&mutex);
        calls << appName;
    }
};

// What a layout holds: object names, "stretch" for expanding spacers, "gap N" for fixed ones.
QStringList itemNames(QLayout *layout)
{
    auto *box = qobject_cast<QBoxLayout *>(layout);
    const bool vertical = box && box->direction() >= QBoxLayout::TopToBottom;
    QStringList names;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget())
            names << item->widget()->objectName();
        else if (item->layout())
            names << item->layout()->objectName();
        else if (QSpacerItem *spacer = item->spacerItem())
            names << (spacer->expandingDirections()
                    ? QString("stretch")
                    : QString("gap %1").arg(
                        vertical ? spacer->sizeHint().height() : spacer->sizeHint().width()));
    }
    return names;
}

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
        const QString error = startSimWithAlerts(m_sim, m_dir, 3);
        QVERIFY2(error.isEmpty(), qPrintable(error));
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

    void formTree()
    {
        tarvixMainPage window;
        QCOMPARE(window.objectName(), QString("tarvixMainPage"));
        QCOMPARE(window.size(), QSize(904, 568));
        QCOMPARE(window.minimumSize(), QSize(904, 568));
        QCOMPARE(window.windowTitle(), QString("Zorva Intrusion Detector"));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(window.centralWidget()->objectName(), QString("centralwidget"));

        // Spacing and items of each layout, top to bottom.
        const auto layout = [&](const char *name) { return window.findChild<QLayout *>(name); };
        const struct
        {
            const char *name;
            int spacing;
            QStringList items;
        } layouts[] = {
            { "horizontalLayout", 0, { "widget", "widget_2" } },
            { "horizontalLayout_7", 0, { "title_icon_btn", "gap 6", "title_label", "stretch" } },
            { "horizontalLayout_10", 4,
                { "stretch", "tool_button", "minimum_btn", "maximum_btn", "close_btn" } },
            { "tab_verticalLayout", 0, { "", "gap 8" } },
            { "contentVerticalLayout", 0, { "notifyLogMainPage" } },
        };
        for (const auto &expected : layouts) {
            QVERIFY2(layout(expected.name), expected.name);
            QCOMPARE(layout(expected.name)->spacing(), expected.spacing);
            QCOMPARE(itemNames(layout(expected.name)), expected.items);
        }
        QCOMPARE(window.centralWidget()->layout(), layout("verticalLayout_2"));
        QCOMPARE(layout("verticalLayout_2")->spacing(), 0);
        QStringList rows = itemNames(layout("verticalLayout_2"));
        rows.removeAll("stretch");
        QCOMPARE(rows,
            (QStringList { "horizontalLayout", "tab_verticalLayout", "contentVerticalLayout",
                "bottomHorizontalLayout" }));

        for (const char *name : { "widget", "widget_2" }) { // the title bar, 40 high
            const QWidget *bar = window.findChild<QWidget *>(name);
            QCOMPARE(QPoint(bar->minimumHeight(), bar->maximumHeight()), QPoint(40, 40));
        }
        QPushButton *icon = window.findChild<QPushButton *>("title_icon_btn");
        QCOMPARE(icon->minimumSize(), QSize(16, 16));
        QCOMPARE(icon->iconSize(), QSize(24, 24));
        QCOMPARE(window.findChild<QLabel *>("title_label")->maximumSize(), QSize(480, 17));
        QCOMPARE(window.findChild<QLabel *>("title_label")->text(), QString("Zorva Intrusion Detector"));

        QToolButton *options = window.findChild<QToolButton *>("tool_button");
        QCOMPARE(options->size(), QSize(30, 30));
        QCOMPARE(options->styleSheet(), QString("background-color: white;"));
        QCOMPARE(options->popupMode(), QToolButton::InstantPopup);
        QCOMPARE(options->menu(), window.mainMenu());
        QCOMPARE(options->toolTip(), QString("Option"));
        // Size, flatness, tool tip, kind, highlight effect and image of each title button.
        const auto button = [&](const char *name) {
            auto *b = window.findChild<tarvix_title_bar_btn *>(name);
            return QString("%1x%2 %3 %4 %5 %6 %7")
                .arg(b->width())
                .arg(b->height())
                .arg(b->isFlat() ? "flat" : "raised", b->toolTip())
                .arg(b->property("isWindowButton").toInt())
                .arg(b->property("useIconHighlightEffect").toInt())
                .arg(b->currentImage());
        };
        QCOMPARE(button("minimum_btn"), QString("30x30 flat Minimize 1 2 :/Resource/Icon/titlebar/min.png"));
        QCOMPARE(button("maximum_btn"), QString("30x30 flat Maximize 1 2 :/Resource/Icon/titlebar/max.png"));
        QCOMPARE(button("close_btn"), QString("30x30 flat Close 2 8 :/Resource/Icon/titlebar/close.png"));

        lumo::KTabBar *tabs = window.tabBar();
        QCOMPARE(tabs->size(), QSize(200, 36));
        QCOMPARE(QStringList({ tabs->tabText(0), tabs->tabText(1) }),
            (QStringList { "Alarm Logs", "Alarm Statistics" }));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(window.settingButton()->text(), QString("Setting"));
        QCOMPARE(window.settingButton()->size(), QSize(96, 36));
        QVERIFY(!window.settingButton()->icon().pixmap(16).isNull());
    }

    void menuWithoutKitLibrary()
    {
        LogCapture log;
        tarvixMainPage window;
        QCOMPARE(log.count("The specified liblumosdk-qtwidgets dynamic library was not found."), 1);
        QCOMPARE(window.mainMenu()->objectName(), QString("mainMenu"));
        QStringList entries;
        for (QAction *action : window.mainMenu()->actions())
            entries << action->text();
        QCOMPARE(entries, (QStringList { "About", "Help", "Quit" }));
        QCOMPARE(window.mainMenu()->minimumWidth(), 160);
    }

    void menuWithKitLibrary_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("symbolMissing");
        QTest::newRow("with symbol") << "feedback" << QStringList { "Feedback", "About", "Help", "Quit" }
                                     << false;
        QTest::newRow("without symbol") << "nosymbol" << QStringList { "About", "Help", "Quit" } << true;
    }

    void menuWithKitLibrary()
    {
        QFETCH(QString, variant);
        QFETCH(QStringList, entries);
        QFETCH(bool, symbolMissing);

        // The library is looked up by its bare name, so the loader's path decides.
        QProcess probe;
        QProcessEnvironment environment = programEnvironment();
        environment.insert("LD_LIBRARY_PATH", QString(KIT_STUB_DIR "/kit-%1").arg(variant));
        probe.setProcessEnvironment(environment);
        probe.start(KIT_MENU_PROBE, QStringList());
        QVERIFY(probe.waitForFinished(30000));
        const QString log = QString::fromUtf8(probe.readAllStandardError());
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), entries);
        QVERIFY2(!log.contains("The specified liblumosdk-qtwidgets dynamic library was not found."),
            qPrintable(log));
        // Without the symbol the window says so and skips it.
        const QString skipped = QString::fromUtf8(
            symbolMissing ? "未找到匹配的目标函数符号，跳过调用。\n" : "未找到匹配的目标函数符号");
        QVERIFY2(log.contains(skipped) == symbolMissing, qPrintable(log));
    }

    void tabsKeepOneLogPage()
    {
        tarvixMainPage window;
        window.show();
        QCOMPARE(takeProperties(), QStringList { "tabName=notifyLog" });
        notifyLogMainPage *page = window.logPage();
        QVERIFY(page);
        QLayout *tabLayout = window.findChild<QLayout *>("tab_verticalLayout");
        QLayout *content = window.findChild<QLayout *>("contentVerticalLayout");
        const QStringList tabItems = itemNames(tabLayout);

        QTRY_VERIFY(!page->isLoading());
        const int loads = m_sim.output().count("call generateLogFile");
        QVERIFY(!window.reportPage());
        LogCapture log;
        notifyReportMain *report = nullptr;
        for (int round = 0; round < 2; ++round) {
            window.tabBar()->setCurrentIndex(1);
            if (round == 0) { // the first choice builds the report, which loads once
                report = window.reportPage();
                QVERIFY(report);
                QTRY_VERIFY(!report->isLoading());
            }
            QCOMPARE(window.reportPage(), report);
            QCOMPARE(itemNames(content), QStringList { "notifyReportMain" });
            QVERIFY(report->isVisible());
            QVERIFY(!page->isVisible());
            window.tabBar()->setCurrentIndex(0);
            QCOMPARE(window.logPage(), page);
            QCOMPARE(itemNames(content), QStringList { "notifyLogMainPage" });
            QVERIFY(page->isVisible());
            QVERIFY(!report->isVisible());
        }
        QCOMPARE(itemNames(tabLayout), tabItems);
        QCOMPARE(m_sim.output().count("call generateLogFile"), loads + 1); // later switches never reload
        QCOMPARE(log.count("tab 2 is selected!"), 2);
        QCOMPARE(log.count("tab 1 is selected!"), 2);
        QCOMPARE(takeProperties(),
            (QStringList {
                "tabName=notifyReport", "tabName=notifyLog", "tabName=notifyReport", "tabName=notifyLog" }));

        // One connection: one emission, one highlight.
        emit window.signal_update_notify_log_widget("a1");
        QCOMPARE(log.countContaining(HIGHLIGHT_LINE), 1);
        QTRY_COMPARE(log.count("The string is at index:  2"), 1);

        window.settingButton()->click();
        QCOMPARE(log.count("begin to config!"), 1);
        QCOMPARE(takeProperties(), QStringList { "tabName=notifyConfig" });
    }

    void maximizeByTitleKeysAndButtons()
    {
        tarvixMainPage window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // F11 toggles, F10 does not; the maximize button toggles too.
        for (const auto &step : { qMakePair(Qt::Key_F11, MAXIMIZED), qMakePair(Qt::Key_F10, MAXIMIZED),
                 qMakePair(Qt::Key_F11, NORMAL) }) {
            QTest::keyClick(&window, step.first);
            QCOMPARE(maximizeState(window), step.second);
        }
        auto *maximize = window.findChild<tarvix_title_bar_btn *>("maximum_btn");
        QTest::mouseClick(maximize, Qt::LeftButton);
        QCOMPARE(maximizeState(window), MAXIMIZED);
        QTest::mouseClick(maximize, Qt::LeftButton);
        QCOMPARE(maximizeState(window), NORMAL);
        // A state change from elsewhere (the window manager) shows too, both ways.
        window.setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(maximizeState(window), MAXIMIZED);
        window.setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(maximizeState(window), NORMAL);
        window.setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(maximizeState(window), MAXIMIZED);
        QTest::mouseClick(maximize, Qt::LeftButton);
        QCOMPARE(maximizeState(window), NORMAL);

        // Left double clicks in the top 36 pixels toggle; the empty part of the
        // title row, below the title, passes them to the window.
        QWidget *titleRow = window.findChild<QWidget *>("widget");
        QCOMPARE(titleRow->mapTo(&window, QPoint(0, 0)), QPoint(0, 0));
        const struct
        {
            Qt::MouseButton button;
            int y;
            QString state;
        } clicks[] = { { Qt::LeftButton, 35, MAXIMIZED }, { Qt::LeftButton, 35, NORMAL },
            { Qt::LeftButton, 36, NORMAL }, { Qt::RightButton, 10, NORMAL } };
        for (const auto &click : clicks) {
            QTest::mouseDClick(titleRow, click.button, Qt::NoModifier, QPoint(100, click.y));
            QCOMPARE(maximizeState(window), click.state);
        }
        // Fractional positions count rounded: 35.4 is in the strip, 35.5 is not.
        for (const qreal y : { 35.5, 35.4 }) {
            const QPointF position(100, y);
            QMouseEvent event(QEvent::MouseButtonDblClick, position, window.mapToGlobal(position.toPoint()),
                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&window, &event);
            QCOMPARE(maximizeState(window), y == 35.5 ? NORMAL : MAXIMIZED);
        }

        QTest::mouseClick(window.findChild<QPushButton *>("minimum_btn"), Qt::LeftButton);
        QVERIFY(window.windowState() & Qt::WindowMinimized);
    }

    void iconByVersionLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("themeIcon");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("4") << 4 << false;
        QTest::newRow("5") << 5 << true;
    }

    void iconByVersionLevel()
    {
        QFETCH(int, level);
        QFETCH(bool, themeIcon);
        sysVersionLevel = level;
        LogCapture log;
        tarvixMainPage window;
        QCOMPARE(log.count("current sys version less 2503"), themeIcon ? 0 : 1);
        const QImage resource = QIcon(":/Resource/Icon/base/zorva-tarvix.svg").pixmap(24).toImage();
        QVERIFY(!resource.isNull());
        for (const QIcon &icon :
            { window.windowIcon(), window.findChild<QPushButton *>("title_icon_btn")->icon() }) {
            // No theme here has the icon, and the resource file is no fallback.
            if (themeIcon)
                QVERIFY(icon.isNull());
            else
                QCOMPARE(icon.pixmap(24).toImage(), resource);
        }
    }

    void versionFromPackageList_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("version");
        const QString header
            = "Desired=Unknown/Install/Remove/Purge/Hold\n"
              "| Status=Not/Inst/Conf-files/Unpacked/halF-conf/Half-inst/trig-aWait/Trig-pend\n"
              "|/ Err?=(none)/Reinst-required (Status,Err: uppercase=bad)\n"
              "||/ Name           Version      Architecture Description\n"
              "+++-==============-============-============-=================================\n";
        const auto row = [](const char *tag, const QString &output, const char *version) {
            QTest::newRow(tag) << output << QString(version);
        };
        row("dpkg -l", header + "ii  tarvix-desktop  1.2.3-1  amd64  desc\n", "1.2.3-1");
        row("grep line", "ii  tarvix-desktop 1.2.3-1      amd64        Zorva Intrusion Detector\n",
            "1.2.3-1");
        row("no line feed", "ii  tarvix-desktop 2.0-1 amd64 desc", "2.0-1");
        row("two lines", "ii  tarvix-desktop 1.0 amd64 a\nrc  tarvix-desktop 2.0 amd64 b\n", "2.0");
        row("last without version", "ii  tarvix-desktop 1.0 amd64 a\nii  tarvix-desktop\n", "1.0");
        row("empty", "", "none");
        row("blanks only", "   \n\n", "none");
    }

    void versionFromPackageList()
    {
        QFETCH(QString, output);
        QFETCH(QString, version);
        QCOMPARE(tarvixMainPage::versionFromPackageList(output), version);
    }

    void aboutShowsVersion()
    {
        tarvixMainPage window;
        window.show();
        QString name, version;
        bool resourceIcon = false;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<lumo::KAboutDialog *>(QApplication::activeModalWidget());
            if (!about)
                return;
            name = about->appName();
            version = about->appVersion();
            resourceIcon = about->appIcon().pixmap(24).toImage()
                == QIcon(":/Resource/Icon/base/zorva-tarvix.svg").pixmap(24).toImage();
            about->reject();
        });
        menuAction(window, "About")->trigger();
        QCOMPARE(name, QString("Zorva Intrusion Detector"));
        // The package is not installed where the tests run.
        QCOMPARE(version, QString("Version Number:  none"));
        QVERIFY(resourceIcon);
    }

    void helpStartsGuide()
    {
        LogCapture log;
        QVERIFY(!tarvixMainPage::showGuide("zorva-tarvix"));
        QCOMPARE(log.count("showGuide fail"), 1);

        QDBusConnection connection
            = QDBusConnection::connectToBus(DaemonSimFixture::sessionBusAddress(), "guide");
        QVERIFY(connection.isConnected());
        QThread thread;
        GuideService guide;
        guide.moveToThread(&thread);
        thread.start();
        QVERIFY(connection.registerObject("/", &guide, QDBusConnection::ExportAllSlots));
        const QString service = QString("com.zorvaUserGuide.hotel_%1").arg(getuid());
        QVERIFY(connection.registerService(service));

        tarvixMainPage window;
        log.clear();
        menuAction(window, "Help")->trigger();
        QCOMPARE(log.count("showGuide success"), 1);
        {
            QMutexLocker lock(&guide.mutex);
            QCOMPARE(guide.calls, QStringList { "zorva-tarvix" });
        }
        thread.quit();
        thread.wait();
        QDBusConnection::disconnectFromBus("guide");
    }

    void closeButtonAndQuit()
    {
        tarvixMainPage window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *close = window.findChild<tarvix_title_bar_btn *>("close_btn");
        const QString normal = ":/Resource/Icon/titlebar/close.png";
        const QString white = ":/Resource/Icon/titlebar/closeWhite.png";
        const auto send = [&](QEvent::Type type) {
            QEvent event(type);
            QApplication::sendEvent(close, &event);
            return close->currentImage();
        };

        QCOMPARE(send(QEvent::Enter), white);
        QCOMPARE(send(QEvent::Leave), normal);
        QTest::mousePress(close, Qt::RightButton);
        QCOMPARE(close->currentImage(), normal);
        QTest::mouseRelease(close, Qt::RightButton);
        QTest::mousePress(close, Qt::LeftButton);
        QCOMPARE(close->currentImage(), white);
        // Nothing resets the image on release; leaving does.
        QTest::mouseRelease(close, Qt::LeftButton);
        QCOMPARE(close->currentImage(), white);
        QVERIFY(!window.isVisible()); // the click closed the window
        QCOMPARE(send(QEvent::Leave), normal);

        // Quit in the options menu closes it as well.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        menuAction(window, "Quit")->trigger();
        QVERIFY(!window.isVisible());
    }

    // The title row moves the window and its edges resize it, through the
    // window system, whatever the window manager makes of frameless windows.
    void titleMovesAndEdgesResize()
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
    }

    // A start from the application menu while the program runs sends no
    // alert: the window only comes up, and nothing is loaded or highlighted.
    void startWithoutAlertOnlyRaises()
    {
        tarvixMainPage window;
        window.show();
        QTRY_VERIFY(!window.logPage()->isLoading());
        QSignalSpy handedOver(&window, &tarvixMainPage::signal_update_notify_log_widget);
        for (const QString &alert : { QString(), QString("a1") }) {
            window.showMinimized();
            QTRY_VERIFY(window.isMinimized());
            window.slot_recv_update_message(alert);
            QVERIFY(!window.isMinimized() && window.isVisible());
            QCOMPARE(handedOver.count(), alert.isEmpty() ? 0 : 1);
            QCOMPARE(window.logPage()->isLoading(), !alert.isEmpty());
        }
    }

    // While the daemon does not answer, the window is up, repaints and
    // switches tabs: the longest gap between ticks of a 10 ms timer shows how
    // long the GUI thread was ever blocked.
    void staysResponsiveWhileTheDaemonHangs()
    {
        TARVIX_START_DAEMON(m_sim, { "--alerts", m_dir.filePath("alerts.log"), "--delay", "generateLogFile=3000" });
        QElapsedTimer clock;
        clock.start();
        tarvixMainPage window;
        window.show();
        QVERIFY(clock.elapsed() < 1000);
        notifyLogMainPage *page = window.logPage();
        QVERIFY(page->isLoading());

        qint64 last = clock.elapsed();
        qint64 longest = 0;
        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(10);
        connect(&ticker, &QTimer::timeout, this, [&] {
            longest = qMax(longest, clock.elapsed() - last);
            last = clock.elapsed();
            if (++ticks % 10 == 0) {
                window.tabBar()->setCurrentIndex(1 - window.tabBar()->currentIndex());
                window.repaint();
            }
        });
        ticker.start();
        QTRY_VERIFY_WITH_TIMEOUT(!page->isLoading(), 10000);
        ticker.stop();
        QVERIFY(clock.elapsed() > 2500); // the daemon really kept it waiting
        QVERIFY2(longest < 100, qPrintable(QString("blocked for %1 ms").arg(longest)));
        QVERIFY(ticks > 100);

        const QString error = startSimWithAlerts(m_sim, m_dir, 3);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
};

TARVIX_BUS_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
