#ifndef APP_QTSINGLEAPPLICATION_H
#define APP_QTSINGLEAPPLICATION_H

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <memory>

class QLockFile;
class HandOverServer;

// A QApplication that knows whether another instance with the same id runs
// for the same user, and passes text messages to it. The first instance holds
// a lock file and listens on a local socket, both in a directory of the
// user's runtime directory that only the user may enter. Where no such
// directory can be had, every instance runs on its own.
class QtSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QtSingleApplication(const QString &id, int &argc, char **argv);
    ~QtSingleApplication() override;

    QString id() const { return m_id; }
    bool isRunning() const { return m_running; }

    // Hands text to the running instance; false when none took it within timeout ms.
    bool sendMessage(const QString &message, int timeout = 5000);

    // A received message raises and activates this window when activateOnMessage is set.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const { return m_activationWindow; }

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void receive(const QString &message);

    QString m_id;
    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<HandOverServer> m_server;
    bool m_running = false;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = false;
};

#endif
