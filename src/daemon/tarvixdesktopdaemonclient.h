#ifndef DAEMON_TARVIXDESKTOPDAEMONCLIENT_H
#define DAEMON_TARVIXDESKTOPDAEMONCLIENT_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>

class tarvixDesktopDaemonInterface;
class QDBusServiceWatcher;

// One generic daemon call: the D-Bus method and its arguments in order.
struct DaemonCall
{
    QString method;
    QList<QVariant> arguments;
};

// The one way to the desktop daemon. Every method blocks the calling thread
// until the daemon answers and returns the daemon's own result (0 or
// positive), or -1 when a setter failed, -2 when a getter got no reply in
// time, -3 for any other failure of a getter. Safe to call from the GUI
// thread and from worker threads at the same time.
class TarvixDesktopDaemonClient : public QObject
{
    Q_OBJECT

public:
    static TarvixDesktopDaemonClient *instance();
    ~TarvixDesktopDaemonClient() override;

    // What main() returns. A thread waiting for the daemon cannot be woken,
    // and Qt D-Bus takes its connection down under it while the statics are
    // destroyed (a hang or a crash); so from here on calls fail at once, and
    // while one still waits the process ends right here with status.
    static int endProcess(int status);

    int getNotifyConfig(QString &notifyDisabled, QString &notifyTimeout, QString &notifyFold);
    int getEventTotalCount(QString &count);
    int generateLogFile();
    int getInterventionConfig(const QString &actionName, const QString &fieldName, QString &fieldValue);
    int getAiConfig(const QString &key, QString &value);
    int getServiceStatus(const QString &serviceName, int type);
    int setNotifyConfig(
        const QString &notifyDisabled, const QString &notifyTimeout, const QString &notifyFold);
    int installPackages(const QStringList &packagePaths);
    int restartService(const QString &serviceName);
    int setAiConfig(const QString &key, const QString &value);
    int setServiceStatus(const QString &serviceName, int status, int type);
    int setInterventionConfig(const QString &actionName, const QString &fieldName, const QString &fieldValue);

    // Sends call and returns the reply's first value, or a null variant when
    // the proxy is invalid, the daemon answered with an error or with no value.
    QVariant callDaemonMethod(const DaemonCall &call);

signals:
    void signal_installProgress(int percent, const QString &status, const QString &details);
    // Delivered on the GUI thread only; connect with a direct connection.
    void signal_installFinished(int success, QStringList &packages, QString errorCode, QString errorMsg);

private slots:
    void slot_installProgress(int percent, const QString &status, const QString &details);
    void slot_installFinished(
        int success, const QStringList &packages, const QString &errorCode, const QString &errorMsg);

private:
    explicit TarvixDesktopDaemonClient(QObject *parent = nullptr);
    bool proxyValid() const;
    int callSetter(const DaemonCall &call, const char *label);

    tarvixDesktopDaemonInterface *m_interface = nullptr;
    // The proxy's own validity is only safe to read on its thread; other
    // threads read this copy, kept up to date from the bus's owner changes.
    QDBusServiceWatcher *m_ownerWatcher = nullptr;
    std::atomic<bool> m_serviceOwned { false };
};

#endif
