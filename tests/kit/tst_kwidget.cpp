// The frameless window: its areas, layout types, window-flag rules and
// title-bar buttons, as a window's owner and its user meet them; and which
// presses move or resize it through the window system.
#include "kit/kdialog.h"
#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/windowgrip.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

using lumo::KWidget;
using lumo::WindowGrip;

namespace {
// Which of menu, minimise, maximise and close are shown, as "0111".
QString shownButtons(lumo::KWindowButtonBar *bar)
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
} // namespace

class KWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    // Names and sizes the desktop's style and the application's windows rely on.
    void areasButtonsAndLayoutTypes()
    {
        KWidget w;
        QCOMPARE(w.objectName(), QString("Kwidget"));
        lumo::KWindowButtonBar *bar = w.windowButtonBar();
        const QStringList names { w.iconBar()->objectName(), w.titleBar()->objectName(),
            w.sideBar()->objectName(), w.baseBar()->objectName(), bar->closeButton()->objectName() };
        QCOMPARE(names, QStringList({ "IconBar", "TitleBar", "SideWidget", "BaseWidget", "CloseButton" }));
        // What the desktop's style reads to draw the window buttons.
        QCOMPARE(QVariantList({ bar->closeButton()->property("isWindowButton"),
                     bar->closeButton()->property("useIconHighlightEffect"),
                     bar->minimumButton()->property("isWindowButton") }),
            QVariantList({ 2, 8, 1 }));
        QCOMPARE(QStringList({ bar->minimumButton()->toolTip(), bar->maximumButton()->toolTip(),
                     bar->closeButton()->toolTip() }),
            QStringList({ "Minimize", "Maximize", "Close" }));

        // The title and the icon bar's name follow each other.
        w.setWidgetName("Zorva Intrusion Detector Setting");
        QCOMPARE(w.windowTitle(), QString("Zorva Intrusion Detector Setting"));
        w.setWindowTitle("Other");
        QCOMPARE(w.iconBar()->nameLabel()->text(), QString("Other"));

        w.resize(910, 520);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.iconBar()->geometry(), QRect(0, 0, 200, 40));
        QCOMPARE(w.titleBar()->geometry(), QRect(200, 0, 710, 40));
        QCOMPARE(bar->closeButton()->size(), QSize(30, 30));
        QVERIFY(w.sideBar()->isHidden());
        QCOMPARE(w.baseBar()->geometry(), QRect(0, 40, 910, 480));
        w.setLayoutType(lumo::HorizontalType);
        QTRY_COMPARE(w.sideBar()->geometry(), QRect(0, 40, 200, 480));
        QCOMPARE(w.baseBar()->geometry(), QRect(200, 40, 710, 480));

        // The icon bar takes the side's colour only beside a side widget of its own.
        const QRgb base = w.palette().color(QPalette::Base).rgb();
        const auto iconFill = [&w] { return w.iconBar()->palette().color(QPalette::Window).rgb(); };
        QVERIFY(iconFill() != base);
        w.setLayoutType(lumo::MixedType);
        QVERIFY(!w.sideBar()->isHidden() && iconFill() == base);
        QTest::ignoreMessage(QtWarningMsg, "unknown KWidget layout type 7");
        w.setLayoutType(7);
        QCOMPARE(w.layoutType(), lumo::MixedType);
        w.setLayoutType(lumo::VerticalType);
        QVERIFY(w.sideBar()->isHidden() && iconFill() == base);
    }

    void windowFlagRules()
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

    void maximiseRestoreAndClose()
    {
        KWidget w;
        w.resize(600, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
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

        // The kit's dialog shows only Close, which rejects it.
        lumo::KDialog dialog;
        QCOMPARE(shownButtons(dialog.windowButtonBar()), QString("0001"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.windowButtonBar()->closeButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void edgesAlongTheBorder()
    {
        // A 400 x 300 window; the band is 6 wide, 16 along an edge near a corner.
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.resize(400, 300);
        auto *grip = new WindowGrip(&window);
        const Qt::Edges none;
        // Point, its edges, and its edges once the width is fixed.
        const std::tuple<QPoint, Qt::Edges, Qt::Edges> points[] = { { { 5, 150 }, Qt::LeftEdge, none },
            { { 6, 150 }, none, none }, { { 200, 299 }, Qt::BottomEdge, Qt::BottomEdge },
            { { 0, 0 }, Qt::TopEdge | Qt::LeftEdge, Qt::TopEdge },
            { { 2, 15 }, Qt::TopEdge | Qt::LeftEdge, none },
            { { 384, 297 }, Qt::BottomEdge | Qt::RightEdge, Qt::BottomEdge },
            { { 383, 297 }, Qt::BottomEdge, Qt::BottomEdge }, { { 400, 150 }, none, none } };
        for (const auto &[at, resizable, fixedWidth] : points) {
            window.setMaximumWidth(QWIDGETSIZE_MAX);
            QCOMPARE(grip->edgesAt(at), resizable);
            window.setFixedWidth(400);
            QCOMPARE(grip->edgesAt(at), fixedWidth);
        }
    }

    void movesAndResizes()
    {
        lumo::KWidget window;
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
        QCOMPARE(moves.count(), 2);
        QCOMPARE(resizes.count(), 1);

        lumo::KDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy dialogMoves(dialog.findChild<WindowGrip *>(), &WindowGrip::moveRequested);
        drag(dialog.iconBar(), QPoint(100, 20));
        QCOMPARE(dialogMoves.count(), 1);
    }
};

QTEST_MAIN(KWidgetTest)
#include "tst_kwidget.moc"
