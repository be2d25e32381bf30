#ifndef ALERTSTORE_ALERTSTORE_H
#define ALERTSTORE_ALERTSTORE_H

#include "alertengine/alertloader.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

// One loaded snapshot, newest first. Shared by every page that shows it and
// never changed, so holding it costs one list however many pages look at it.
using AlertList = std::shared_ptr<const std::vector<loginfo>>;

// The one holder of the loaded alerts. Loading waits on the daemon (up to the
// D-Bus time-out) and parses the whole snapshot, so it runs on a thread of the
// store's own; results are delivered on the GUI thread.
class AlertStore : public QObject
{
    Q_OBJECT
public:
    using Delivery = std::function<void(const AlertList &alerts, int result)>;

    static AlertStore *instance();

    // Asks for a fresh snapshot. done runs once on the GUI thread with the list
    // and loadAllAlerts' result (0 on success; on failure the list is empty).
    // One load runs at a time: a request during a load supersedes it, and every
    // requester then gets the newer load's result. A requester's newer request
    // replaces its older, undelivered one; nothing is delivered to a requester
    // that has been destroyed.
    void requestFresh(QObject *requester, Delivery done);

    // What a page says in place of its list when a load failed with result:
    // never its empty state, which would read as "no alerts".
    static QString failureText(int result);
    // What both pages say of records of the snapshot that could not be read.
    static QString unreadRecordsText(int count);

    // The list of the last load that succeeded (empty before one has).
    AlertList current() const { return m_current; }
    // The alert records that load could not read and passed over: a page
    // says so, and never calls a list with such gaps empty. Already up to
    // date when a delivery runs.
    int skippedRecords() const { return m_currentSkipped; }
    bool isLoading() const { return m_loading; }

    // Lets go of a list a page no longer shows. When it was the last holder,
    // the list is freed on the store's thread (a million alerts take a while)
    // and the memory handed back to the system.
    void dispose(AlertList alerts);

private:
    AlertStore();

    void startLoad();
    void stopIdleThread();
    void finishLoad(const AlertList &alerts, int result, int skipped);

    QThread m_thread;
    QObject *m_loader = nullptr; // lives in m_thread
    AlertList m_current;
    int m_currentSkipped = 0;
    bool m_loading = false;
    bool m_superseded = false;
    struct Request
    {
        QPointer<QObject> requester;
        Delivery done;
    };
    std::vector<Request> m_requests; // in the order they were made
};

#endif
