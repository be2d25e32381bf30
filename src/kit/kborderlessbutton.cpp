#include "kit/kborderlessbutton.h"
#include "kit/kborderlessbutton_p.h"

#include "kit/kitstyle.h"
#include "kit/themecontroller_p.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace lumo {

namespace {
const int kIconTextGap = 6;
const int kHorizontalPadding = 4;
} // namespace

KBorderlessButtonPrivate::KBorderlessButtonPrivate(KBorderlessButton *parent)
    : QObject(parent)
    , q(parent)
{
    connect(KitTheme::instance(), &KitTheme::themeChanged, q, QOverload<>::of(&QWidget::update));
}

QColor KBorderlessButtonPrivate::textColour() const
{
    if (!q->isEnabled())
        return q->palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (q->isDown() || q->isChecked())
        return style::accentPressed();
    if (q->underMouse())
        return style::accentHover();
    return style::accentText();
}

KBorderlessButton::KBorderlessButton(QWidget *parent)
    : KBorderlessButton(QIcon(), QString(), parent)
{
}

KBorderlessButton::KBorderlessButton(const QString &text, QWidget *parent)
    : KBorderlessButton(QIcon(), text, parent)
{
}

KBorderlessButton::KBorderlessButton(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
    , d(new KBorderlessButtonPrivate(this))
{
    setObjectName("KBorderlessButton");
    setFlat(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setIconSize(QSize(16, 16));
}

KBorderlessButton::~KBorderlessButton() = default;

QSize KBorderlessButton::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    int width = fm.horizontalAdvance(text()) + 2 * kHorizontalPadding;
    int height = qMax(fm.height() + 8, 24);
    if (!icon().isNull()) {
        width += iconSize().width() + (text().isEmpty() ? 0 : kIconTextGap);
        height = qMax(height, iconSize().height() + 8);
    }
    return QSize(width, height);
}

QSize KBorderlessButton::minimumSizeHint() const
{
    return sizeHint();
}

void KBorderlessButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = d->textColour();
    const QFontMetrics fm = fontMetrics();

    int contentWidth = fm.horizontalAdvance(text());
    const bool hasIcon = !icon().isNull();
    if (hasIcon)
        contentWidth += iconSize().width() + (text().isEmpty() ? 0 : kIconTextGap);
    int x = qMax(kHorizontalPadding, (width() - contentWidth) / 2);

    if (hasIcon) {
        const QPixmap pm = style::tintedPixmap(icon(), iconSize(), colour, devicePixelRatioF());
        p.drawPixmap(QPoint(x, (height() - iconSize().height()) / 2), pm);
        x += iconSize().width() + kIconTextGap;
    }
    p.setPen(colour);
    const QRect textRect(x, 0, width() - x - kHorizontalPadding / 2, height());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        fm.elidedText(text(), Qt::ElideRight, textRect.width()));

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

} // namespace lumo
