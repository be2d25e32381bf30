#pragma once

#include <QColor>
#include <QObject>

namespace lumo {

class KBorderlessButton;

class KBorderlessButtonPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KBorderlessButtonPrivate(KBorderlessButton *parent);

    QColor textColour() const;

    KBorderlessButton *const q;
};

} // namespace lumo
