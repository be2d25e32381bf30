#include "logpage/workerthread.h"

#include <QMutexLocker>

WorkerThread::WorkerThread(QObject *parent)
    : QObject(parent)
{
    // Created under its owner only to be detached at once: an object with a
    // parent cannot move to another thread.
    setParent(nullptr);
    moveToThread(&m_thread);
    m_thread.start(QThread::InheritPriority);
}

WorkerThread::~WorkerThread()
{
    m_thread.quit();
    m_thread.wait();
}

void WorkerThread::setAlerts(const std::vector<loginfo> &alerts, std::vector<QString> *ids)
{
    QMutexLocker locker(&m_mutex);
    m_pending.clear();
    if (m_busy)
        return;
    m_busy = true;
    m_pending.reserve(int(alerts.size()));
    ids->reserve(ids->size() + alerts.size());
    for (const loginfo &alert : alerts) {
        notifyLogData data = notifyLogData::fromLoginfo(alert);
        ids->push_back(data.alertId);
        m_pending.append(std::move(data));
    }
    for (int i = 0; i < FIRST_ENTRIES && !m_pending.isEmpty(); ++i) {
        emit signal_new_frame(m_pending.takeFirst());
        ++m_emitted;
    }
}

void WorkerThread::slot_load_more_widget(int count)
{
    QMutexLocker locker(&m_mutex);
    if (!m_pending.isEmpty() && m_emitted < count) {
        emit signal_new_frame(m_pending.takeFirst());
        ++m_emitted;
    }
    if (m_emitted == count)
        m_busy = false;
}
