#pragma once

#include <QObject>

namespace lumo {

class ParmscontrollerPrivate;

// PC or tablet mode of the desktop and the sizes the kit draws with in each.
class Parmscontroller : public QObject
{
    Q_OBJECT
public:
    enum Parm {
        PM_TabBarHeight = 0,
        PM_ButtonHeight = 1, // tab-bar, menu and icon-bar buttons
        PM_ToolButtonHeight = 2,
        PM_LineEditHeight = 3,
        PM_ComboBoxHeight = 4,
        PM_NavigationItemHeight = 5,
        PM_ListItemHeight = 6,
        PM_SearchBoxHeight = 7,
        PM_IndicatorSize = 8,
        PM_SmallSpacing = 9,
        PM_ScrollBarWidth = 10,
        PM_IconBarHeight = 11, // also the title bar
        PM_IconBarIconSize = 12,
        PM_WindowButtonSize = 13,
        PM_NavigationItemSpacing = 14,
        PM_SideWidgetWidth = 15, // also the icon bar
        PM_NavigationBarWidth = 16,
        PM_DialogWidth = 17,
        PM_LayoutSpacing = 18,
        PM_SliderHandleSize = 19,
        PM_CornerRadius = 20,
        PM_SmallIconSize = 21,
        PM_LargeIconSize = 22,
        PM_Count = 23
    };
    Q_ENUM(Parm)

    explicit Parmscontroller(QObject *parent = nullptr);
    ~Parmscontroller() override;

    // The process-wide instance every kit widget follows.
    static Parmscontroller *self();

    // Asks the status service; PC mode when it is not there.
    static bool isTabletMode();
    // Size of one table entry in the current mode; 0 for an unknown entry.
    static int parm(int entry);

    // Without a running instance: the table itself.
    static int tableValue(int entry, bool tablet);

    bool tabletMode() const;
    int value(int entry) const;

signals:
    void modeChanged(bool tabletMode);

private:
    friend class ParmscontrollerPrivate;
    ParmscontrollerPrivate *const d;
};

} // namespace lumo
