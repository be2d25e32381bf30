#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

#include <functional>

class QObject;
class QPainter;
class QRectF;
class QWidget;

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

// Roles of the program's own painted surfaces and texts, for the current theme.
// The light values are the program's long-standing look; the dark ones keep
// text at 4.5:1 or better against the surfaces they sit on.
QColor surface(); // page and window panels
QColor card(); // entries, cards, boxes and chart backgrounds on a surface
QColor inset(); // a panel set into a settings page
QColor gridLine(); // chart grids and idle rings
QColor chartText(); // chart axis labels
QColor alertText(); // high-risk and failure texts
QColor warningText();
QColor noticeText(); // the report's note of records it could not read
QColor accentText();
QColor mutedText(); // empty-state texts
QColor chip(); // the background of a filter chip
// Faces of the buttons that carry white text; deeper in the dark theme so
// that the text stays readable.
QColor accentFace();
QColor accentFaceHover();
QColor accentFacePressed();
// A greyed-out accent button and the text on it.
QColor accentFaceDisabled();
QColor accentFaceDisabledText();
// An accent button that is busy with its task.
QColor accentFaceBusy();
// The style sheet of such a push button, from the faces above.
QString accentButtonStyle();

// Calls apply now and again after every change of theme, for as long as
// context lives: for what a widget sets once (palettes, style sheets) rather
// than reads on each paint. The application palette is already the new one
// when apply runs, and every widget is repainted afterwards.
void followTheme(QObject *context, const std::function<void()> &apply);
// For a window under a style sheet, whose texts took the application's
// colours when they were first polished: from apply, they take the new ones.
void repolishChildren(QWidget *window);

// A desktop theme icon, or the kit's own drawing of the same role.
QIcon themeIcon(const QString &name, const QString &fallbackName);
QIcon kitIcon(const QString &fallbackName);

// Monochrome icons are recoloured so they read on light and dark backgrounds.
QPixmap tintedPixmap(const QIcon &icon, const QSize &size, const QColor &colour, qreal devicePixelRatio);

void fillRoundedRect(QPainter &painter, const QRectF &rect, qreal radius, const QColor &colour);

} // namespace style
} // namespace lumo
