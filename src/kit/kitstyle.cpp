#include "kit/kitstyle.h"

#include "kit/themecontroller.h"
#include "kit/themecontroller_p.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QWidget>

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

QColor surface()
{
    return dark() ? QColor("#1F2022") : QColor(Qt::white);
}

QColor card()
{
    return dark() ? QColor("#2C2D30") : QColor("#F5F5F5");
}

QColor inset()
{
    // Set a step lighter than the page in the dark theme, where card() is the side bar's colour.
    return dark() ? QColor("#36373B") : QColor("#F6F6F6");
}

QColor gridLine()
{
    return dark() ? QColor("#45464B") : QColor("#E8E8E8");
}

QColor chartText()
{
    // The light value is what the charts' own light theme draws.
    return dark() ? QColor("#C8C9CD") : QColor("#404044");
}

QColor alertText()
{
    return dark() ? QColor("#FF6B6B") : QColor(Qt::red);
}

QColor warningText()
{
    return dark() ? QColor("#F0A35E") : QColor("#D9822B");
}

QColor noticeText()
{
    return dark() ? QColor("#FF7A80") : QColor("#D9363E");
}

QColor accentText()
{
    return dark() ? QColor("#6AAEFF") : accent();
}

QColor mutedText()
{
    return dark() ? secondaryText() : QColor(38, 38, 38, 153);
}

QColor chip()
{
    return dark() ? QColor("#1E3A5F") : QColor("#E6F0FF");
}

QColor accentFace()
{
    return dark() ? QColor("#2B6FC2") : accent();
}

QColor accentFaceHover()
{
    return dark() ? QColor("#245FA8") : accentHover();
}

QColor accentFacePressed()
{
    return dark() ? QColor("#1E4F8C") : accentPressed();
}

QColor accentFaceDisabled()
{
    return dark() ? QColor("#2A3A4F") : QColor("#A3CBFC");
}

QColor accentFaceDisabledText()
{
    return dark() ? QColor("#8A96A6") : QColor(Qt::white);
}

QColor accentFaceBusy()
{
    // Set apart from accentFace(), and still white text at 4.5:1 in the dark.
    return dark() ? QColor("#2D74CA") : QColor("#379FFC");
}

QString accentButtonStyle()
{
    return QString("QPushButton:!checked {background-color:%1;border-radius: 4px;color: white;}"
                   "QPushButton:hover {background-color: %2;border-radius: 4px;}"
                   "QPushButton:pressed {background-color:%3;border-radius: 4px;color: white;}")
        .arg(accentFace().name().toUpper(), accentFaceHover().name().toUpper(),
            accentFacePressed().name().toUpper());
}

void followTheme(QObject *context, const std::function<void()> &apply)
{
    apply();
    QObject::connect(KitTheme::instance(), &KitTheme::themeChanged, context, apply);
}

void repolishChildren(QWidget *window)
{
    for (QWidget *child : window->findChildren<QWidget *>()) {
        child->style()->unpolish(child);
        child->style()->polish(child);
    }
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
