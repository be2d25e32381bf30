#include "logpage/framelinewidget.h"

#include "kit/kitstyle.h"

#include <QPainter>

void FrameLineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(lumo::style::separator());
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
