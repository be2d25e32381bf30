#include "widgets/busyindicator.h"

#include "kit/kitstyle.h"

#include <QPainter>

namespace {

const int STEP_DEGREES = 30;
const int STEP_MS = 80;

} // namespace

BusyIndicator::BusyIndicator(int size, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(size, size);
    m_timer.setInterval(STEP_MS);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + STEP_DEGREES) % 360;
        update();
    });
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = qMax(2.0, this->width() / 8.0);
    const QRectF circle = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    painter.setPen(QPen(lumo::style::gridLine(), width));
    painter.drawEllipse(circle);
    painter.setPen(QPen(lumo::style::accent(), width, Qt::SolidLine, Qt::RoundCap));
    // Angles in sixteenths of a degree, counter-clockwise; turn clockwise.
    painter.drawArc(circle, -m_angle * 16, 100 * 16);
}

void BusyIndicator::showEvent(QShowEvent *event)
{
    m_timer.start();
    QWidget::showEvent(event);
}

void BusyIndicator::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}
