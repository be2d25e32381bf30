// A single-instance application and nothing else, for the hand-over tests.
//   singleinstanceprobe ID         prints "first" and then "received <length> <text>" for each message,
//                                  or "running" when an instance of ID runs
//   singleinstanceprobe ID TEXT    likewise, and when an instance runs hands TEXT to it, prints "sent"
//                                  or "not sent" and exits with 0 or 1
#include "app/qtsingleapplication.h"

#include <cstdio>

int main(int argc, char *argv[])
{
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
