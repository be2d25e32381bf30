#include "widgets/threadworker.h"

#include <QTime>

namespace {
constexpr int MSECS_PER_DAY = 24 * 60 * 60 * 1000;
}

ThreadWorker::ThreadWorker(std::function<void()> task)
    : QObject(nullptr)
    , m_task(std::move(task))
{
}

void ThreadWorker::executeTask()
{
    const QTime begin = QTime::currentTime();
    if (m_task)
        m_task();
    int elapsed = begin.msecsTo(QTime::currentTime());
    // The wall clock starts a new day at midnight; a task running across it
    // would otherwise report a negative time.
    if (elapsed < 0)
        elapsed += MSECS_PER_DAY;
    emit taskFinished(elapsed);
}

QThread *ThreadWorker::prepare(ThreadWorker *worker)
{
    // No parent: whoever started the task may go away before it returns, and
    // destroying a running QThread aborts the process. The thread deletes
    // itself once its event loop has ended.
    auto *thread = new QThread;
    thread->setObjectName(QStringLiteral("ThreadWorker"));
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &ThreadWorker::executeTask);
    connect(worker, &ThreadWorker::taskFinished, thread, &QThread::quit);
    connect(worker, &ThreadWorker::taskFinished, worker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return thread;
}
