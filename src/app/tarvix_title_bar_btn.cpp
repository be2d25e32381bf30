#include "app/tarvix_title_bar_btn.h"

#include "kit/kitstyle.h"
#include "kit/themecontroller.h"

#include <QMouseEvent>

tarvix_title_bar_btn::tarvix_title_bar_btn(QWidget *parent)
    : QPushButton(parent)
{
    lumo::style::followTheme(this, [this] {
        if (!m_current.isEmpty())
            showImage(m_current);
    });
}

void tarvix_title_bar_btn::setImages(const QString &normal, const QString &hover, const QString &pressed)
{
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    showImage(m_normal);
}

void tarvix_title_bar_btn::showImage(const QString &path)
{
    m_current = path;
    // The images are drawn dark for a light window; the dark theme recolours them.
    if (ThemeController::isDarkTheme())
        setIcon(lumo::style::tintedPixmap(
            QIcon(path), size(), palette().color(QPalette::ButtonText), devicePixelRatioF()));
    else
        setIcon(QIcon(path));
    setIconSize(size());
}

void tarvix_title_bar_btn::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        showImage(m_pressed);
    QPushButton::mousePressEvent(event);
}

void tarvix_title_bar_btn::enterEvent(QEvent *event)
{
    showImage(m_hover);
    QPushButton::enterEvent(event);
}

void tarvix_title_bar_btn::leaveEvent(QEvent *event)
{
    showImage(m_normal);
    QPushButton::leaveEvent(event);
}
