#ifndef WIDGETS_ROUNDEDPANEL_H
#define WIDGETS_ROUNDEDPANEL_H

class QColor;
class QWidget;

// The program's rounded panel: radius 10, inset one pixel from the widget's
// contents rectangle, antialiased, filled and outlined.
void paintRoundedPanel(QWidget *widget, const QColor &fill, const QColor &outline);

#endif
