#include "alertstore/alertstore.h"

#include "daemon/tarvixdesktopdaemonclient.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

AlertStore *storeInstance = nullptr;

} // namespace

AlertStore *AlertStore::instance()
{
    // Like the daemon client it loads through: created on first use, never
    // destroyed, so a load still waiting on the daemon at exit has a thread
    // and a store to come back to.
    if (!storeInstance) {
        storeInstance = new AlertStore();
        qAddPostRoutine([] { storeInstance->stopIdleThread(); });
    }
    return storeInstance;
}

AlertStore::AlertStore()
    : m_current(std::make_shared<const std::vector<loginfo>>())
{
    // The client asks the bus who owns the daemon's name when it is made:
    // here, not on the load thread while the process may be ending.
    TarvixDesktopDaemonClient::instance();
    m_thread.setObjectName("AlertStore");
    m_loader = new QObject();
    m_loader->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_loader, &QObject::deleteLater);
    m_thread.start();
}

QString AlertStore::unreadRecordsText(int count)
{
    // English has no catalogue to give the singular its own form.
    return count == 1 ? tr("1 alert record could not be read")
                      : tr("%n alert records could not be read", "", count);
}

QString AlertStore::failureText(int result)
{
    if (result == ALERT_SNAPSHOT_UNREADABLE)
        return tr("The alarm logs could not be read");
    if (result == ALERT_SNAPSHOT_CUT_SHORT)
        return tr("The alarm logs were cut short while being read");
    return tr("The detection service could not be reached");
}

void AlertStore::requestFresh(QObject *requester, Delivery done)
{
    auto same = std::find_if(m_requests.begin(), m_requests.end(),
        [requester](const Request &request) { return request.requester == requester; });
    if (same != m_requests.end())
        same->done = std::move(done);
    else
        m_requests.push_back(Request { requester, std::move(done) });
    if (m_loading)
        m_superseded = true; // its result is older than this request
    else
        startLoad();
}

void AlertStore::startLoad()
{
    m_loading = true;
    m_superseded = false;
    QMetaObject::invokeMethod(m_loader, [this] {
        auto alerts = std::make_shared<std::vector<loginfo>>();
        int skipped = 0;
        const int result = loadAllAlerts(*alerts, skipped); // leaves the list empty when it fails
        QMetaObject::invokeMethod(
            this, [this, alerts, result, skipped] { finishLoad(alerts, result, skipped); },
            Qt::QueuedConnection);
    });
}

void AlertStore::finishLoad(const AlertList &alerts, int result, int skipped)
{
    if (m_superseded) {
        startLoad();
        return;
    }
    m_loading = false;
    if (result == 0) {
        m_current = alerts;
        m_currentSkipped = skipped;
    }
    // Taken out first: a requester may ask again from within its delivery.
    const std::vector<Request> requests = std::exchange(m_requests, {});
    for (const Request &request : requests) {
        if (request.requester)
            request.done(alerts, result);
    }
}

void AlertStore::dispose(AlertList alerts)
{
    if (alerts.use_count() != 1)
        return;
    QMetaObject::invokeMethod(m_loader, [alerts = std::move(alerts)]() mutable {
        alerts.reset();
        // Freed memory stays with the process until it is trimmed: without
        // this a reload of a large list would keep its size.
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    });
}

void AlertStore::stopIdleThread()
{
    // A load that still waits on the daemon cannot be interrupted; it ends
    // with the process, and what it would deliver is never looked at.
    if (m_loading)
        return;
    m_thread.quit();
    m_thread.wait();
}
