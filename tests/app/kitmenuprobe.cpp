// Prints the main window's options menu, one entry a line, with whatever kit library the loader finds.

#include "app/tarvixmainpage.h"
#include "daemon/tarvixdesktopdaemonclient.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <iostream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarvixMainPage window;
    for (QAction *action : window.mainMenu()->actions())
        std::cout << action->text().toStdString() << '\n';
    return TarvixDesktopDaemonClient::endProcess(0); // its log page may still be loading
}
