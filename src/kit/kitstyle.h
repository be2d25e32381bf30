#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

// Colours, icons and small painting helpers shared by the kit's widgets, so
// that every custom-painted part agrees on one flat look.
namespace lumo {
namespace style {

QColor accent();
QColor accentHover();
QColor accentPressed();
QColor separator();
// Translucent overlays drawn on top of a background for hover and press.
QColor hoverOverlay();
QColor pressOverlay();
QColor closeHover();
QColor closePressed();
// Light grey track behind segmented controls.
QColor track();
QColor secondaryText();

// A desktop theme icon, or the kit's own drawing of the same role.
QIcon themeIcon(const QString &name, const QString &fallbackName);
QIcon kitIcon(const QString &fallbackName);

// Monochrome icons are recoloured so they read on light and dark backgrounds.
QPixmap tintedPixmap(const QIcon &icon, const QSize &size, const QColor &colour, qreal devicePixelRatio);

void fillRoundedRect(QPainter &painter, const QRectF &rect, qreal radius, const QColor &colour);

} // namespace style
} // namespace lumo
