#include "kit/parmscontroller.h"
#include "kit/parmscontroller_p.h"
#include "logging/logcategories.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDebug>

namespace {

const char kService[] = "com.zorva.statusmanager.interface";
const char kPath[] = "/";
const char kInterface[] = "com.zorva.statusmanager.interface";

// A hung status service must not freeze the window that asks it.
const int kCallTimeoutMs = 2000;

struct SizePair
{
    int pc;
    int tablet;
};

const SizePair kSizes[lumo::Parmscontroller::PM_Count] = {
    { 36, 48 },
    { 36, 48 },
    { 36, 48 },
    { 36, 48 },
    { 36, 48 },
    { 36, 48 },
    { 36, 48 },
    { 36, 48 },
    { 20, 40 },
    { 10, 16 },
    { 30, 20 },
    { 40, 64 },
    { 24, 32 },
    { 30, 48 },
    { 4, 4 },
    { 200, 254 },
    { 198, 222 },
    { 336, 352 },
    { 8, 16 },
    { 32, 24 },
    { 10, 16 },
    { 24, 16 },
    { 24, 32 },
};

} // namespace

namespace lumo {

ParmscontrollerPrivate::ParmscontrollerPrivate(Parmscontroller *parent)
    : QObject(parent)
    , q(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;

    // The service may come and go with the session; follow it instead of
    // deciding once at start.
    m_watcher = new QDBusServiceWatcher(kService, bus,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        attach();
        setMode(queryMode());
    });
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        detach();
        setMode(false);
    });

    if (bus.interface() && bus.interface()->isServiceRegistered(kService)) {
        attach();
        m_tablet = queryMode();
    }
}

void ParmscontrollerPrivate::attach()
{
    if (m_interface)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto *iface = new QDBusInterface(kService, kPath, kInterface, bus, this);
    if (!iface->isValid()) {
        qCDebug(lcKit) << "tablet mode interface is not valid, using PC mode";
        delete iface;
        return;
    }
    iface->setTimeout(kCallTimeoutMs);
    m_interface = iface;
    bus.connect(kService, kPath, kInterface, "mode_change_signal", this, SLOT(onModeSignal(bool)));
}

void ParmscontrollerPrivate::detach()
{
    if (!m_interface)
        return;
    QDBusConnection::sessionBus().disconnect(
        kService, kPath, kInterface, "mode_change_signal", this, SLOT(onModeSignal(bool)));
    delete m_interface;
    m_interface = nullptr;
}

bool ParmscontrollerPrivate::queryMode()
{
    if (!m_interface)
        return false;
    QDBusReply<bool> reply = m_interface->call("get_current_tabletmode");
    if (!reply.isValid()) {
        qCDebug(lcKit) << "get_current_tabletmode failed:" << reply.error().message();
        return false;
    }
    return reply.value();
}

void ParmscontrollerPrivate::setMode(bool tablet)
{
    if (m_tablet == tablet)
        return;
    m_tablet = tablet;
    emit q->modeChanged(tablet);
}

void ParmscontrollerPrivate::onModeSignal(bool tablet)
{
    setMode(tablet);
}

Parmscontroller::Parmscontroller(QObject *parent)
    : QObject(parent)
    , d(new ParmscontrollerPrivate(this))
{
}

Parmscontroller::~Parmscontroller() = default;

Parmscontroller *Parmscontroller::self()
{
    static Parmscontroller *instance = new Parmscontroller;
    return instance;
}

bool Parmscontroller::isTabletMode()
{
    ParmscontrollerPrivate *p = self()->d;
    if (!p->m_interface)
        return false;
    // A fresh answer also corrects the kept mode if a signal was missed.
    p->setMode(p->queryMode());
    return p->m_tablet;
}

int Parmscontroller::parm(int entry)
{
    return self()->value(entry);
}

int Parmscontroller::tableValue(int entry, bool tablet)
{
    if (entry < 0 || entry >= PM_Count)
        return 0;
    return tablet ? kSizes[entry].tablet : kSizes[entry].pc;
}

bool Parmscontroller::tabletMode() const
{
    return d->m_tablet;
}

int Parmscontroller::value(int entry) const
{
    return tableValue(entry, d->m_tablet);
}

} // namespace lumo
