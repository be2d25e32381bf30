#include "widgets/threadworker.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>

// A settings page as far as the task protocol goes.
class Page : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    static inline int reports = 0, elapsed = -1;
    static inline QThread *reportThread = nullptr;
public slots:
    void onTaskFinished(int ms) { ++reports, elapsed = ms, reportThread = QThread::currentThread(); }
};

// A task that waits for the test's go; `freed` tells when the task and its worker are gone.
struct Task
{
    QSemaphore started, go;
    std::atomic<QThread *> thread { nullptr };
    std::atomic<bool> done { false };
    std::shared_ptr<int> token = std::make_shared<int>();
    std::weak_ptr<int> freed = token;

    QPointer<QThread> start(Page *page)
    {
        auto body = [this, t = std::move(token)]() {
            thread = QThread::currentThread();
            started.release();
            go.acquire();
            QThread::msleep(120);
            done = true;
        };
        QPointer<QThread> worker = ThreadWorker::start(page, body, &Page::onTaskFinished);
        return started.tryAcquire(1, 5000) ? worker : nullptr;
    }
};

class TestThreadWorker : public QObject
{
    Q_OBJECT

private slots:
    void init() { Page::reports = 0; }

    void reportsOnTheOwnersThread()
    {
        Page page;
        Task task;
        QPointer<QThread> thread = task.start(&page);
        QTest::qWait(30);
        QVERIFY2(thread && Page::reports == 0, "the pointer marks a running task");
        task.go.release();
        QTRY_VERIFY(thread.isNull());
        QCOMPARE(Page::reports, 1);
        QVERIFY(task.thread != QThread::currentThread());
        QCOMPARE(Page::reportThread, QThread::currentThread());
        QVERIFY2(Page::elapsed >= 110 && Page::elapsed < 5000, qPrintable(QString::number(Page::elapsed)));
        QVERIFY(task.freed.expired());
    }

    void ownerDestroyedWhileTaskRuns()
    {
        auto *window = new QWidget;
        Task task;
        QPointer<QThread> thread = task.start(new Page(window));
        QVERIFY(thread);
        delete window; // the settings window closes mid-task
        task.go.release();
        QTRY_VERIFY(thread.isNull());
        QVERIFY(task.done && task.freed.expired());
        QCOMPARE(Page::reports, 0);
    }

    void emptyTaskAndAFunctorReport()
    {
        ThreadWorker worker({});
        QSignalSpy spy(&worker, &ThreadWorker::taskFinished);
        worker.executeTask();
        QVERIFY(spy.count() == 1 && spy.at(0).at(0).toInt() >= 0 && spy.at(0).at(0).toInt() < 50);

        bool reported = false;
        QObject other;
        QPointer<QThread> thread = ThreadWorker::start(&other, {}, [&](int) { reported = true; });
        QTRY_VERIFY(reported && thread.isNull());
    }
};

QTEST_MAIN(TestThreadWorker)
#include "tst_threadworker.moc"
