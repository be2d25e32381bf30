#include "kit/delegate.h"

#include "kit/kitstyle.h"
#include "kit/parmscontroller.h"

#include <QAbstractItemView>
#include <QPainter>

namespace lumo {

namespace {
const int kRadius = 6;
const int kTextIndent = 12;
const int kIconSize = 16;
} // namespace

Delegate::Delegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void Delegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(option.rect);
    const bool isTag = index.data(TagRole).toBool();
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    const bool enabled = option.state & QStyle::State_Enabled;

    QColor textColour = option.palette.color(QPalette::WindowText);
    if (isTag) {
        textColour = style::secondaryText();
    } else if (!enabled) {
        textColour = option.palette.color(QPalette::Disabled, QPalette::WindowText);
    } else if (selected) {
        style::fillRoundedRect(*painter, r, kRadius, style::accentFace());
        textColour = Qt::white;
    } else if (hovered) {
        style::fillRoundedRect(*painter, r, kRadius, style::hoverOverlay());
    }

    QRect content = option.rect.adjusted(kTextIndent, 0, -kTextIndent / 2, 0);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull() && !isTag) {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap pm = style::tintedPixmap(icon, QSize(kIconSize, kIconSize), textColour, dpr);
        painter->drawPixmap(QPoint(content.x(), content.y() + (content.height() - kIconSize) / 2), pm);
        content.setLeft(content.left() + kIconSize + 8);
    }

    QFont font = option.font;
    if (isTag)
        font.setPointSizeF(font.pointSizeF() * 0.9);
    painter->setFont(font);
    painter->setPen(textColour);
    const QVariant alignData = index.data(Qt::TextAlignmentRole);
    Qt::Alignment align
        = alignData.isValid() ? Qt::Alignment(alignData.toInt()) : Qt::Alignment(Qt::AlignLeft);
    if (!(align & Qt::AlignVertical_Mask))
        align |= Qt::AlignVCenter;
    const QString text = QFontMetrics(font).elidedText(
        index.data(Qt::DisplayRole).toString(), Qt::ElideRight, content.width());
    painter->drawText(content, int(align) | Qt::TextSingleLine, text);
    painter->restore();
}

QSize Delegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(Parmscontroller::parm(Parmscontroller::PM_NavigationItemHeight));
    return size;
}

void Delegate::changeTheme()
{
    if (auto *view = qobject_cast<QAbstractItemView *>(parent()))
        view->viewport()->update();
}

} // namespace lumo
