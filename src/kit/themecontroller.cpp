#include "kit/themecontroller.h"
#include "kit/themecontroller_p.h"
#include "logging/logcategories.h"

#include <QApplication>
#include <QDebug>
#include <QGSettings>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {

const char kStyleSchema[] = "org.vemo.style";
const char kPersonaliseSchema[] = "org.vemo.control-center.personalise";

const int kDefaultFontSize = 11;

QPalette darkPalette()
{
    QPalette p;
    const QColor window("#2C2D30");
    const QColor base("#1F2022");
    const QColor text("#E6E6E6");
    const QColor disabledText("#6E6F73");
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor("#26272A"));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor("#37383C"));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor("#4A4B50"));
    p.setColor(QPalette::Midlight, QColor("#404145"));
    p.setColor(QPalette::Mid, QColor("#3A3B3F"));
    p.setColor(QPalette::Dark, QColor("#18191B"));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor("#2B6FC2")); // white text on it at 5:1
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor("#6AAEFF"));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor("#8C8D91"));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        p.setColor(QPalette::Disabled, role, disabledText);
    return p;
}

} // namespace

namespace lumo {

KitTheme *KitTheme::instance()
{
    // Never destroyed: widgets may still ask during application teardown.
    static KitTheme *theme = new KitTheme;
    return theme;
}

KitTheme::KitTheme()
{
    if (QGSettings::isSchemaInstalled(kStyleSchema)) {
        m_style = new QGSettings(kStyleSchema, QByteArray(), this);
        connect(m_style, &QGSettings::changed, this, &KitTheme::onStyleChanged);
        readStyle();
    }
    if (QGSettings::isSchemaInstalled(kPersonaliseSchema)) {
        m_personalise = new QGSettings(kPersonaliseSchema, QByteArray(), this);
        connect(m_personalise, &QGSettings::changed, this, &KitTheme::onPersonaliseChanged);
        readTransparency();
    }
    applyApplicationPalette();
}

void KitTheme::applyApplicationPalette()
{
    // The light theme is the application's untouched palette; only a change
    // to dark, and back, replaces it.
    const bool dark = effectiveDark();
    if (dark == m_paletteDark || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (dark)
        m_lightPalette = QApplication::palette();
    QApplication::setPalette(dark ? darkPalette() : m_lightPalette);
    m_paletteDark = dark;
}

void KitTheme::announce()
{
    applyApplicationPalette();
    emit themeChanged();
    // Painted colours are read on each paint: one repaint shows them everywhere.
    for (QWidget *widget : QApplication::allWidgets())
        widget->update();
}

const QStringList &KitTheme::darkDefaultApplications()
{
    // These desktop parts sit on the panel and the wallpaper, where the
    // default style is drawn dark.
    static const QStringList names = {
        "vemo-menu",
        "vemo-panel",
        "vemo-sidebar",
        "vemo-search",
        "vemo-notification",
        "vemo-screensaver",
        "vemo-volume-control",
        "vemo-power-manager",
        "vemo-network-applet",
        "vemo-bluetooth",
        "vemo-flash-disk",
        "vemo-clock",
    };
    return names;
}

bool KitTheme::effectiveDark() const
{
    switch (m_choice) {
    case ThemeController::ForceLight:
        return false;
    case ThemeController::ForceDark:
        return true;
    case ThemeController::FollowDesktop:
        break;
    }
    return m_desktopDark;
}

void KitTheme::setChoice(ThemeController::ThemeChoice choice)
{
    if (m_choice == choice)
        return;
    m_choice = choice;
    // Also when the colours stay: every options menu shows the new choice.
    announce();
}

void KitTheme::readStyle()
{
    const QStringList keys = m_style->keys();
    if (keys.contains("styleName")) {
        const QString name = m_style->get("styleName").toString();
        if (name == "vemo-dark" || name == "vemo-black")
            m_desktopDark = true;
        else if (name == "vemo-default")
            m_desktopDark = darkDefaultApplications().contains(QCoreApplication::applicationName());
        else
            m_desktopDark = false;
    }
    if (keys.contains("iconThemeName")) {
        const QString name = m_style->get("iconThemeName").toString();
        m_iconFlag = name != "vemo-icon-theme-default" ? ThemeController::ClassicIconTheme
                                                       : ThemeController::DefaultIconTheme;
    }
    if (keys.contains("widgetThemeName")) {
        const QString name = m_style->get("widgetThemeName").toString();
        if (name == "default")
            m_widgetTheme = ThemeController::DefaultTheme;
        else if (name == "classical")
            m_widgetTheme = ThemeController::ClassicTheme;
        else
            m_widgetTheme = ThemeController::FashionTheme;
    }
}

int KitTheme::systemFontSize()
{
    if (!m_style)
        return kDefaultFontSize;
    if (!m_style->keys().contains("systemFontSize"))
        return m_fontSize;
    bool ok = false;
    const double value = m_style->get("systemFontSize").toDouble(&ok);
    // A broken value must not turn into a zero or absurd font for every widget.
    if (!ok || !std::isfinite(value) || value < 1.0 || value > 1000.0) {
        qCWarning(lcKit) << "ignoring system font size" << m_style->get("systemFontSize").toString();
        return m_fontSize;
    }
    m_fontSize = static_cast<int>(value);
    return m_fontSize;
}

void KitTheme::readTransparency()
{
    if (!m_personalise->keys().contains("transparency"))
        return;
    bool ok = false;
    const double value = m_personalise->get("transparency").toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        qCWarning(lcKit) << "ignoring transparency" << m_personalise->get("transparency").toString();
        return;
    }
    m_transparency = qBound(0.0, value, 1.0);
}

void KitTheme::onStyleChanged(const QString &key)
{
    Q_UNUSED(key)
    readStyle();
    announce();
}

void KitTheme::onPersonaliseChanged(const QString &key)
{
    if (key != "transparency")
        return;
    const double before = m_transparency;
    readTransparency();
    if (!qFuzzyCompare(before, m_transparency))
        emit transparencyChanged(m_transparency);
}

} // namespace lumo

ThemeControllerPrivate::ThemeControllerPrivate(ThemeController *controller)
    : q(controller)
{
    connect(lumo::KitTheme::instance(), &lumo::KitTheme::themeChanged, this, [this] { q->changeTheme(); });
}

ThemeController::ThemeController()
    : m_themePrivate(new ThemeControllerPrivate(this))
{
}

ThemeController::~ThemeController()
{
    delete m_themePrivate;
}

ThemeController::ThemeFlag ThemeController::themeMode()
{
    return lumo::KitTheme::instance()->effectiveDark() ? DarkTheme : LightTheme;
}

ThemeController::IconFlag ThemeController::iconThemeFlag()
{
    return lumo::KitTheme::instance()->iconFlag();
}

ThemeController::WidgetThemeFlag ThemeController::widgetTheme()
{
    return lumo::KitTheme::instance()->widgetTheme();
}

int ThemeController::systemFontSize()
{
    return lumo::KitTheme::instance()->systemFontSize();
}

double ThemeController::transparency()
{
    return lumo::KitTheme::instance()->transparency();
}

ThemeController::ThemeChoice ThemeController::themeChoice()
{
    return lumo::KitTheme::instance()->choice();
}

void ThemeController::setThemeChoice(ThemeChoice choice)
{
    lumo::KitTheme::instance()->setChoice(choice);
}

QPalette ThemeController::themePalette()
{
    return isDarkTheme() ? darkPalette() : QPalette();
}

void ThemeController::changeTheme() { }
