// Closes the main window while its log page and the settings window still wait for the daemon and ends as the
// application does; a test times the end after "closing".

#include "app/tarvixmainpage.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "logpage/notifylogmainpage.h"
#include "settings/basicsettingwidget.h"
#include "settings/settingtabwidget.h"
#include "settings/tarvixsettingmainpage.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <iostream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarvixMainPage window;
    window.show();
    window.settingButton()->click();
    QTimer::singleShot(300, &window, [&window] {
        auto *settings = static_cast<basicSettingWidget *>(window.settingWindow()->basicContainer()->page());
        const bool loading = window.logPage()->isLoading() && settings->isLoading();
        std::cout << (loading ? "closing\n" : "not loading\n") << std::flush;
        window.on_close_btn_clicked();
    });
    return TarvixDesktopDaemonClient::endProcess(app.exec());
}
