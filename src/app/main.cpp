#include "app/apptranslation.h"
#include "app/commandline.h"
#include "app/exportcommand.h"
#include "app/qtsingleapplication.h"
#include "app/tarvixmainpage.h"
#include "daemon/globaldata.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "logging/logcategories.h"
#include "system/systemprobes.h"

#include <QDebug>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

#include <chrono>
#include <iostream>

namespace {

const char *const APPLICATION_ID = "Zorva Intrusion Detector";

} // namespace

int main(int argc, char *argv[])
{
    usePlainLogLines();
    // --help, --version, or an export for a script or a timer: no window, no
    // single-instance hand-over.
    if (ExportCommand::requested(argc, argv))
        return ExportCommand::run(argc, argv, installApplicationTranslation);

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);

    QtSingleApplication app(APPLICATION_ID, argc, argv);
    const QString name
        = QString("%1").arg(QApplication::translate("QApplication", "Zorva Intrusion Detector"));
    QApplication::setOrganizationName("ZorvaSoft");
    QApplication::setOrganizationDomain("zorvasoft.example");
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(QIcon(":/Resource/Icon/base/zorva-tarvix.svg"));
    QGuiApplication::setDesktopFileName("com.zorva.tarvix_desktop");

    QTranslator kitTranslator;
    if (kitTranslator.load(":/translations/gui_" + QLocale::system().name() + ".qm"))
        app.installTranslator(&kitTranslator);

    installApplicationTranslation(app);
    // What Qt left: its own options (-platform, -style, ...) are gone by now.
    const CommandLine line = CommandLine::parse(argc, argv);
    if (!line.error.isEmpty())
        return line.refuse();
    qCDebug(lcApp) << "sdk 加载翻译 ";
    probeBuildVersion();

    // Each byte of the alert id is one character, whatever the locale.
    const QString text = QString::fromLatin1(line.alertId);
    if (app.isRunning()) {
        // Without an alert id the message is empty: the running window only comes to the front.
        const bool handedOver = app.sendMessage(text, 5000);
        if (!text.isEmpty()) {
            GlobalData::instance()->recordStartByNotify();
            // Otherwise the notification's alert is lost: the caller must know.
            if (!handedOver) {
                std::cerr << "Could not hand the alert over to the running instance." << std::endl;
                return 1;
            }
        }
        return 0;
    }

    const auto start = std::chrono::system_clock::now();
    static tarvixMainPage *mainWindow = new tarvixMainPage();
    app.setActivationWindow(mainWindow, true);
    QObject::connect(
        &app, &QtSingleApplication::messageReceived, mainWindow, &tarvixMainPage::slot_recv_update_message);
    mainWindow->show();
    if (argc < 2) {
        GlobalData::instance()->recordStartByDesktop();
    } else if (!text.isEmpty()) {
        mainWindow->slot_recv_update_message(text);
        GlobalData::instance()->recordStartByNotify();
    }
    const auto elapsed
        = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now() - start);
    std::cout << "main execute time: " << double(elapsed.count()) / 1e9 << " seconds" << std::endl;
    return TarvixDesktopDaemonClient::endProcess(app.exec());
}
