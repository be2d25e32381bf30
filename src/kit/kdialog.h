#pragma once

#include "kit/themecontroller.h"

#include <QDialog>

namespace lumo {

class KDialogPrivate;
class KIconBar;
class KWindowButtonBar;

// A frameless dialog: icon and name on the left of its title row, only the
// close button on the right, and the owner's content in the main widget.
class KDialog : public QDialog, public ThemeController
{
    Q_OBJECT
public:
    explicit KDialog(QWidget *parent = nullptr);
    ~KDialog() override;

    using QDialog::setWindowIcon;
    void setWindowIcon(const QString &iconName);

    KIconBar *iconBar();
    KWindowButtonBar *windowButtonBar();
    QWidget *mainWidget();

protected:
    void changeTheme() override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class KDialogPrivate;
    KDialogPrivate *const d;
};

} // namespace lumo
