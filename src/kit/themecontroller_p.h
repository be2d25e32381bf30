#pragma once

#include "kit/themecontroller.h"

#include <QObject>
#include <QPalette>
#include <QStringList>

class QGSettings;

namespace lumo {

// The one theme state of the process. It owns the settings objects and tells
// every live kit widget when the desktop style changes.
class KitTheme : public QObject
{
    Q_OBJECT
public:
    static KitTheme *instance();

    bool desktopDark() const { return m_desktopDark; }
    bool effectiveDark() const;
    ThemeController::IconFlag iconFlag() const { return m_iconFlag; }
    ThemeController::WidgetThemeFlag widgetTheme() const { return m_widgetTheme; }
    int systemFontSize();
    double transparency() const { return m_transparency; }

    ThemeController::ThemeChoice choice() const { return m_choice; }
    void setChoice(ThemeController::ThemeChoice choice);

    // Desktop components for which the default style means the dark one.
    static const QStringList &darkDefaultApplications();

signals:
    void themeChanged();
    void transparencyChanged(double transparency);

private:
    KitTheme();
    void readStyle();
    void readTransparency();
    void onStyleChanged(const QString &key);
    void onPersonaliseChanged(const QString &key);
    // Hands the new colours to the whole application, tells the widgets, and
    // repaints them all at once.
    void announce();
    void applyApplicationPalette();

    QGSettings *m_style = nullptr;
    QGSettings *m_personalise = nullptr;
    bool m_desktopDark = false;
    ThemeController::IconFlag m_iconFlag = ThemeController::DefaultIconTheme;
    ThemeController::WidgetThemeFlag m_widgetTheme = ThemeController::DefaultTheme;
    int m_fontSize = 11;
    double m_transparency = 1.0;
    ThemeController::ThemeChoice m_choice = ThemeController::FollowDesktop;
    bool m_paletteDark = false;
    QPalette m_lightPalette; // the application's own, taken before it first went dark
};

} // namespace lumo

class ThemeControllerPrivate : public QObject
{
    Q_OBJECT
public:
    explicit ThemeControllerPrivate(ThemeController *controller);

private:
    ThemeController *const q;
};
