#ifndef WIDGETS_SCREENPLACEMENT_H
#define WIDGETS_SCREENPLACEMENT_H

#include <QRect>

class QWidget;

// The geometry of the screen that holds the mouse pointer (the primary
// screen when none does); empty without a screen.
QRect cursorScreenGeometry();

// Moves a window to the centre of the screen that holds the mouse pointer.
void centreOnCursorScreen(QWidget *window);

#endif
