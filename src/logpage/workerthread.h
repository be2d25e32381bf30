#ifndef LOGPAGE_WORKERTHREAD_H
#define LOGPAGE_WORKERTHREAD_H

#include "alertengine/notifylogdata.h"
#include "alertstore/alertstore.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <vector>

// Feeds one load's alerts to the log page: the first entries at once, then
// one more for every request, from a thread of its own.
class WorkerThread : public QObject
{
    Q_OBJECT
public:
    // Entries created while the alerts are handed over.
    static const int FIRST_ENTRIES = 20;

    explicit WorkerThread(QObject *parent = nullptr);
    ~WorkerThread() override;

    // Called on the GUI thread: queues shown, alerts of list, and emits the
    // first entries directly, firstEntries of them (FIRST_ENTRIES at least).
    // An alert becomes notifyLogData only when its entry is handed out: most
    // of a large list is never shown.
    void setAlerts(
        const AlertList &list, std::vector<const loginfo *> shown, int firstEntries = FIRST_ENTRIES);

signals:
    void signal_new_frame(notifyLogData data);

public slots:
    // One more entry while fewer than count have been handed out.
    void slot_load_more_widget(int count);

private:
    bool hasPending() const { return m_next < m_pending.size(); }
    void emitNext();

    QThread m_thread;
    AlertList m_list; // keeps m_pending's alerts alive
    std::vector<const loginfo *> m_pending; // entries from m_next on are still to hand out
    size_t m_next = 0;
    QMutex m_mutex;
    bool m_busy = false;
    int m_emitted = 0;
};

#endif
