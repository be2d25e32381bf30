#include "daemon/middleware.h"
#include "logging/logcategories.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

Middleware *Middleware::instance()
{
    // Never destroyed: pages connect to it for the whole life of the process.
    static Middleware *const middleware = new Middleware;
    return middleware;
}

Middleware::Middleware(QObject *parent)
    : QObject(parent)
{
    qCDebug(lcDaemon) << "Middleware initialized";
    QCoreApplication *app = QCoreApplication::instance();
    if (app && app->thread() != QThread::currentThread()) {
        moveToThread(app->thread());
    }
}

void Middleware::receiveMessage(const QString &message)
{
    Q_UNUSED(message)
    qCDebug(lcDaemon) << "Middleware get message";
    emit installUpdate();
}
