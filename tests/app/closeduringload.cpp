// Closes the main window while its log page still waits for the daemon and
// ends as the application does; a test times the end after "closing".

#include "app/tarvixmainpage.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "logpage/notifylogmainpage.h"

#include <QApplication>
#include <QTimer>

#include <iostream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarvixMainPage window;
    window.show();
    QTimer::singleShot(300, &window, [&window] {
        std::cout << (window.logPage()->isLoading() ? "closing\n" : "not loading\n") << std::flush;
        window.on_close_btn_clicked();
    });
    return TarvixDesktopDaemonClient::endProcess(app.exec());
}
