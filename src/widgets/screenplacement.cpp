#include "widgets/screenplacement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect cursorScreenGeometry()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void centreOnCursorScreen(QWidget *window)
{
    const QRect area = cursorScreenGeometry();
    if (area.isEmpty())
        return;
    window->move(area.x() + area.width() / 2 - window->width() / 2,
        area.y() + area.height() / 2 - window->height() / 2);
}
