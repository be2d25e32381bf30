#include "daemon/middleware.h"

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
    qDebug() << "Middleware initialized";
    QCoreApplication *app = QCoreApplication::instance();
    if (app && app->thread() != QThread::currentThread()) {
        moveToThread(app->thread());
    }
}

void Middleware::receiveMessage(const QString &message)
{
    Q_UNUSED(message)
    qDebug() << "Middleware get message";
    emit installUpdate();
}
