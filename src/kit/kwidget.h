#pragma once

#include "kit/themecontroller.h"

#include <QWidget>

namespace lumo {

class KIconBar;
class KWidgetPrivate;
class KWindowButtonBar;

enum LayoutType {
    VerticalType = 0, // no side widget; icon bar on the base colour
    HorizontalType = 1, // side widget and icon bar as one translucent column
    MixedType = 2 // translucent side widget under an icon bar on the base colour
};

// A frameless top-level window: icon bar and title bar on top, a side widget
// and the base widget for the owner's content below.
class KWidget : public QWidget, public ThemeController
{
    Q_OBJECT
public:
    explicit KWidget(QWidget *parent = nullptr);
    ~KWidget() override;

    void setIcon(const QIcon &icon);
    void setIcon(const QString &iconName);
    // Shown in the icon bar and used as the window title.
    void setWidgetName(const QString &name);

    KIconBar *iconBar();
    KWindowButtonBar *titleBar();
    KWindowButtonBar *windowButtonBar();
    QWidget *sideBar();
    QWidget *baseBar();

    // Sets the flags (the window stays frameless) and shows only the title-bar
    // buttons that fit the window type.
    void setWindowFlags(Qt::WindowFlags flags);

    void setLayoutType(LayoutType type);
    void setLayoutType(int type);
    LayoutType layoutType() const;

protected:
    void changeTheme() override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class KWidgetPrivate;
    KWidgetPrivate *const d;
};

} // namespace lumo
