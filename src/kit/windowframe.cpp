#include "kit/windowframe_p.h"

#include "kit/themecontroller.h"
#include "kit/xatomhelper.h"

#include <KWindowEffects>
#include <KWindowSystem>
#include <KX11Extras>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <QWindow>

namespace lumo {
namespace windowframe {

namespace {
const int kRadius = 12;
}

int radius(const QWidget *window)
{
    if (window->isMaximized() || window->isFullScreen())
        return 0;
    if (KWindowSystem::isPlatformX11() && !KX11Extras::compositingActive())
        return 0;
    return kRadius;
}

QPainterPath outline(const QWidget *window)
{
    const int r = radius(window);
    QPainterPath path;
    path.addRoundedRect(QRectF(window->rect()), r, r);
    return path;
}

void paintBorder(QPainter &painter, const QWidget *window)
{
    const int r = radius(window);
    if (window->isMaximized() || window->isFullScreen())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipping(false);
    const QColor colour = ThemeController::isDarkTheme() ? QColor(255, 255, 255, 28) : QColor(0, 0, 0, 36);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(window->rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    painter.restore();
}

void applyHints(QWidget *window)
{
    XAtomHelper *helper = XAtomHelper::getInstance();
    if (!helper->isAvailable())
        return;
    helper->applyFramelessHints(window, radius(window));
}

void updateBlur(QWidget *window)
{
    if (!KWindowSystem::isPlatformX11() || !window->windowHandle())
        return;
    const QPolygon polygon = outline(window).toFillPolygon().toPolygon();
    KWindowEffects::enableBlurBehind(window->windowHandle(), true, QRegion(polygon));
}

} // namespace windowframe
} // namespace lumo
