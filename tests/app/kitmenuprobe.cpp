// Prints the main window's options menu, one entry a line, with whatever kit library the loader finds.

#include "app/tarvixmainpage.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "logpage/notifylogmainpage.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>

#include <iostream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarvixMainPage window;
    for (QDeadlineTimer deadline(10000); window.logPage()->isLoading() && !deadline.hasExpired();)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    for (QAction *action : window.mainMenu()->actions())
        std::cout << action->text().toStdString() << '\n';
    return TarvixDesktopDaemonClient::endProcess(0); // a normal exit once loaded: coverage counts it
}
