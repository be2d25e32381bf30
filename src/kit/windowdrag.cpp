#include "kit/windowdrag_p.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lumo {

bool startWindowDrag(QWidget *area, QMouseEvent *event, const QPoint &pressPos)
{
    if (!(event->buttons() & Qt::LeftButton))
        return false;
    if ((event->pos() - pressPos).manhattanLength() < QApplication::startDragDistance())
        return false;
    QWidget *window = area->window();
    if (window->isMaximized() || window->isFullScreen() || !window->windowHandle())
        return false;
    return window->windowHandle()->startSystemMove();
}

} // namespace lumo
