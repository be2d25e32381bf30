#pragma once

#include "kit/themecontroller.h"

#include <QStyledItemDelegate>

namespace lumo {

// Paints one navigation entry: a rounded accent pill for the current entry, a
// light overlay under the pointer, and group titles as small grey text.
class Delegate : public QStyledItemDelegate, public ThemeController
{
    Q_OBJECT
public:
    // Items carrying this role with true are group titles, not entries.
    static const int TagRole = Qt::UserRole + 0x4b4e;

    explicit Delegate(QObject *parent = nullptr);

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void changeTheme() override;
};

} // namespace lumo
