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

void WorkerThread::setAlerts(const AlertList &list, std::vector<const loginfo *> shown, int firstEntries)
{
    QMutexLocker locker(&m_mutex);
    m_list.reset();
    m_pending.clear();
    m_next = 0;
    if (m_busy)
        return;
    m_busy = true;
    m_list = list;
    m_pending = std::move(shown);
    // All at once, before any request can reach the thread: entries stay in list order.
    for (int i = 0; i < qMax(firstEntries, int(FIRST_ENTRIES)) && hasPending(); ++i)
        emitNext();
}

void WorkerThread::slot_load_more_widget(int count)
{
    QMutexLocker locker(&m_mutex);
    if (hasPending() && m_emitted < count)
        emitNext();
    if (m_emitted == count)
        m_busy = false;
}

void WorkerThread::emitNext()
{
    emit signal_new_frame(notifyLogData::fromLoginfo(*m_pending[m_next++]));
    ++m_emitted;
}
