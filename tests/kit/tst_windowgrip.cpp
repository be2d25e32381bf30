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

const Qt::Edges NONE;
const Qt::Edges TOP_LEFT = Qt::TopEdge | Qt::LeftEdge;
const Qt::Edges BOTTOM_RIGHT = Qt::BottomEdge | Qt::RightEdge;

bool showExposed(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// A press and a drag of distance pixels to the right, from at (window coordinates).
void drag(QWindow *window, QPoint at, int distance)
{
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(window, at + QPoint(distance, 0));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at + QPoint(distance, 0));
}

QPoint inWindow(QWidget *widget, QPoint at)
{
    return widget->mapTo(widget->window(), at);
}

} // namespace

Q_DECLARE_METATYPE(Qt::Edges)

class WindowGripTest : public QObject
{
    Q_OBJECT

private slots:
    void edgesAlongTheBorder_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::Edges>("resizable");
        QTest::addColumn<Qt::Edges>("fixedWidth");
        // A 400 x 300 window; the band is 6 wide, 16 along the edge near a corner.
        QTest::newRow("left") << QPoint(0, 150) << Qt::Edges(Qt::LeftEdge) << NONE;
        QTest::newRow("inside the band") << QPoint(5, 150) << Qt::Edges(Qt::LeftEdge) << NONE;
        QTest::newRow("past the band") << QPoint(6, 150) << NONE << NONE;
        QTest::newRow("right") << QPoint(399, 150) << Qt::Edges(Qt::RightEdge) << NONE;
        QTest::newRow("top") << QPoint(200, 0) << Qt::Edges(Qt::TopEdge) << Qt::Edges(Qt::TopEdge);
        QTest::newRow("bottom") << QPoint(200, 299) << Qt::Edges(Qt::BottomEdge) << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("corner") << QPoint(0, 0) << TOP_LEFT << Qt::Edges(Qt::TopEdge);
        QTest::newRow("left near the corner") << QPoint(2, 15) << TOP_LEFT << NONE;
        QTest::newRow("bottom near the corner")
            << QPoint(384, 297) << BOTTOM_RIGHT << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("bottom off the corner")
            << QPoint(383, 297) << Qt::Edges(Qt::BottomEdge) << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("middle") << QPoint(200, 150) << NONE << NONE;
        QTest::newRow("outside") << QPoint(400, 150) << NONE << NONE;
    }

    void edgesAlongTheBorder()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::Edges, resizable);
        QFETCH(Qt::Edges, fixedWidth);
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.resize(400, 300);
        auto *grip = new WindowGrip(&window);
        QCOMPARE(grip->edgesAt(at), resizable);
        window.setFixedWidth(400);
        QCOMPARE(grip->edgesAt(at), fixedWidth);
        window.setFixedSize(400, 300);
        QCOMPARE(grip->edgesAt(at), NONE);
    }

    void pressOnTheEdgeResizes()
    {
        lumo::KWidget window;
        window.resize(600, 400);
        QVERIFY(showExposed(window));
        QWindow *native = window.windowHandle();
        auto *grip = window.findChild<WindowGrip *>();
        QVERIFY(grip);
        qRegisterMetaType<Qt::Edges>();
        QSignalSpy resizes(grip, &WindowGrip::resizeRequested);

        // The pointer shows what a press would do, and the widgets' own cursors again inside.
        const auto cursor = [] {
            return QGuiApplication::overrideCursor() ? int(QGuiApplication::overrideCursor()->shape()) : -1;
        };
        QTest::mouseMove(native, QPoint(598, 398));
        QCOMPARE(cursor(), int(Qt::SizeFDiagCursor));
        QTest::mouseMove(native, QPoint(300, 399));
        QCOMPARE(cursor(), int(Qt::SizeVerCursor));
        QTest::mouseMove(native, QPoint(300, 200));
        QCOMPARE(cursor(), -1);
        QTest::mouseMove(native, QPoint(0, 200));
        window.hide(); // while the pointer is on the edge
        QCOMPARE(cursor(), -1);
        window.show();

        QTest::mouseClick(native, Qt::LeftButton, Qt::NoModifier, QPoint(598, 398));
        QTest::mouseClick(native, Qt::RightButton, Qt::NoModifier, QPoint(0, 200));
        QTest::mouseClick(native, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
        QCOMPARE(resizes.count(), 1);
        QCOMPARE(resizes.at(0).at(0).value<Qt::Edges>(), BOTTOM_RIGHT);

        // A maximised window is placed by the window manager alone.
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QTest::mouseClick(native, Qt::LeftButton, Qt::NoModifier, QPoint(0, 200));
        QCOMPARE(resizes.count(), 1);
    }

    void dragOnTheTitleMoves()
    {
        lumo::KWidget window;
        window.resize(600, 400);
        QVERIFY(showExposed(window));
        QWindow *native = window.windowHandle();
        auto *grip = window.findChild<WindowGrip *>();
        QSignalSpy moves(grip, &WindowGrip::moveRequested);
        const QPoint title = inWindow(window.titleBar(), QPoint(100, 20));
        const QPoint name = inWindow(window.iconBar()->nameLabel(), QPoint(2, 5));

        drag(native, title, 1); // a click that wobbled, not a move
        QCOMPARE(moves.count(), 0);
        drag(native, title, 30);
        drag(native, name, 30); // through the label to the icon bar
        QCOMPARE(moves.count(), 2);

        // The buttons keep their presses, and the content is no title.
        QPushButton *close = window.titleBar()->closeButton();
        drag(native, inWindow(close, close->rect().center()), 30);
        drag(native, inWindow(window.baseBar(), QPoint(200, 100)), 30);
        QCOMPARE(moves.count(), 2);

        // A double click on the title still maximises.
        QTest::mouseDClick(native, Qt::LeftButton, Qt::NoModifier, title);
        QTRY_VERIFY(window.isMaximized());
        drag(native, title, 30);
        QCOMPARE(moves.count(), 2);
    }

    void dialogsMoveToo()
    {
        lumo::KDialog dialog;
        dialog.resize(400, 300);
        QVERIFY(showExposed(dialog));
        auto *grip = dialog.findChild<WindowGrip *>();
        QSignalSpy moves(grip, &WindowGrip::moveRequested);
        drag(dialog.windowHandle(), inWindow(dialog.iconBar(), QPoint(100, 20)), 30);
        QCOMPARE(moves.count(), 1);
    }
};

QTEST_MAIN(WindowGripTest)
#include "tst_windowgrip.moc"
