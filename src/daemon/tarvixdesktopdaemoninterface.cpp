#include "daemon/tarvixdesktopdaemoninterface.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QList>
#include <QVariant>

tarvixDesktopDaemonInterface::tarvixDesktopDaemonInterface(
    const QString &service, const QString &path, const QDBusConnection &connection, QObject *parent)
    : QDBusAbstractInterface(service, path, staticInterfaceName(), connection, parent)
{
}

tarvixDesktopDaemonInterface::~tarvixDesktopDaemonInterface() = default;

bool tarvixDesktopDaemonInterface::takeStringValues(
    const QDBusMessage &reply, std::initializer_list<QString *> out)
{
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return false;
    }
    const QList<QVariant> values = reply.arguments();
    if (values.size() != int(out.size()) + 1 || values.first().userType() != QMetaType::Int) {
        return false;
    }
    int index = 1;
    for (QString *target : out) {
        // qdbus_cast also reads a value that is still wrapped in a QDBusArgument.
        *target = qdbus_cast<QString>(values.at(index++));
    }
    return true;
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::generateLogFile()
{
    return asyncCallWithArgumentList(QStringLiteral("generateLogFile"), {});
}

QDBusPendingReply<int, QString> tarvixDesktopDaemonInterface::getAiConfig(const QString &key)
{
    return asyncCallWithArgumentList(QStringLiteral("getAiConfig"), { QVariant::fromValue(key) });
}

QDBusReply<int> tarvixDesktopDaemonInterface::getAiConfig(const QString &key, QString &value)
{
    const QDBusMessage reply
        = callWithArgumentList(QDBus::Block, QStringLiteral("getAiConfig"), { QVariant::fromValue(key) });
    takeStringValues(reply, { &value });
    return reply;
}

QDBusPendingReply<int, QString> tarvixDesktopDaemonInterface::getEventTotalCount()
{
    return asyncCallWithArgumentList(QStringLiteral("getEventTotalCount"), {});
}

QDBusReply<int> tarvixDesktopDaemonInterface::getEventTotalCount(QString &count)
{
    const QDBusMessage reply = callWithArgumentList(QDBus::Block, QStringLiteral("getEventTotalCount"), {});
    takeStringValues(reply, { &count });
    return reply;
}

QDBusPendingReply<int, QString> tarvixDesktopDaemonInterface::getInterventionConfig(
    const QString &actionName, const QString &fieldName)
{
    return asyncCallWithArgumentList(QStringLiteral("getInterventionConfig"),
        { QVariant::fromValue(actionName), QVariant::fromValue(fieldName) });
}

QDBusReply<int> tarvixDesktopDaemonInterface::getInterventionConfig(
    const QString &actionName, const QString &fieldName, QString &fieldValue)
{
    const QDBusMessage reply = callWithArgumentList(QDBus::Block, QStringLiteral("getInterventionConfig"),
        { QVariant::fromValue(actionName), QVariant::fromValue(fieldName) });
    takeStringValues(reply, { &fieldValue });
    return reply;
}

QDBusPendingReply<int, QString, QString, QString> tarvixDesktopDaemonInterface::getNotifyConfig()
{
    return asyncCallWithArgumentList(QStringLiteral("getNotifyConfig"), {});
}

QDBusReply<int> tarvixDesktopDaemonInterface::getNotifyConfig(
    QString &notifyDisabled, QString &notifyTimeout, QString &notifyFold)
{
    const QDBusMessage reply = callWithArgumentList(QDBus::Block, QStringLiteral("getNotifyConfig"), {});
    takeStringValues(reply, { &notifyDisabled, &notifyTimeout, &notifyFold });
    return reply;
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::getServiceStatus(const QString &serviceName, int type)
{
    return asyncCallWithArgumentList(
        QStringLiteral("getServiceStatus"), { QVariant::fromValue(serviceName), QVariant::fromValue(type) });
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::installPackages(const QStringList &packagePaths)
{
    return asyncCallWithArgumentList(
        QStringLiteral("installPackages"), { QVariant::fromValue(packagePaths) });
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::restartService(const QString &serviceName)
{
    return asyncCallWithArgumentList(QStringLiteral("restartService"), { QVariant::fromValue(serviceName) });
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::setAiConfig(const QString &key, const QString &value)
{
    return asyncCallWithArgumentList(
        QStringLiteral("setAiConfig"), { QVariant::fromValue(key), QVariant::fromValue(value) });
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::setInterventionConfig(
    const QString &actionName, const QString &fieldName, const QString &fieldValue)
{
    return asyncCallWithArgumentList(QStringLiteral("setInterventionConfig"),
        { QVariant::fromValue(actionName), QVariant::fromValue(fieldName), QVariant::fromValue(fieldValue) });
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::setNotifyConfig(
    const QString &notifyDisabled, const QString &notifyTimeout, const QString &notifyFold)
{
    return asyncCallWithArgumentList(QStringLiteral("setNotifyConfig"),
        { QVariant::fromValue(notifyDisabled), QVariant::fromValue(notifyTimeout),
            QVariant::fromValue(notifyFold) });
}

QDBusPendingReply<int> tarvixDesktopDaemonInterface::setServiceStatus(
    const QString &serviceName, int status, int type)
{
    return asyncCallWithArgumentList(QStringLiteral("setServiceStatus"),
        { QVariant::fromValue(serviceName), QVariant::fromValue(status), QVariant::fromValue(type) });
}
