#ifndef WIDGETS_KITEMDELEGATE_H
#define WIDGETS_KITEMDELEGATE_H

#include <QStyledItemDelegate>

// Delegate of the program's read-only tables: rows at least 36 pixels high,
// no editing, and the full text of a cut-off cell as its tool tip.
class KItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit KItemDelegate(QObject *parent = nullptr);

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

public slots:
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;
};

#endif
