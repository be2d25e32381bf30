#include "kit/linklabel.h"
#include "kit/linklabel_p.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lumo {

LinkLabelPrivate::LinkLabelPrivate(LinkLabel *parent)
    : QObject(parent)
    , q(parent)
{
}

QColor LinkLabelPrivate::currentColour() const
{
    QColor colour = m_colour.isValid() ? m_colour : q->palette().color(QPalette::Link);
    if (!q->isEnabled())
        return q->palette().color(QPalette::Disabled, QPalette::WindowText);
    if (m_pressed)
        colour = colour.darker(125);
    return colour;
}

LinkLabel::LinkLabel(QWidget *parent)
    : LinkLabel(QString(), parent)
{
}

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
    , d(new LinkLabelPrivate(this))
{
    setTextFormat(Qt::PlainText);
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::setTextColor(const QColor &colour)
{
    d->m_colour = colour;
    update();
}

QColor LinkLabel::textColor() const
{
    return d->m_colour.isValid() ? d->m_colour : palette().color(QPalette::Link);
}

QSize LinkLabel::minimumSizeHint() const
{
    // A link is read whole; an address cut short is no use.
    return sizeHint();
}

void LinkLabel::focusInEvent(QFocusEvent *event)
{
    d->m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    d->m_keyboardFocus = false;
    update();
    QLabel::focusOutEvent(event);
}

void LinkLabel::enterEvent(QEvent *event)
{
    d->m_hovered = true;
    update();
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    d->m_hovered = false;
    d->m_pressed = false;
    update();
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        d->m_pressed = true;
        update();
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = d->m_pressed;
    d->m_pressed = false;
    update();
    if (event->button() == Qt::LeftButton && wasPressed && rect().contains(event->pos()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setUnderline(d->m_hovered || (d->m_keyboardFocus && hasFocus()));
    p.setFont(f);
    p.setPen(d->currentColour());
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = QFontMetrics(f).elidedText(text(), Qt::ElideRight, r.width());
    p.drawText(r, int(alignment()) | Qt::TextSingleLine, shown);
}

} // namespace lumo
