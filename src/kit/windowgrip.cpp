#include "kit/windowgrip.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lumo {

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((top && left) || (bottom && right))
        return Qt::SizeFDiagCursor;
    if ((top && right) || (bottom && left))
        return Qt::SizeBDiagCursor;
    return left || right ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

bool isPlacedByUser(const QWidget *window)
{
    return !window->isMaximized() && !window->isFullScreen();
}

} // namespace

WindowGrip::WindowGrip(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // The native window comes and goes (showing, changing flags); it is
    // watched anew each time, since it sees every press before any child.
    m_window->installEventFilter(this);
    watchNativeWindow();
    qRegisterMetaType<Qt::Edges>(); // for resizeRequested across threads and in signal spies
}

WindowGrip::~WindowGrip()
{
    showEdgeCursor({});
}

void WindowGrip::addMoveArea(QWidget *area)
{
    area->installEventFilter(this);
}

Qt::Edges WindowGrip::edgesAt(const QPoint &pos) const
{
    if (!isPlacedByUser(m_window))
        return {};
    const bool wide = m_window->minimumWidth() < m_window->maximumWidth();
    const bool tall = m_window->minimumHeight() < m_window->maximumHeight();
    const int width = m_window->width();
    const int height = m_window->height();
    if (!QRect(0, 0, width, height).contains(pos))
        return {};

    auto horizontal = [&](int band) -> Qt::Edges {
        if (!wide)
            return {};
        return pos.x() < band ? Qt::LeftEdge : pos.x() >= width - band ? Qt::RightEdge : Qt::Edges();
    };
    auto vertical = [&](int band) -> Qt::Edges {
        if (!tall)
            return {};
        return pos.y() < band ? Qt::TopEdge : pos.y() >= height - band ? Qt::BottomEdge : Qt::Edges();
    };
    const Qt::Edges x = horizontal(BORDER);
    const Qt::Edges y = vertical(BORDER);
    if (x && !y)
        return x | vertical(CORNER);
    if (y && !x)
        return y | horizontal(CORNER);
    return x | y;
}

void WindowGrip::watchNativeWindow()
{
    QWindow *native = m_window->windowHandle();
    if (native == m_native)
        return;
    if (m_native)
        m_native->removeEventFilter(this);
    m_native = native;
    if (m_native)
        m_native->installEventFilter(this);
}

bool WindowGrip::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_native) {
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress)
            return handleWindowMouse(static_cast<QMouseEvent *>(event));
        if (type == QEvent::Leave)
            showEdgeCursor({});
        return false;
    }
    if (watched == m_window) {
        if (type == QEvent::Show || type == QEvent::WinIdChange)
            watchNativeWindow();
        if (type == QEvent::Hide)
            showEdgeCursor({});
        return false;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease)
        handleAreaMouse(static_cast<QMouseEvent *>(event));
    return false;
}

bool WindowGrip::handleWindowMouse(QMouseEvent *event)
{
    const Qt::Edges edges = edgesAt(event->pos());
    if (event->type() == QEvent::MouseMove) {
        if (event->buttons() == Qt::NoButton)
            showEdgeCursor(edges);
        return false;
    }
    if (event->button() != Qt::LeftButton || !edges)
        return false;
    emit resizeRequested(edges);
    showEdgeCursor({}); // the window manager shows its own while it resizes
    // The window manager takes the press over; the child under it never sees it.
    return m_native->startSystemResize(edges);
}

void WindowGrip::handleAreaMouse(QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = event->button() == Qt::LeftButton;
        m_pressGlobalPos = event->globalPos();
        break;
    case QEvent::MouseMove:
        // Only once the pointer has really moved: a click or a double click
        // (maximise) must reach the area as usual.
        if (m_pressed && (event->buttons() & Qt::LeftButton)
            && (event->globalPos() - m_pressGlobalPos).manhattanLength()
                >= QApplication::startDragDistance()) {
            m_pressed = false;
            if (isPlacedByUser(m_window) && m_native) {
                emit moveRequested();
                m_native->startSystemMove();
            }
        }
        break;
    default:
        m_pressed = false;
        break;
    }
}

void WindowGrip::showEdgeCursor(Qt::Edges edges)
{
    // Over the band the pointer shows what a press would do, whatever the
    // widget below it would show; outside it the widgets' own cursors return.
    if (edges == m_cursorEdges)
        return;
    if (!edges)
        QGuiApplication::restoreOverrideCursor();
    else if (m_cursorEdges)
        QGuiApplication::changeOverrideCursor(cursorFor(edges));
    else
        QGuiApplication::setOverrideCursor(cursorFor(edges));
    m_cursorEdges = edges;
}

} // namespace lumo
