#pragma once

class QPainter;
class QPainterPath;
class QWidget;

namespace lumo {

// Shared by the kit's frameless windows (KWidget, KDialog).
namespace windowframe {

// Corner radius for the window right now: square when maximised or when no
// compositor could show the transparent corners.
int radius(const QWidget *window);

QPainterPath outline(const QWidget *window);

// Hairline around the window so that it separates from what lies below.
void paintBorder(QPainter &painter, const QWidget *window);

// Frameless hints for the window manager and blur behind the translucent window.
void applyHints(QWidget *window);
void updateBlur(QWidget *window);

} // namespace windowframe
} // namespace lumo
