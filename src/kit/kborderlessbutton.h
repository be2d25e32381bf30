#pragma once

#include <QPushButton>

namespace lumo {

class KBorderlessButtonPrivate;

// A text button without a frame, drawn in the accent colour; for secondary
// actions such as "See all" next to a title.
class KBorderlessButton : public QPushButton
{
    Q_OBJECT
public:
    explicit KBorderlessButton(QWidget *parent = nullptr);
    explicit KBorderlessButton(const QString &text, QWidget *parent = nullptr);
    KBorderlessButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    ~KBorderlessButton() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class KBorderlessButtonPrivate;
    KBorderlessButtonPrivate *const d;
};

} // namespace lumo
