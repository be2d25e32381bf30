#ifndef DAEMON_MIDDLEWARE_H
#define DAEMON_MIDDLEWARE_H

#include <QObject>
#include <QString>

// Tells the pages that care that a package installation has been completed.
class Middleware : public QObject
{
    Q_OBJECT

public:
    static Middleware *instance();

    // The text is not used; the call itself is the news.
    void receiveMessage(const QString &message);

signals:
    void installUpdate();

private:
    explicit Middleware(QObject *parent = nullptr);
};

#endif
