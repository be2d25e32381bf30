// The kit's windows and controls; its catalogues come last, since they switch the language.
#include "kit/kaboutdialog.h"
#include "kit/kballontip.h"
#include "kit/kdialog.h"
#include "kit/kiconbar.h"
#include "kit/kittranslation.h"
#include "kit/kmenubutton.h"
#include "kit/knavigationbar.h"
#include "kit/ktabbar.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/linklabel.h"
#include "kit/themecontroller.h"
#include "kit/windowgrip.h"
#include "support/alertlog.h"
#include "translation/supportedlocales.h"

#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QWindow>
#include <QtTest>

using namespace lumo;

namespace {
// Which of menu, minimise, maximise and close are shown, as "0111".
QString shownButtons(KWindowButtonBar *bar)
{
    QString shown;
    for (QWidget *b : QList<QWidget *> {
             bar->menuButton(), bar->minimumButton(), bar->maximumButton(), bar->closeButton() })
        shown += b->isHidden() ? '0' : '1';
    return shown;
}

// A press and a drag of distance pixels to the right, at a widget's point.
void drag(QWidget *widget, QPoint at, int distance = 30)
{
    QWindow *window = widget->window()->windowHandle();
    at = widget->mapTo(widget->window(), at);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(window, at + QPoint(distance, 0));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at + QPoint(distance, 0));
}

int overrideCursor()
{
    return QGuiApplication::overrideCursor() ? int(QGuiApplication::overrideCursor()->shape()) : -1;
}

// A mime list under home naming the mailto handler(s).
void writeMailList(const QTemporaryDir &home, const char *list, const QByteArray &handlers)
{
    QDir(home.path()).mkdir(".config");
    writeTestFile(home, QString(".config/") + list,
        "[Default Applications]\nx-scheme-handler/mailto=" + handlers + "\n");
}

QStringList texts(QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions())
        result << action->text();
    return result;
}

// Which of Auto, Light and Dark are checked, as "010".
QString checked(KMenuButton &b)
{
    QString result;
    for (QAction *action : { b.autoAction(), b.lightAction(), b.darkAction() })
        result += action->isChecked() ? '1' : '0';
    return result;
}
} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // Names and sizes the desktop's style and the application's windows rely on.
    void areasLayoutTypesAndMaximising()
    {
        KWidget w;
        KWindowButtonBar *bar = w.windowButtonBar();
        const QStringList names { w.objectName(), w.iconBar()->objectName(), w.titleBar()->objectName(),
            w.sideBar()->objectName(), w.baseBar()->objectName(), bar->closeButton()->objectName() };
        QCOMPARE(names,
            QStringList({ "Kwidget", "IconBar", "TitleBar", "SideWidget", "BaseWidget", "CloseButton" }));
        // What the desktop's style reads to draw the window buttons.
        QCOMPARE(QVariantList({ bar->closeButton()->property("isWindowButton"),
                     bar->closeButton()->property("useIconHighlightEffect"),
                     bar->minimumButton()->property("isWindowButton") }),
            QVariantList({ 2, 8, 1 }));
        QCOMPARE(QStringList({ bar->minimumButton()->toolTip(), bar->maximumButton()->toolTip(),
                     bar->closeButton()->toolTip() }),
            QStringList({ "Minimize", "Maximize", "Close" }));

        // The title and the icon bar's name follow each other.
        w.setWidgetName("Setting");
        w.setWindowTitle(w.windowTitle() + " window");
        QCOMPARE(w.iconBar()->nameLabel()->text(), QString("Setting window"));

        w.resize(910, 520);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.titleBar()->geometry(), QRect(200, 0, 710, 40));
        QVERIFY(w.sideBar()->isHidden());
        QCOMPARE(w.baseBar()->geometry(), QRect(0, 40, 910, 480));
        w.setLayoutType(HorizontalType);
        QTRY_COMPARE(w.sideBar()->geometry(), QRect(0, 40, 200, 480));
        QCOMPARE(w.baseBar()->geometry(), QRect(200, 40, 710, 480));

        // The icon bar takes the side's colour only beside a side widget of its own.
        const QRgb base = w.palette().color(QPalette::Base).rgb();
        const auto iconFill = [&w] { return w.iconBar()->palette().color(QPalette::Window).rgb(); };
        QVERIFY(iconFill() != base);
        w.setLayoutType(MixedType);
        QVERIFY(!w.sideBar()->isHidden() && iconFill() == base);
        QTest::ignoreMessage(QtWarningMsg, "unknown KWidget layout type 7");
        w.setLayoutType(7);
        QCOMPARE(w.layoutType(), MixedType);
        w.setLayoutType(VerticalType);
        QVERIFY(w.sideBar()->isHidden() && iconFill() == base);

        QPushButton *max = w.windowButtonBar()->maximumButton();
        QTest::mouseClick(max, Qt::LeftButton);
        QTRY_VERIFY(w.isMaximized());
        QCOMPARE(max->toolTip(), QString("Restore"));
        // Double-clicking the title bar or the icon bar toggles as well; a right button does not.
        QTest::mouseDClick(w.titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QTRY_VERIFY(!w.isMaximized());
        QCOMPARE(max->toolTip(), QString("Maximize"));
        QTest::mouseDClick(w.iconBar(), Qt::RightButton, Qt::NoModifier, QPoint(100, 20));
        QTest::mouseDClick(w.iconBar(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QTRY_VERIFY(w.isMaximized());
        QTest::mouseClick(w.windowButtonBar()->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(!w.isVisible());

        // A dialog is never maximised.
        w.setWindowFlags(Qt::Dialog);
        w.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseDClick(w.titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QTest::qWait(50);
        QVERIFY(!w.isMaximized());
    }

    void windowFlags()
    {
        // What is shown of menu, minimise, maximise and close; only the type counts, not extra hints.
        const std::pair<Qt::WindowType, const char *> rules[]
            = { { Qt::Window, "0111" }, { Qt::Dialog, "0001" }, { Qt::Sheet, "0001" }, { Qt::Tool, "0001" },
                  { Qt::Drawer, "0011" }, { Qt::Popup, "0000" }, { Qt::ToolTip, "0000" },
                  { Qt::SplashScreen, "0000" }, { Qt::CoverWindow, "0111" } };
        for (const auto &[type, shown] : rules) {
            KWidget w;
            // Start from a dialog so that "keeps" really has to show buttons again.
            w.setWindowFlags(Qt::Dialog);
            w.windowButtonBar()->menuButton()->show();
            w.setWindowFlags(type | Qt::WindowStaysOnTopHint);
            QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
            QVERIFY2(shownButtons(w.windowButtonBar()) == shown, shown);
        }
        QPointer<KWidget> desktop = new KWidget;
        QTest::ignoreMessage(QtWarningMsg, "KWidget cannot be a desktop window, deleting it");
        desktop->setWindowFlags(Qt::Desktop);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(desktop.isNull());
    }

    void windowGrip()
    {
        // A 400 x 300 window; the band is 6 wide, 16 along an edge near a corner.
        QWidget plain(nullptr, Qt::Window | Qt::FramelessWindowHint);
        plain.resize(400, 300);
        auto *edges = new WindowGrip(&plain);
        const Qt::Edges none;
        // Point, its edges, and its edges once the width is fixed.
        const std::tuple<QPoint, Qt::Edges, Qt::Edges> points[] = { { { 5, 150 }, Qt::LeftEdge, none },
            { { 6, 150 }, none, none }, { { 200, 299 }, Qt::BottomEdge, Qt::BottomEdge },
            { { 0, 0 }, Qt::TopEdge | Qt::LeftEdge, Qt::TopEdge },
            { { 2, 15 }, Qt::TopEdge | Qt::LeftEdge, none },
            { { 384, 297 }, Qt::BottomEdge | Qt::RightEdge, Qt::BottomEdge },
            { { 383, 297 }, Qt::BottomEdge, Qt::BottomEdge }, { { 400, 150 }, none, none } };
        for (const auto &[at, resizable, fixedWidth] : points) {
            plain.setMaximumWidth(QWIDGETSIZE_MAX);
            QCOMPARE(edges->edgesAt(at), resizable);
            plain.setFixedWidth(400);
            QCOMPARE(edges->edgesAt(at), fixedWidth);
        }

        KWidget window;
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow *native = window.windowHandle();
        auto *grip = window.findChild<WindowGrip *>();
        QSignalSpy moves(grip, &WindowGrip::moveRequested);
        QSignalSpy resizes(grip, &WindowGrip::resizeRequested);

        // Over the band the pointer shows what a press would do; inside, the widgets' own.
        QTest::mouseMove(native, QPoint(598, 398));
        QCOMPARE(overrideCursor(), int(Qt::SizeFDiagCursor));
        QTest::mouseMove(native, QPoint(300, 200));
        QCOMPARE(overrideCursor(), -1);
        QTest::mouseMove(native, QPoint(0, 200));
        window.hide(); // with the pointer on the edge: no cursor left behind
        QCOMPARE(overrideCursor(), -1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(native, Qt::LeftButton, Qt::NoModifier, QPoint(598, 398));
        QTest::mouseClick(native, Qt::RightButton, Qt::NoModifier, QPoint(0, 200));
        QCOMPARE(resizes.count(), 1);
        QCOMPARE(resizes.at(0).at(0).value<Qt::Edges>(), Qt::BottomEdge | Qt::RightEdge);

        drag(window.titleBar(), QPoint(100, 20), 1); // a click that wobbled
        drag(window.titleBar(), QPoint(100, 20));
        drag(window.iconBar()->nameLabel(), QPoint(2, 20)); // through the label to its bar
        drag(window.titleBar()->closeButton(), QPoint(15, 15)); // the button keeps its press
        drag(window.baseBar(), QPoint(200, 100));
        QCOMPARE(moves.count(), 2);

        // A double click on the title still maximises; a maximised window stays put.
        QTest::mouseDClick(native, Qt::LeftButton, Qt::NoModifier, window.titleBar()->geometry().center());
        QTRY_VERIFY(window.isMaximized());
        drag(window.titleBar(), QPoint(100, 20));
        QTest::mouseClick(native, Qt::LeftButton, Qt::NoModifier, QPoint(0, 200));
        QCOMPARE(QList<int>({ moves.count(), resizes.count() }), QList<int>({ 2, 1 }));

        // The kit's dialog moves by its icon bar and shows only Close, which rejects it.
        KDialog dialog;
        dialog.setWindowTitle("About");
        dialog.setWindowIcon(dialog.style()->standardIcon(QStyle::SP_FileIcon));
        QVERIFY(dialog.iconBar()->widgetName() == "About" && !dialog.iconBar()->icon().isNull());
        QCOMPARE(shownButtons(dialog.windowButtonBar()), QString("0001"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy dialogMoves(dialog.findChild<WindowGrip *>(), &WindowGrip::moveRequested);
        drag(dialog.iconBar(), QPoint(100, 20));
        QCOMPARE(dialogMoves.count(), 1);
        QTest::mouseClick(dialog.windowButtonBar()->closeButton(), Qt::LeftButton);
        QVERIFY(dialog.result() == QDialog::Rejected && !dialog.isVisible());
    }

    void barsButtonsAndLinks()
    {
        QTest::ignoreMessage(QtWarningMsg, "unknown tab bar style 9 - using the light segments");
        QCOMPARE(KTabBar(9, nullptr).barStyle(), SegmentLight);

        KNavigationBar bar;
        for (const char *name : { "Basic Setting", "Defense Setting", "AI Network Threat Detect" })
            bar.addItem(new QStandardItem(name));
        bar.addGroupItems({ new QStandardItem("Report") }, "More");
        bar.resize(bar.sizeHint().width(), 400);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QListView *list = bar.listview();
        const QRect second = list->visualRect(bar.model()->index(1, 0));
        QCOMPARE(second.height(), 36);
        // The list is as tall as its items, so nothing is cut off.
        QVERIFY(list->height() >= list->visualRect(bar.model()->index(4, 0)).bottom());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(list->currentIndex().row(), 1);
        // A group title cannot be chosen.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
            list->visualRect(bar.model()->index(3, 0)).center());
        QCOMPARE(list->currentIndex().row(), 1);

        LinkLabel link("support@zorvasoft.com");
        QCOMPARE(link.textFormat(), Qt::PlainText);
        link.resize(200, 20);
        link.show();
        QSignalSpy clicked(&link, &LinkLabel::clicked);
        // Pressing and letting go elsewhere is no click.
        QTest::mousePress(&link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(&link, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
        QTest::mouseClick(&link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
    }

    void balloonTip()
    {
        KBallonTip tip("Saved", TipNone);
        auto *icon = tip.findChild<QLabel *>("m_pIconLabel");
        QVERIFY(icon->isHidden());
        for (int type = TipSuccess; type <= TipError; ++type) {
            tip.setTipType(type);
            QVERIFY2(!icon->isHidden() && !icon->pixmap(Qt::ReturnByValue).isNull(),
                qPrintable(QString::number(type)));
        }
        // The custom type shows only a pixmap it was given.
        tip.setTipType(TipCustom);
        QVERIFY(icon->isHidden());
        tip.setPixmap(QPixmap(48, 48));
        QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(24, 24));
        QTest::ignoreMessage(QtWarningMsg, "unknown balloon tip type 9");
        tip.setTipType(9);
        QVERIFY(tip.tipType() == TipNone && icon->isHidden());

        // Closed, a tip waits for the owner that hides it on leave; shown, it deletes itself in time.
        QPointer<KBallonTip> hint = new KBallonTip("Hint", TipNone);
        hint->setTipTime(60);
        hint->show();
        hint->close();
        QTest::qWait(200);
        QVERIFY(!hint.isNull());
        hint->showInfo();
        QTRY_VERIFY_WITH_TIMEOUT(hint.isNull(), 2000);
    }

    void optionsMenu()
    {
        KMenuButton button, other;
        QCOMPARE(button.toolTip(), QString("Options"));
        QCOMPARE(texts(button.menu()) + texts(button.themeMenu()),
            QStringList(
                { "Setting", "Theme", "Help", "About", "Feedback", "Quit", "Auto", "Light", "Dark" }));
        QCOMPARE(button.menu()->actions(),
            QList<QAction *>({ button.settingAction(), button.themeAction(), button.assistAction(),
                button.aboutAction(), button.feedbackAction(), button.quitAction() }));
        QCOMPARE(checked(button), QString("100"));

        // Exclusive, and every menu of the process shows the same choice.
        button.darkAction()->trigger();
        QVERIFY(ThemeController::isDarkTheme() && checked(button) + checked(other) == "001001");
        button.lightAction()->trigger();
        QVERIFY(ThemeController::themeChoice() == ThemeController::ForceLight
            && checked(button) + checked(other) == "010010");
        button.autoAction()->trigger();
        QVERIFY(ThemeController::themeChoice() == ThemeController::FollowDesktop && checked(button) == "100");

        QTemporaryDir dir;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read"));
        QCOMPARE(KMenuButton::executableFromCmdline(dir.filePath("missing")), QString());
        QCOMPARE(
            KMenuButton::defaultFeedbackTool(), QString("/opt/zorva-os-manager/tools/service-support-mini"));

        const QString out = dir.filePath("args");
        const QString tool = writeTestFile(dir, "service-support-mini",
            QString("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1.tmp'\nmv '%1.tmp' '%1'\n")
                .arg(out)
                .toUtf8());
        QVERIFY(QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner));
        const qint64 pid = QCoreApplication::applicationPid();
        QVERIFY(KMenuButton::startFeedback(tool, pid));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 5000);
        const QString self = KMenuButton::executableFromCmdline(QString("/proc/%1/cmdline").arg(pid));
        QCOMPARE(QString::fromUtf8(readTestFile(out)).split('\n', Qt::SkipEmptyParts),
            QStringList({ "-mode=1", "-exe=" + self }));
        // Without the tool nothing is started.
        QVERIFY(!KMenuButton::startFeedback(dir.filePath("absent"), pid));
    }

    void aboutDialog()
    {
        QCOMPARE(KAboutDialog::versionFromOutput("1.2.0-1\n"), QString("1.2.0-1"));
        // Several packages contain the name: the first line is the package itself.
        QCOMPARE(KAboutDialog::versionFromOutput("\n2.0.1\n2.0.1+dev\n"), QString("2.0.1"));
        QCOMPARE(KAboutDialog::versionFromOutput("  \n\n"), QString());
        // The package name never reaches a shell unchecked.
        QTemporaryDir dir;
        const QString marker = dir.filePath("marker");
        QCOMPARE(KAboutDialog::packageVersion("x; touch " + marker), QString());
        QCOMPARE(KAboutDialog::packageVersion("$(touch " + marker + ")"), QString());
        QVERIFY(!QFile::exists(marker));

        // A dialog whose package is not installed says so.
        KAboutDialog dialog(nullptr, QIcon(QPixmap(64, 64)), "Zorva Intrusion Detector");
        dialog.setPackageName("no-such-package-kit-test");
        dialog.show();
        QCOMPARE(dialog.appVersion(), QString("Version number not found"));

        QTemporaryDir home, apps;
        const QString mailer = apps.filePath("mailer.desktop");
        auto lookup = [&] { return KAboutDialog::mailHandlerDesktopFile(home.path(), apps.path()); };
        QCOMPARE(lookup(), QString());
        writeMailList(home, "mimeapps.list", "gone.desktop;mailer.desktop;");
        QCOMPARE(lookup(), QString());
        writeTestFile(apps, "mailer.desktop", "[Desktop Entry]\nName=Mailer\n");
        QCOMPARE(lookup(), mailer);

        // The desktop's own list is the second place to look.
        QFile::remove(home.filePath(".config/mimeapps.list"));
        writeMailList(home, "vemo-mimeapps.list", "mailer.desktop");
        QCOMPARE(lookup(), mailer);

        // A handler name must not lead out of the applications directory (sub/../ would find it).
        QVERIFY(QDir(apps.path()).mkdir("sub"));
        writeMailList(home, "vemo-mimeapps.list", "../mailer.desktop");
        QCOMPARE(KAboutDialog::mailHandlerDesktopFile(home.path(), apps.filePath("sub")), QString());

        // Its texts and theme colours; without a mail application, a click on the address says so.
        QVERIFY(!dialog.findChild<QLabel *>("AppIconLabel")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(dialog.findChild<QLabel *>("SupportLabel")->text(), QString("Service & Support: "));
        QCOMPARE(dialog.findChild<LinkLabel *>("PrivacyLabel")->text(), QString("Privacy statement"));
        auto *mail = dialog.findChild<LinkLabel *>("SupportMailLabel");
        ThemeController::setThemeChoice(ThemeController::ForceDark);
        QCOMPARE(mail->textColor(), QColor("#D9D9D9"));
        QVERIFY(dialog.palette().color(QPalette::Base).lightness() < 80);
        ThemeController::setThemeChoice(ThemeController::FollowDesktop);
        QCOMPARE(mail->textColor(), QColor("#595959"));

        QTemporaryDir emptyHome;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(emptyHome.path()));
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(mail, Qt::LeftButton);
        qputenv("HOME", oldHome);
        auto *box = dialog.findChild<QMessageBox *>("MailErrorBox");
        QTRY_VERIFY(box && box->isVisible());
        QCOMPARE(box->windowTitle(), QString("Unable to open mail application"));
        QCOMPARE(box->text(),
            QString("Your system does not have any email application installed or the default "
                    "mail application is not set up."));
        QVERIFY(!box->iconPixmap().isNull());
    }

    // Every message of every catalogue is translated and compiled in, and live widgets follow.
    void kitCatalogues()
    {
        for (const SupportedLocale &locale : SUPPORTED_LOCALES) {
            QFile ts(QString(KIT_SOURCE_DIR "/translations/gui_%1.ts").arg(locale.name));
            QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(ts.fileName()));
            const QByteArray source = ts.readAll();
            // None unfinished, obsolete or empty.
            QVERIFY(source.count("<translation>") == 22 && source.count("<translation") == 22
                && !source.contains("<translation></translation>"));
            QVERIFY2(QTranslator().load(kitTranslationPath(locale.name)), locale.name);
        }
        KWindowButtonBar bar;
        QVERIFY(!installKitTranslation("xx_YY") && installKitTranslation("zh_CN"));
        QTRY_COMPARE(bar.closeButton()->toolTip(), QString::fromUtf8("关闭"));
        QCOMPARE(bar.menuButton()->toolTip() + bar.menuButton()->darkAction()->text(),
            QString::fromUtf8("选项深色"));
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
