#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;
class QWindow;

namespace lumo {

// Lets the user move and resize a frameless window with the mouse. Such a
// window has no frame that a window manager would offer for this, so it asks
// the window system itself: a drag on one of its move areas and a press on
// its edges start the window system's own interactive move and resize, and
// the window manager stays in charge (snapping, screen edges, keyboard).
class WindowGrip : public QObject
{
    Q_OBJECT
public:
    // Width of the band along the edges that resizes the window.
    static constexpr int BORDER = 6;
    // Along an edge, this far from a corner resizes in both directions.
    static constexpr int CORNER = 16;

    // Resizing works from the window's edges at once; moving needs an area.
    explicit WindowGrip(QWidget *window);
    ~WindowGrip() override;

    // A press that area (a child of the window) itself receives, followed by
    // a drag, moves the window. Presses taken by a child of the area (a button
    // in a title bar) stay with it.
    void addMoveArea(QWidget *area);

    // The edges a press at pos (window coordinates) resizes: none inside the
    // window, along a fixed dimension, or while maximised or full screen.
    Qt::Edges edgesAt(const QPoint &pos) const;

signals:
    // Emitted as the window system is asked (it may offer no such request).
    void moveRequested();
    void resizeRequested(Qt::Edges edges);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchNativeWindow();
    bool handleWindowMouse(QMouseEvent *event);
    void handleAreaMouse(QMouseEvent *event);
    void showEdgeCursor(Qt::Edges edges);

    QWidget *const m_window;
    QPointer<QWindow> m_native;
    QPoint m_pressGlobalPos;
    bool m_pressed = false;
    Qt::Edges m_cursorEdges;
};

} // namespace lumo
