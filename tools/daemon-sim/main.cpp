// tarvix-daemon-sim: a stand-in for the privileged desktop daemon, so the
// front-end can be run and tested against a real D-Bus service on a private bus.

#include "daemonsiminterface.h"
#include "daemonsimobject.h"
#include "daemonsimoptions.h"
#include "daemonsimstate.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = { -1, -1 };

void onTerminate(int)
{
    const char byte = 1;
    const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    (void)written;
}

void printLine(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fputs(bytes.constData(), stream);
    if (!bytes.endsWith('\n')) {
        std::fputc('\n', stream);
    }
    std::fflush(stream);
}

// SIGTERM and SIGINT end the event loop normally; the state is on disk after
// every change already, so this only makes the exit tidy.
bool quitOnTerminate(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        return false;
    }
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
        (void)got;
        DaemonSimObject::log(QStringLiteral("stopping"));
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvix-daemon-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));

    DaemonSimOptions options;
    switch (options.parse(QCoreApplication::arguments())) {
    case DaemonSimOptions::ParseResult::ShowText:
        printLine(stdout, options.text());
        return 0;
    case DaemonSimOptions::ParseResult::Error:
        printLine(stderr, QStringLiteral("tarvix-daemon-sim: %1 (see --help)").arg(options.text()));
        return 2;
    case DaemonSimOptions::ParseResult::Run:
        break;
    }

    DaemonSimState state;
    QString error;
    if (!state.load(options.statePath, &error)) {
        printLine(stderr, QStringLiteral("tarvix-daemon-sim: %1").arg(error));
        return 1;
    }

    const bool system = options.bus == DaemonSimOptions::Bus::System;
    QDBusConnection bus = system ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
    const QString busName = system ? QStringLiteral("system") : QStringLiteral("session");
    if (!bus.isConnected()) {
        printLine(stderr,
            QStringLiteral("tarvix-daemon-sim: cannot connect to the %1 bus: %2")
                .arg(busName, bus.lastError().message()));
        return 1;
    }

    DaemonSimObject object(options, state, bus);
    // The object is in place before the name is taken: whoever sees the name
    // owned can call at once.
    if (!bus.registerVirtualObject(QLatin1String(SIM_OBJECT_PATH), &object, QDBusConnection::SingleNode)) {
        printLine(stderr,
            QStringLiteral("tarvix-daemon-sim: cannot export %1: %2")
                .arg(QLatin1String(SIM_OBJECT_PATH), bus.lastError().message()));
        return 1;
    }
    if (!quitOnTerminate(app)) {
        printLine(stderr, QStringLiteral("tarvix-daemon-sim: cannot handle SIGTERM"));
        return 1;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> owned
        = bus.interface()->registerService(QLatin1String(SIM_SERVICE_NAME));
    if (!owned.isValid() || owned.value() != QDBusConnectionInterface::ServiceRegistered) {
        printLine(stderr,
            QStringLiteral("tarvix-daemon-sim: cannot own %1 on the %2 bus%3")
                .arg(QLatin1String(SIM_SERVICE_NAME), busName,
                    owned.isValid() ? QStringLiteral(" (another process owns it)")
                                    : QStringLiteral(": ") + owned.error().message()));
        return 1;
    }
    DaemonSimObject::log(QStringLiteral("ready: %1 on the %2 bus, state %3")
                             .arg(QLatin1String(SIM_SERVICE_NAME), busName, state.path));
    const int status = app.exec();
    bus.unregisterService(QLatin1String(SIM_SERVICE_NAME));
    return status;
}
