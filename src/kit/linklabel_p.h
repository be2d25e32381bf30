#pragma once

#include <QColor>
#include <QObject>

namespace lumo {

class LinkLabel;

class LinkLabelPrivate : public QObject
{
    Q_OBJECT
public:
    explicit LinkLabelPrivate(LinkLabel *parent);

    QColor currentColour() const;

    LinkLabel *const q;
    QColor m_colour;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_keyboardFocus = false;
};

} // namespace lumo
