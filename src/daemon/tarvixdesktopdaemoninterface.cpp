#include "daemon/tarvixdesktopdaemoninterface.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMetaType>
#include <QList>
#include <QStringList>
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
    QStringList taken;
    for (int index = 1; index < values.size(); ++index) {
        const QVariant &value = values.at(index);
        if (value.userType() == QMetaType::QString) {
            taken << value.toString();
            continue;
        }
        // A string may still be wrapped in a QDBusArgument; anything else is no string.
        if (value.userType() != qMetaTypeId<QDBusArgument>()
            || value.value<QDBusArgument>().currentSignature() != QLatin1String("s"))
            return false;
        taken << qdbus_cast<QString>(value);
    }
    int index = 0;
    for (QString *target : out)
        *target = taken.at(index++);
    return true;
}

namespace {
// A reply that lacks a value, or carries one of the wrong type, is a failed
// read even when its result code is there: the caller must not take its
// untouched out values for what the daemon holds.
QDBusReply<int> takeOrFail(const QDBusMessage &reply, std::initializer_list<QString *> out)
{
    if (reply.type() != QDBusMessage::ReplyMessage
        || tarvixDesktopDaemonInterface::takeStringValues(reply, out))
        return reply;
    return QDBusReply<int>(QDBusError(
        QDBusError::InvalidSignature, QStringLiteral("incomplete reply \"%1\"").arg(reply.signature())));
}
} // namespace

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
    return takeOrFail(reply, { &value });
}

QDBusPendingReply<int, QString> tarvixDesktopDaemonInterface::getEventTotalCount()
{
    return asyncCallWithArgumentList(QStringLiteral("getEventTotalCount"), {});
}

QDBusReply<int> tarvixDesktopDaemonInterface::getEventTotalCount(QString &count)
{
    const QDBusMessage reply = callWithArgumentList(QDBus::Block, QStringLiteral("getEventTotalCount"), {});
    return takeOrFail(reply, { &count });
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
    return takeOrFail(reply, { &fieldValue });
}

QDBusPendingReply<int, QString, QString, QString> tarvixDesktopDaemonInterface::getNotifyConfig()
{
    return asyncCallWithArgumentList(QStringLiteral("getNotifyConfig"), {});
}

QDBusReply<int> tarvixDesktopDaemonInterface::getNotifyConfig(
    QString &notifyDisabled, QString &notifyTimeout, QString &notifyFold)
{
    const QDBusMessage reply = callWithArgumentList(QDBus::Block, QStringLiteral("getNotifyConfig"), {});
    return takeOrFail(reply, { &notifyDisabled, &notifyTimeout, &notifyFold });
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
