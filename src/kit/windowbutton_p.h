#pragma once

#include <QPushButton>

namespace lumo {

// A flat square title-bar button that recolours its symbolic icon for the
// current theme; the close button turns red under the pointer.
class WindowButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WindowButton(bool isClose, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_isClose;
};

} // namespace lumo
