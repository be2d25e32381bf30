// Moving and resizing the kit's frameless windows with the mouse: which
// presses ask the window system, and which stay with the widgets.
#include "kit/kdialog.h"
#include "kit/kiconbar.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/windowgrip.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

using lumo::WindowGrip;

namespace {

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

class WindowGripTest : public QObject
{
    Q_OBJECT

private slots:
    void edgesAlongTheBorder()
    {
        // A 400 x 300 window; the band is 6 wide, 16 along an edge near a corner.
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.resize(400, 300);
        auto *grip = new WindowGrip(&window);
        const Qt::Edges none;
        const struct
        {
            QPoint at;
            Qt::Edges resizable, fixedWidth;
        } points[] = {
            { { 5, 150 }, Qt::LeftEdge, none },
            { { 6, 150 }, none, none },
            { { 200, 299 }, Qt::BottomEdge, Qt::BottomEdge },
            { { 0, 0 }, Qt::TopEdge | Qt::LeftEdge, Qt::TopEdge },
            { { 2, 15 }, Qt::TopEdge | Qt::LeftEdge, none },
            { { 384, 297 }, Qt::BottomEdge | Qt::RightEdge, Qt::BottomEdge },
            { { 383, 297 }, Qt::BottomEdge, Qt::BottomEdge },
            { { 400, 150 }, none, none },
        };
        for (const auto &point : points)
            QCOMPARE(grip->edgesAt(point.at), point.resizable);
        window.setFixedWidth(400);
        for (const auto &point : points)
            QCOMPARE(grip->edgesAt(point.at), point.fixedWidth);
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

QTEST_MAIN(WindowGripTest)
#include "tst_windowgrip.moc"
