// singleinstanceprobe ID [TEXT]: prints "first" and "received <length> <text>" per message, or
// "running" when an instance of ID runs and then hands TEXT to it: "sent" (0) or "not sent" (1).
#include "app/qtsingleapplication.h"
#include "logging/logcategories.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    usePlainLogLines();
    if (argc < 2)
        return 2;
    const QString id = QString::fromLocal8Bit(argv[1]);
    const QString text = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QtSingleApplication app(id, argc, argv);
    if (app.isRunning()) {
        std::printf("running\n");
        if (text.isEmpty())
            return 0;
        const bool sent = app.sendMessage(text, 5000);
        std::printf("%s\n", sent ? "sent" : "not sent");
        return sent ? 0 : 1;
    }
    QObject::connect(&app, &QtSingleApplication::messageReceived, [](const QString &message) {
        std::printf("received %d %s\n", message.size(), qPrintable(message));
        std::fflush(stdout);
    });
    std::printf("first\n");
    std::fflush(stdout);
    return app.exec();
}
