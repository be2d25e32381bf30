#pragma once

class QMouseEvent;
class QPoint;
class QWidget;

namespace lumo {

// Lets a title area move its frameless window: the window manager takes over
// once the pointer has moved far enough with the left button held.
bool startWindowDrag(QWidget *area, QMouseEvent *event, const QPoint &pressPos);

} // namespace lumo
