#include "kit/windowbutton_p.h"

#include "kit/kitstyle.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace lumo {

WindowButton::WindowButton(bool isClose, QWidget *parent)
    : QPushButton(parent)
    , m_isClose(isClose)
{
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(16, 16));
}

void WindowButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool hovered = underMouse() && isEnabled();
    const bool pressed = isDown();

    QColor iconColour
        = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (m_isClose && (hovered || pressed)) {
        style::fillRoundedRect(p, r, 6, pressed ? style::closePressed() : style::closeHover());
        iconColour = Qt::white;
    } else if (pressed) {
        style::fillRoundedRect(p, r, 6, style::pressOverlay());
    } else if (hovered) {
        style::fillRoundedRect(p, r, 6, style::hoverOverlay());
    }

    const QPixmap pm = style::tintedPixmap(icon(), iconSize(), iconColour, devicePixelRatioF());
    if (!pm.isNull()) {
        const QSizeF logical = QSizeF(pm.size()) / pm.devicePixelRatio();
        const QPointF topLeft((width() - logical.width()) / 2.0, (height() - logical.height()) / 2.0);
        p.drawPixmap(topLeft, pm);
    }
}

} // namespace lumo
