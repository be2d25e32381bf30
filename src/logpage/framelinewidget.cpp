#include "logpage/framelinewidget.h"

#include <QPainter>

void FrameLineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor("#D8D8D8"));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
