#include "daemon/tarvixdesktopdaemonclient.h"
#include "logging/logcategories.h"

#include "daemon/tarvixdesktopdaemoninterface.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDebug>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

const char *const DAEMON_SERVICE = "com.zorva.tarvix.desktop";
const char *const DAEMON_PATH = "/com/zorva/tarvix/desktop";

// Calls waiting for the daemon now, on any thread; none start once closed.
struct CallGate
{
    std::mutex mutex;
    int inFlight = 0;
    bool closed = false;
};

CallGate &callGate()
{
    static CallGate *const gate = new CallGate; // outlives every thread's last call
    return *gate;
}

class CallScope
{
public:
    CallScope()
    {
        std::lock_guard<std::mutex> lock(callGate().mutex);
        m_entered = !callGate().closed;
        callGate().inFlight += m_entered ? 1 : 0;
    }
    ~CallScope()
    {
        std::lock_guard<std::mutex> lock(callGate().mutex);
        callGate().inFlight -= m_entered ? 1 : 0;
    }
    explicit operator bool() const { return m_entered; }

private:
    bool m_entered = false;
};

int getterResult(const QDBusReply<int> &reply, const char *label)
{
    if (reply.isValid()) {
        return reply.value();
    }
    const int result = reply.error().type() == QDBusError::NoReply ? -2 : -3;
    qCDebug(lcDaemon) << label << "call returned: " << result;
    return result;
}

// call sends the request and gives the reply; waiting for it counts as in flight.
template<typename Call> int getter(Call call, const char *label)
{
    const CallScope scope;
    if (!scope) {
        qCDebug(lcDaemon) << label << "call returned: " << -3;
        return -3;
    }
    return getterResult(call(), label);
}

} // namespace

TarvixDesktopDaemonClient *TarvixDesktopDaemonClient::instance()
{
    // Never destroyed, so the proxy serves the whole process; the magic static
    // also keeps a first call from two threads at once from making two clients.
    static TarvixDesktopDaemonClient *const client = new TarvixDesktopDaemonClient;
    return client;
}

TarvixDesktopDaemonClient::TarvixDesktopDaemonClient(QObject *parent)
    : QObject(parent)
{
    const QString service = QString::fromLatin1(DAEMON_SERVICE);
    QDBusConnection bus = QDBusConnection::systemBus();

    // Watch before the proxy looks up the owner, so no change falls between.
    m_ownerWatcher = new QDBusServiceWatcher(service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_ownerWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString &, const QString &, const QString &newOwner) {
            m_serviceOwned.store(!newOwner.isEmpty());
        });

    m_interface = new tarvixDesktopDaemonInterface(service, QString::fromLatin1(DAEMON_PATH), bus);
    m_serviceOwned.store(m_interface->isValid());
    if (!m_interface->isValid()) {
        qCDebug(lcDaemon) << "Failed to connect to com.zorva.tarvix.desktop service.";
    }

    connect(m_interface, SIGNAL(installProgress(int, const QString &, const QString &)), this,
        SLOT(slot_installProgress(int, const QString &, const QString &)));
    connect(m_interface, SIGNAL(installFinished(int, const QStringList &, const QString &, const QString &)),
        this, SLOT(slot_installFinished(int, const QStringList &, const QString &, const QString &)));

    // The installation signals belong on the GUI thread, whichever thread asked first.
    QCoreApplication *app = QCoreApplication::instance();
    if (app && app->thread() != QThread::currentThread()) {
        m_interface->moveToThread(app->thread());
        moveToThread(app->thread());
    }
}

TarvixDesktopDaemonClient::~TarvixDesktopDaemonClient()
{
    delete m_interface;
}

int TarvixDesktopDaemonClient::endProcess(int status)
{
    std::unique_lock<std::mutex> lock(callGate().mutex);
    callGate().closed = true;
    if (callGate().inFlight > 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

bool TarvixDesktopDaemonClient::proxyValid() const
{
    if (QThread::currentThread() == m_interface->thread()) {
        return m_interface->isValid();
    }
    return m_serviceOwned.load();
}

int TarvixDesktopDaemonClient::getNotifyConfig(
    QString &notifyDisabled, QString &notifyTimeout, QString &notifyFold)
{
    return getter([&] { return m_interface->getNotifyConfig(notifyDisabled, notifyTimeout, notifyFold); },
        " Method getNotifyConfig");
}

int TarvixDesktopDaemonClient::getEventTotalCount(QString &count)
{
    return getter([&] { return m_interface->getEventTotalCount(count); }, " Method getEventTotalCount");
}

int TarvixDesktopDaemonClient::generateLogFile()
{
    return getter([&] { return QDBusReply<int>(m_interface->generateLogFile()); }, " Method generateLogFile");
}

int TarvixDesktopDaemonClient::getInterventionConfig(
    const QString &actionName, const QString &fieldName, QString &fieldValue)
{
    return getter([&] { return m_interface->getInterventionConfig(actionName, fieldName, fieldValue); },
        " Method getInterventionConfig");
}

int TarvixDesktopDaemonClient::getAiConfig(const QString &key, QString &value)
{
    return getter([&] { return m_interface->getAiConfig(key, value); }, " Method getAiConfig");
}

int TarvixDesktopDaemonClient::getServiceStatus(const QString &serviceName, int type)
{
    return getter([&] { return QDBusReply<int>(m_interface->getServiceStatus(serviceName, type)); },
        " Method getStatus");
}

int TarvixDesktopDaemonClient::setNotifyConfig(
    const QString &notifyDisabled, const QString &notifyTimeout, const QString &notifyFold)
{
    return callSetter({ QStringLiteral("setNotifyConfig"), { notifyDisabled, notifyTimeout, notifyFold } },
        " Method SetNotifyConfig");
}

int TarvixDesktopDaemonClient::installPackages(const QStringList &packagePaths)
{
    return callSetter(
        { QStringLiteral("installPackages"), { QVariant(packagePaths) } }, " Method tarvix_install_packages");
}

int TarvixDesktopDaemonClient::restartService(const QString &serviceName)
{
    return callSetter({ QStringLiteral("restartService"), { serviceName } }, " Method restartService");
}

int TarvixDesktopDaemonClient::setAiConfig(const QString &key, const QString &value)
{
    return callSetter({ QStringLiteral("setAiConfig"), { key, value } }, " Method setAiConfig");
}

int TarvixDesktopDaemonClient::setServiceStatus(const QString &serviceName, int status, int type)
{
    return callSetter(
        { QStringLiteral("setServiceStatus"), { serviceName, status, type } }, " Method SetStatus");
}

int TarvixDesktopDaemonClient::setInterventionConfig(
    const QString &actionName, const QString &fieldName, const QString &fieldValue)
{
    return callSetter({ QStringLiteral("setInterventionConfig"), { actionName, fieldName, fieldValue } },
        " Method setInterventionConfig");
}

int TarvixDesktopDaemonClient::callSetter(const DaemonCall &call, const char *label)
{
    const QVariant value = callDaemonMethod(call);
    if (!value.isValid()) {
        return -1;
    }
    // A first value that is no number is a broken reply, not a success.
    bool isNumber = false;
    const int result = value.toInt(&isNumber);
    if (!isNumber) {
        qCDebug(lcDaemon) << label << "call returned: " << -1;
        return -1;
    }
    qCDebug(lcDaemon) << label << "call returned: " << result;
    return result;
}

QVariant TarvixDesktopDaemonClient::callDaemonMethod(const DaemonCall &call)
{
    const CallScope scope;
    if (!scope) {
        return QVariant();
    }
    if (!proxyValid()) {
        qCDebug(lcDaemon) << "DBus interface is invalid.";
        return QVariant();
    }
    const QDBusMessage reply
        = m_interface->callWithArgumentList(QDBus::AutoDetect, call.method, call.arguments);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qCDebug(lcDaemon) << "Error calling Method: " << reply.errorMessage();
        return QVariant();
    }
    // callWithArgumentList pads a reply without values with one invalid
    // variant, so an empty list is not the only way "no value" looks.
    const QList<QVariant> values = reply.arguments();
    if (!values.isEmpty() && values.first().isValid()) {
        return values.first();
    }
    qCDebug(lcDaemon) << "No reply received from method ca1l.";
    return QVariant();
}

void TarvixDesktopDaemonClient::slot_installProgress(
    int percent, const QString &status, const QString &details)
{
    qCDebug(lcDaemon) << " slot_installProgress " << percent << status;
    emit signal_installProgress(percent, status, details);
}

void TarvixDesktopDaemonClient::slot_installFinished(
    int success, const QStringList &packages, const QString &errorCode, const QString &errorMsg)
{
    qCDebug(lcDaemon) << " slot_installFinished " << packages << success;
    QStringList packageList = packages;
    emit signal_installFinished(success, packageList, errorCode, errorMsg);
}
