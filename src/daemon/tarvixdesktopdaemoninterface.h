#ifndef DAEMON_TARVIXDESKTOPDAEMONINTERFACE_H
#define DAEMON_TARVIXDESKTOPDAEMONINTERFACE_H

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QString>
#include <QStringList>

#include <initializer_list>

// Proxy of the desktop daemon's object. Every method is sent under the
// doubled interface name below, which is also the only name its signals are
// accepted under.
class tarvixDesktopDaemonInterface : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    static inline const char *staticInterfaceName()
    {
        return "com.zorva.tarvix.desktop.com.zorva.tarvix.desktop";
    }

    tarvixDesktopDaemonInterface(const QString &service, const QString &path,
        const QDBusConnection &connection, QObject *parent = nullptr);
    ~tarvixDesktopDaemonInterface() override;

    // Copies the values after the result code into out, and only from a normal
    // reply whose first value is an int followed by exactly out.size() strings;
    // otherwise out is left alone. A string that arrives as a QDBusArgument is
    // unwrapped. Returns whether anything was copied. The blocking getters
    // below turn a normal reply it refuses into an error reply.
    static bool takeStringValues(const QDBusMessage &reply, std::initializer_list<QString *> out);

signals:
    void installFinished(
        int success, const QStringList &packages, const QString &errorCode, const QString &errorMsg);
    void installProgress(int percent, const QString &status, const QString &details);

public slots:
    QDBusPendingReply<int> generateLogFile();
    QDBusPendingReply<int, QString> getAiConfig(const QString &key);
    QDBusReply<int> getAiConfig(const QString &key, QString &value);
    QDBusPendingReply<int, QString> getEventTotalCount();
    QDBusReply<int> getEventTotalCount(QString &count);
    QDBusPendingReply<int, QString> getInterventionConfig(
        const QString &actionName, const QString &fieldName);
    QDBusReply<int> getInterventionConfig(
        const QString &actionName, const QString &fieldName, QString &fieldValue);
    QDBusPendingReply<int, QString, QString, QString> getNotifyConfig();
    QDBusReply<int> getNotifyConfig(QString &notifyDisabled, QString &notifyTimeout, QString &notifyFold);
    QDBusPendingReply<int> getServiceStatus(const QString &serviceName, int type);
    QDBusPendingReply<int> installPackages(const QStringList &packagePaths);
    QDBusPendingReply<int> restartService(const QString &serviceName);
    QDBusPendingReply<int> setAiConfig(const QString &key, const QString &value);
    QDBusPendingReply<int> setInterventionConfig(
        const QString &actionName, const QString &fieldName, const QString &fieldValue);
    QDBusPendingReply<int> setNotifyConfig(
        const QString &notifyDisabled, const QString &notifyTimeout, const QString &notifyFold);
    QDBusPendingReply<int> setServiceStatus(const QString &serviceName, int status, int type);
};

#endif
