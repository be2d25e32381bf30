#ifndef WIDGETS_THREADWORKER_H
#define WIDGETS_THREADWORKER_H

#include "logging/logcategories.h"
#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <utility>

// Runs one task on a worker thread and reports how long it took.
//
// Pages use start(): the thread has no parent and deletes itself when it has
// finished, so a page (or its window) may be destroyed while the task still
// runs without taking a running QThread down with it. The report is delivered
// on the page's thread with the page as context, so it is dropped once the page
// is gone. Because of that the task may outlive the page: it must not touch the
// page, but capture by value whatever it needs.
//
//     if (m_taskThread) // one task at a time
//         return;
//     m_confirmButton->startAnimation();
//     m_taskThread = ThreadWorker::start(this, [changes]() { apply(changes); },
//                                        &MyPage::onTaskFinished);
//
// The QPointer stays set until the task has reported and its thread is gone.
class ThreadWorker : public QObject
{
    Q_OBJECT

public:
    explicit ThreadWorker(std::function<void()> task);

    // Moves a new worker for task to a new thread and starts it. onFinished is a
    // slot of context (or any callable taking the elapsed milliseconds); it runs
    // on context's thread. Returns the thread, or null when context is null.
    template<typename Context, typename Slot>
    static QPointer<QThread> start(Context *context, std::function<void()> task, Slot onFinished);

signals:
    void taskFinished(int elapsedTime);

public slots:
    void executeTask();

private:
    static QThread *prepare(ThreadWorker *worker);

    std::function<void()> m_task;
};

template<typename Context, typename Slot>
QPointer<QThread> ThreadWorker::start(Context *context, std::function<void()> task, Slot onFinished)
{
    if (!context) {
        qCWarning(lcWidgets, "ThreadWorker: a task needs an owner to report to");
        return nullptr;
    }
    auto *worker = new ThreadWorker(std::move(task));
    connect(worker, &ThreadWorker::taskFinished, context, std::move(onFinished));
    QThread *thread = prepare(worker);
    thread->start(QThread::InheritPriority);
    return thread;
}

#endif
