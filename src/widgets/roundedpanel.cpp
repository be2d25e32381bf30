#include "widgets/roundedpanel.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

void paintRoundedPanel(QWidget *widget, const QColor &fill, const QColor &outline)
{
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = widget->contentsRect();
    QPainterPath path;
    path.addRoundedRect(QRectF(area.left() + 1, area.top() + 1, area.width() - 2, area.height() - 2), 10, 10);
    painter.setPen(QPen(outline, 1));
    painter.fillPath(path, fill);
    painter.drawPath(path);
}
