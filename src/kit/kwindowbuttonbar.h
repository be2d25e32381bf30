#pragma once

#include <QFrame>

class QPushButton;

namespace lumo {

class KMenuButton;
class KWindowButtonBarPrivate;

enum MaximumButtonState { Maximum, Restore };

// Title bar with the options menu, minimise, maximise and close buttons.
class KWindowButtonBar : public QFrame
{
    Q_OBJECT
public:
    explicit KWindowButtonBar(QWidget *parent = nullptr);
    ~KWindowButtonBar() override;

    KMenuButton *menuButton();
    QPushButton *minimumButton();
    QPushButton *maximumButton();
    QPushButton *closeButton();

    void setMaximumButtonState(MaximumButtonState state);
    MaximumButtonState maximumButtonState() const;

signals:
    void doubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class KWindowButtonBarPrivate;
    KWindowButtonBarPrivate *const d;
};

} // namespace lumo
