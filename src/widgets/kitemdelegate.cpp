#include "widgets/kitemdelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

KItemDelegate::KItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QWidget *KItemDelegate::createEditor(QWidget *, const QStyleOptionViewItem &, const QModelIndex &) const
{
    return nullptr;
}

QSize KItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), 36));
    return size;
}

bool KItemDelegate::helpEvent(
    QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event && view && event->type() == QEvent::ToolTip) {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect cell = view->visualRect(index);
        if (view->fontMetrics().horizontalAdvance(text) > cell.width()) {
            // Cell texts come from alerts: escaped, so the tip never renders them as markup.
            QToolTip::showText(event->globalPos(), QString("%1").arg(text.toHtmlEscaped()), view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
