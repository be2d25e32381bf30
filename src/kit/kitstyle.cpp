#include "kit/kitstyle.h"

#include "kit/themecontroller.h"

#include <QPainter>
#include <QPainterPath>

namespace lumo {
namespace style {

namespace {
bool dark()
{
    return ThemeController::isDarkTheme();
}
} // namespace

QColor accent()
{
    return QColor("#3790FA");
}

QColor accentHover()
{
    return QColor("#2E86E5");
}

QColor accentPressed()
{
    return QColor("#1E6EB8");
}

QColor separator()
{
    return dark() ? QColor("#3A3B3F") : QColor("#D8D8D8");
}

QColor hoverOverlay()
{
    return dark() ? QColor(255, 255, 255, 26) : QColor(0, 0, 0, 15);
}

QColor pressOverlay()
{
    return dark() ? QColor(255, 255, 255, 46) : QColor(0, 0, 0, 31);
}

QColor closeHover()
{
    return QColor("#F0494E");
}

QColor closePressed()
{
    return QColor("#D5363B");
}

QColor track()
{
    return dark() ? QColor("#2C2D30") : QColor("#F5F5F5");
}

QColor secondaryText()
{
    return dark() ? QColor("#9A9BA0") : QColor("#8C8C8C");
}

QIcon kitIcon(const QString &fallbackName)
{
    return QIcon(QStringLiteral(":/lumo/icons/%1.svg").arg(fallbackName));
}

QIcon themeIcon(const QString &name, const QString &fallbackName)
{
    return QIcon::fromTheme(name, kitIcon(fallbackName));
}

QPixmap tintedPixmap(const QIcon &icon, const QSize &size, const QColor &colour, qreal devicePixelRatio)
{
    QPixmap source = icon.pixmap(size * devicePixelRatio);
    if (source.isNull())
        return source;
    QPixmap out(source.size());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, source);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    p.end();
    out.setDevicePixelRatio(devicePixelRatio);
    return out;
}

void fillRoundedRect(QPainter &painter, const QRectF &rect, qreal radius, const QColor &colour)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, colour);
}

} // namespace style
} // namespace lumo
