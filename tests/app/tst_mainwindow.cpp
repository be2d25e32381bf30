// The main window offscreen, with the stand-in daemon serving a few alerts
// through the real snapshot path.

#include "app/tarvix_title_bar_btn.h"
#include "app/tarvixmainpage.h"
#include "daemon/globaldata.h"
#include "kit/kaboutdialog.h"
#include "kit/ktabbar.h"
#include "logpage/notifylogmainpage.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/logcapture.h"
#include "system/systemprobes.h"

#include <QAction>
#include <QDBusConnection>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMutex>
#include <QPushButton>
#include <QSpacerItem>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

const char *const MAX_IMAGE = ":/Resource/Icon/titlebar/max.png";
const char *const REVERT_IMAGE = ":/Resource/Icon/titlebar/revert.png";
const char *const HIGHLIGHT_LINE = "get mainpage msg is: ";

QByteArray alertsLog()
{
    QByteArray log;
    const QDateTime newest = QDateTime::currentDateTime().addSecs(-3600);
    for (int i = 0; i < 3; ++i) {
        const QByteArray date
            = QLocale::c().toString(newest.addSecs(60 * (i - 2)), "yyyy MMM dd HH:mm:ss").toLatin1();
        log += "** Alert a" + QByteArray::number(i) + ": - syslog,\n" + date + " host->/var/log/auth.log\n"
            + "Rule: 5712 (level 12) -> 'alert " + QByteArray::number(i)
            + "'\nSrc IP: 10.0.0.1\nraw line\n\n";
    }
    return log;
}

// The user guide of the desktop: one method on the session bus. It answers
// from a thread of its own, because the window's call blocks the GUI thread.
class GuideService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.guide.hotel")
public:
    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

public slots:
    void showGuide(const QString &appName)
    {
        QMutexLocker lock(&m_mutex);
        m_calls << appName;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
};

QString guideServiceName()
{
    return QString("com.zorvaUserGuide.hotel_%1").arg(getuid());
}

// What a layout holds: object names, "stretch" for expanding spacers, "gap N" for fixed ones.
QStringList itemNames(QLayout *layout)
{
    auto *box = qobject_cast<QBoxLayout *>(layout);
    const bool vertical
        = box && (box->direction() == QBoxLayout::TopToBottom || box->direction() == QBoxLayout::BottomToTop);
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

QStringList actionTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

QAction *menuAction(tarvixMainPage &window, const QString &text)
{
    for (QAction *action : window.mainMenu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void formTree();
    void menuWithoutKitLibrary();
    void menuWithKitLibrary_data();
    void menuWithKitLibrary();
    void tabsKeepOneLogPage();
    void doubleClickInTitleStrip();
    void keysAndButtonsMaximize();
    void iconByVersionLevel_data();
    void iconByVersionLevel();
    void versionFromPackageList_data();
    void versionFromPackageList();
    void aboutShowsVersion();
    void helpStartsGuide();
    void quitClosesWindow();
    void closeButtonImages();

private:
    QStringList recordedProperties();

    DaemonSimFixture m_sim;
    QTemporaryDir m_dir;
};

void TestMainWindow::initTestCase()
{
    QFile log(m_dir.filePath("alerts.log"));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write(alertsLog());
    log.close();
    m_sim.setSnapshotPath("/tmp/tarvix_alerts.log");
    QVERIFY2(m_sim.start({ "--alerts", log.fileName() }), qPrintable(m_sim.errorString()));

    // No test event loop may end because a test closed its window.
    QApplication::setQuitOnLastWindowClosed(false);
    qputenv("TARVIX_USAGE_RECORD", QFile::encodeName(m_dir.filePath("usage")));
    GlobalData::instance()->setUsageLibraryDir(DATACOLLECT_STUB_DIR);
}

void TestMainWindow::init()
{
    sysVersionLevel = 0;
    QFile::remove(m_dir.filePath("usage"));
}

QStringList TestMainWindow::recordedProperties()
{
    QFile file(m_dir.filePath("usage"));
    QStringList properties;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith("  "))
                properties << QString::fromUtf8(line.trimmed());
        }
    }
    file.remove();
    return properties;
}

void TestMainWindow::formTree()
{
    tarvixMainPage window;
    QCOMPARE(window.objectName(), QString("tarvixMainPage"));
    QCOMPARE(window.size(), QSize(904, 568));
    QCOMPARE(window.minimumSize(), QSize(904, 568));
    QCOMPARE(window.windowTitle(), QString("Zorva Intrusion Detector"));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(window.centralWidget()->objectName(), QString("centralwidget"));

    auto layout = [&](const char *name) { return window.findChild<QLayout *>(name); };
    // Spacing and items of each layout; the other layouts of the rows follow in order.
    const struct
    {
        const char *name;
        int spacing;
        QStringList items;
    } layouts[] = {
        { "verticalLayout_2", 0, {} },
        { "horizontalLayout", 0, { "widget", "widget_2" } },
        { "horizontalLayout_7", 0, { "title_icon_btn", "gap 6", "title_label", "stretch" } },
        { "horizontalLayout_10", 4, { "stretch", "tool_button", "minimum_btn", "maximum_btn", "close_btn" } },
        { "tab_verticalLayout", 0, { "", "gap 8" } },
        { "contentVerticalLayout", 0, { "notifyLogMainPage" } },
    };
    for (const auto &expected : layouts) {
        QLayout *found = layout(expected.name);
        QVERIFY2(found, expected.name);
        QCOMPARE(found->spacing(), expected.spacing);
        if (!expected.items.isEmpty())
            QCOMPARE(itemNames(found), expected.items);
    }
    QCOMPARE(window.centralWidget()->layout(), layout("verticalLayout_2"));
    QStringList rows = itemNames(layout("verticalLayout_2"));
    rows.removeAll("stretch");
    QCOMPARE(rows,
        (QStringList {
            "horizontalLayout", "tab_verticalLayout", "contentVerticalLayout", "bottomHorizontalLayout" }));

    const auto margins = [&](const char *name) { return layout(name)->contentsMargins(); };
    QCOMPARE(margins("verticalLayout_2"), QMargins(0, 0, 0, 0));
    QCOMPARE(margins("horizontalLayout").top() + margins("horizontalLayout").bottom(), 0);
    QCOMPARE(margins("horizontalLayout_7"), QMargins(16, 0, 0, 0));
    QCOMPARE(margins("horizontalLayout_10"), QMargins(0, 0, 4, 0));
    QCOMPARE(QPoint(margins("contentVerticalLayout").left(), margins("contentVerticalLayout").right()),
        QPoint(24, 6));
    const QMargins bottom = margins("bottomHorizontalLayout");
    QCOMPARE((QList<int> { bottom.left(), bottom.right(), bottom.bottom() }), (QList<int> { 30, 24, 24 }));

    for (const char *name : { "widget", "widget_2" }) {
        QCOMPARE(window.findChild<QWidget *>(name)->minimumHeight(), 40);
        QCOMPARE(window.findChild<QWidget *>(name)->maximumHeight(), 40);
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
    const struct
    {
        const char *name;
        const char *toolTip;
        int windowButton;
        int highlight;
        const char *image;
    } buttons[] = {
        { "minimum_btn", "Minimize", 1, 2, ":/Resource/Icon/titlebar/min.png" },
        { "maximum_btn", "Maximize", 1, 2, MAX_IMAGE },
        { "close_btn", "Close", 2, 8, ":/Resource/Icon/titlebar/close.png" },
    };
    for (const auto &expected : buttons) {
        auto *button = window.findChild<tarvix_title_bar_btn *>(expected.name);
        QCOMPARE(button->size(), QSize(30, 30));
        QVERIFY(button->isFlat());
        QCOMPARE(button->toolTip(), QString(expected.toolTip));
        QCOMPARE(button->property("isWindowButton").toInt(), expected.windowButton);
        QCOMPARE(button->property("useIconHighlightEffect").toInt(), expected.highlight);
        QCOMPARE(button->currentImage(), QString(expected.image));
    }

    lumo::KTabBar *tabs = window.tabBar();
    QCOMPARE(tabs->size(), QSize(200, 36));
    QCOMPARE(QStringList({ tabs->tabText(0), tabs->tabText(1) }),
        (QStringList { "Alarm Logs", "Alarm Statistics" }));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(window.settingButton()->text(), QString("Setting"));
    QCOMPARE(window.settingButton()->size(), QSize(96, 36));
    QVERIFY(!window.settingButton()->icon().pixmap(16).isNull());
}

void TestMainWindow::menuWithoutKitLibrary()
{
    LogCapture log;
    tarvixMainPage window;
    QCOMPARE(log.count("The specified liblumosdk-qtwidgets dynamic library was not found."), 1);
    QMenu *menu = window.mainMenu();
    QCOMPARE(menu->objectName(), QString("mainMenu"));
    QCOMPARE(actionTexts(menu), (QStringList { "About", "Help", "Quit" }));
    QCOMPARE(menu->minimumWidth(), 160);
}

void TestMainWindow::menuWithKitLibrary_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("with symbol") << "feedback" << QStringList { "Feedback", "About", "Help", "Quit" } << "";
    QTest::newRow("without symbol") << "nosymbol" << QStringList { "About", "Help", "Quit" }
                                    << QString::fromUtf8("未找到匹配的目标函数符号，跳过调用。");
}

void TestMainWindow::menuWithKitLibrary()
{
    QFETCH(QString, variant);
    QFETCH(QStringList, entries);
    QFETCH(QString, logLine);

    // The library is looked up by its bare name, so the loader's path decides.
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_LIBRARY_PATH", QString(KIT_STUB_DIR "/kit-%1").arg(variant));
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("QT_FORCE_STDERR_LOGGING", "1");
    environment.remove("QT_MESSAGE_PATTERN");
    environment.remove("TARVIX_USAGE_RECORD");
    probe.setProcessEnvironment(environment);
    probe.start(KIT_MENU_PROBE, QStringList());
    QVERIFY(probe.waitForFinished(30000));
    const QString log = QString::fromUtf8(probe.readAllStandardError());
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), entries);
    QVERIFY2(
        !log.contains("The specified liblumosdk-qtwidgets dynamic library was not found."), qPrintable(log));
    if (logLine.isEmpty())
        QVERIFY2(!log.contains(QString::fromUtf8("未找到匹配的目标函数符号")), qPrintable(log));
    else
        QVERIFY2(log.contains(logLine + "\n"), qPrintable(log));
}

void TestMainWindow::tabsKeepOneLogPage()
{
    tarvixMainPage window;
    window.show();
    QCOMPARE(recordedProperties(), QStringList { "tabName=notifyLog" });
    notifyLogMainPage *page = window.logPage();
    QVERIFY(page);
    QLayout *tabLayout = window.findChild<QLayout *>("tab_verticalLayout");
    QLayout *content = window.findChild<QLayout *>("contentVerticalLayout");
    const QStringList tabItems = itemNames(tabLayout);

    LogCapture log;
    for (int round = 0; round < 2; ++round) {
        window.tabBar()->setCurrentIndex(1);
        QCOMPARE(content->count(), 0);
        QVERIFY(!page->isVisible());
        window.tabBar()->setCurrentIndex(0);
        QCOMPARE(window.logPage(), page);
        QCOMPARE(itemNames(content), QStringList { "notifyLogMainPage" });
        QVERIFY(page->isVisible());
    }
    QCOMPARE(itemNames(tabLayout), tabItems);
    QCOMPARE(log.count("tab 2 is selected!"), 2);
    QCOMPARE(log.count("tab 1 is selected!"), 2);
    QCOMPARE(recordedProperties(),
        (QStringList {
            "tabName=notifyReport", "tabName=notifyLog", "tabName=notifyReport", "tabName=notifyLog" }));

    // One connection: one emission, one highlight.
    emit window.signal_update_notify_log_widget("a1");
    QCOMPARE(log.countContaining(HIGHLIGHT_LINE), 1);
    QCOMPARE(log.count("The string is at index:  2"), 1);

    window.settingButton()->click();
    QCOMPARE(log.count("begin to config!"), 1);
    QCOMPARE(recordedProperties(), QStringList { "tabName=notifyConfig" });
}

void TestMainWindow::doubleClickInTitleStrip()
{
    tarvixMainPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *maximize = window.findChild<tarvix_title_bar_btn *>("maximum_btn");
    // The empty part of the title row, below the title; clicks there reach the window.
    QWidget *titleRow = window.findChild<QWidget *>("widget");
    QCOMPARE(titleRow->mapTo(&window, QPoint(0, 0)), QPoint(0, 0));

    QTest::mouseDClick(titleRow, Qt::LeftButton, Qt::NoModifier, QPoint(100, 35));
    QCOMPARE(window.windowState(), Qt::WindowMaximized);
    QCOMPARE(maximize->currentImage(), QString(REVERT_IMAGE));
    QTest::mouseDClick(titleRow, Qt::LeftButton, Qt::NoModifier, QPoint(100, 35));
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    QCOMPARE(maximize->currentImage(), QString(MAX_IMAGE));

    QTest::mouseDClick(titleRow, Qt::LeftButton, Qt::NoModifier, QPoint(100, 36));
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    QTest::mouseDClick(titleRow, Qt::RightButton, Qt::NoModifier, QPoint(100, 10));
    QCOMPARE(window.windowState(), Qt::WindowNoState);

    // Fractional positions count rounded: 35.4 is in the strip, 35.5 is not.
    auto doubleClickAt = [&](qreal y) {
        const QPointF position(100, y);
        QMouseEvent event(QEvent::MouseButtonDblClick, position, window.mapToGlobal(position.toPoint()),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    };
    doubleClickAt(35.5);
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    doubleClickAt(35.4);
    QCOMPARE(window.windowState(), Qt::WindowMaximized);
    QCOMPARE(maximize->currentImage(), QString(REVERT_IMAGE));
}

void TestMainWindow::keysAndButtonsMaximize()
{
    tarvixMainPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *maximize = window.findChild<tarvix_title_bar_btn *>("maximum_btn");

    QTest::keyClick(&window, Qt::Key_F11);
    QCOMPARE(window.windowState(), Qt::WindowMaximized);
    QCOMPARE(maximize->currentImage(), QString(REVERT_IMAGE));
    QTest::keyClick(&window, Qt::Key_F10);
    QCOMPARE(window.windowState(), Qt::WindowMaximized);
    QTest::keyClick(&window, Qt::Key_F11);
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    QCOMPARE(maximize->currentImage(), QString(MAX_IMAGE));

    QTest::mouseClick(maximize, Qt::LeftButton);
    QCOMPARE(window.windowState(), Qt::WindowMaximized);
    QCOMPARE(maximize->currentImage(), QString(REVERT_IMAGE));
    QTest::mouseClick(maximize, Qt::LeftButton);
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    QCOMPARE(maximize->currentImage(), QString(MAX_IMAGE));

    // A state change from elsewhere (the window manager) shows at the next resize.
    window.setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(maximize->currentImage(), QString(REVERT_IMAGE));

    QTest::mouseClick(window.findChild<QPushButton *>("minimum_btn"), Qt::LeftButton);
    QVERIFY(window.windowState() & Qt::WindowMinimized);
}

void TestMainWindow::iconByVersionLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("themeIcon");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("4") << 4 << false;
    QTest::newRow("5") << 5 << true;
}

void TestMainWindow::iconByVersionLevel()
{
    QFETCH(int, level);
    QFETCH(bool, themeIcon);
    sysVersionLevel = level;
    LogCapture log;
    tarvixMainPage window;
    QCOMPARE(log.count("current sys version less 2503"), themeIcon ? 0 : 1);
    const QIcon windowIcon = window.windowIcon();
    const QIcon titleIcon = window.findChild<QPushButton *>("title_icon_btn")->icon();
    if (themeIcon) {
        // No theme here has the icon, and the resource file is no fallback.
        QVERIFY(windowIcon.isNull());
        QVERIFY(titleIcon.isNull());
    } else {
        const QImage resource = QIcon(":/Resource/Icon/base/zorva-tarvix.svg").pixmap(24).toImage();
        QVERIFY(!resource.isNull());
        QCOMPARE(windowIcon.pixmap(24).toImage(), resource);
        QCOMPARE(titleIcon.pixmap(24).toImage(), resource);
    }
}

void TestMainWindow::versionFromPackageList_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("version");
    const QString header = "Desired=Unknown/Install/Remove/Purge/Hold\n"
                           "| Status=Not/Inst/Conf-files/Unpacked/halF-conf/Half-inst/trig-aWait/Trig-pend\n"
                           "|/ Err?=(none)/Reinst-required (Status,Err: uppercase=bad)\n"
                           "||/ Name           Version      Architecture Description\n"
                           "+++-==============-============-============-=================================\n";
    QTest::newRow("dpkg -l") << header + "ii  tarvix-desktop  1.2.3-1  amd64  desc\n"
                             << "1.2.3-1";
    QTest::newRow("grep line") << "ii  tarvix-desktop 1.2.3-1      amd64        Zorva Intrusion Detector\n"
                               << "1.2.3-1";
    QTest::newRow("no line feed") << "ii  tarvix-desktop 2.0-1 amd64 desc"
                                  << "2.0-1";
    QTest::newRow("two lines") << "ii  tarvix-desktop 1.0 amd64 a\nrc  tarvix-desktop 2.0 amd64 b\n"
                               << "2.0";
    QTest::newRow("last without version") << "ii  tarvix-desktop 1.0 amd64 a\nii  tarvix-desktop\n"
                                          << "1.0";
    QTest::newRow("empty") << ""
                           << "none";
    QTest::newRow("blanks only") << "   \n\n"
                                 << "none";
}

void TestMainWindow::versionFromPackageList()
{
    QFETCH(QString, output);
    QFETCH(QString, version);
    QCOMPARE(tarvixMainPage::versionFromPackageList(output), version);
}

void TestMainWindow::aboutShowsVersion()
{
    tarvixMainPage window;
    window.show();
    QString name;
    QString version;
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

void TestMainWindow::helpStartsGuide()
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
    QVERIFY(connection.registerService(guideServiceName()));

    tarvixMainPage window;
    log.clear();
    menuAction(window, "Help")->trigger();
    QCOMPARE(log.count("showGuide success"), 1);
    QCOMPARE(guide.calls(), QStringList { "zorva-tarvix" });

    connection.unregisterService(guideServiceName());
    connection.unregisterObject("/");
    thread.quit();
    thread.wait();
    QDBusConnection::disconnectFromBus("guide");
}

void TestMainWindow::quitClosesWindow()
{
    tarvixMainPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    menuAction(window, "Quit")->trigger();
    QVERIFY(!window.isVisible());
}

void TestMainWindow::closeButtonImages()
{
    tarvixMainPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *close = window.findChild<tarvix_title_bar_btn *>("close_btn");
    const QString normal = ":/Resource/Icon/titlebar/close.png";
    const QString white = ":/Resource/Icon/titlebar/closeWhite.png";

    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(close, &enter);
    QCOMPARE(close->currentImage(), white);
    QApplication::sendEvent(close, &leave);
    QCOMPARE(close->currentImage(), normal);

    QTest::mousePress(close, Qt::RightButton);
    QCOMPARE(close->currentImage(), normal);
    QTest::mouseRelease(close, Qt::RightButton);
    QTest::mousePress(close, Qt::LeftButton);
    QCOMPARE(close->currentImage(), white);
    // Nothing resets the image on release; leaving does.
    QTest::mouseRelease(close, Qt::LeftButton);
    QCOMPARE(close->currentImage(), white);
    QVERIFY(!window.isVisible()); // the click closed the window
    QApplication::sendEvent(close, &leave);
    QCOMPARE(close->currentImage(), normal);
}

TARVIX_BUS_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
