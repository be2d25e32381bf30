#ifndef WIDGETS_SCREENPLACEMENT_H
#define WIDGETS_SCREENPLACEMENT_H

class QWidget;

// Moves a window to the centre of the screen that holds the mouse pointer
// (the primary screen when none does).
void centreOnCursorScreen(QWidget *window);

#endif
