#pragma once

#include <QPalette>

class ThemeControllerPrivate;

// Mix-in for every kit widget that follows the desktop style. The theme state
// itself is shared by the whole process; each controller only gets told when
// it changes so that its widget can repaint in the new colours.
class ThemeController
{
public:
    enum ThemeFlag { LightTheme, DarkTheme };
    enum IconFlag { DefaultIconTheme, ClassicIconTheme };
    enum WidgetThemeFlag { DefaultTheme = 0, ClassicTheme = 1, FashionTheme = 2 };
    // What the Theme entry of the options menu chose for this process.
    enum ThemeChoice { FollowDesktop, ForceLight, ForceDark };

    ThemeController();
    virtual ~ThemeController();

    static ThemeFlag themeMode();
    static bool isDarkTheme() { return themeMode() == DarkTheme; }
    static IconFlag iconThemeFlag();
    static WidgetThemeFlag widgetTheme();
    // Re-read on every call; 11 without the style schema, the last good value
    // when the key is missing or unusable.
    static int systemFontSize();
    // Opacity of translucent panels, 0.0 to 1.0 (1.0 without the schema).
    static double transparency();

    static ThemeChoice themeChoice();
    static void setThemeChoice(ThemeChoice choice);

    // Palette the kit windows use for the current theme.
    static QPalette themePalette();

protected:
    virtual void changeTheme();

private:
    Q_DISABLE_COPY(ThemeController)
    friend class ThemeControllerPrivate;
    ThemeControllerPrivate *const m_themePrivate;
};

namespace lumo {
using ::ThemeController;
}
