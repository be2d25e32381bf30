#include "widgets/threadworker.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// A settings page as far as the task protocol is concerned.
class Page : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    static inline int reports = 0;
    int elapsed = -1;
    QThread *reportThread = nullptr;

public slots:
    void onTaskFinished(int mseconds)
    {
        ++reports;
        elapsed = mseconds;
        reportThread = QThread::currentThread();
    }
};

} // namespace

class TestThreadWorker : public QObject
{
    Q_OBJECT

private slots:
    void init() { Page::reports = 0; }

    void reportsElapsedTimeOnTheOwnersThread()
    {
        Page page;
        QSemaphore gate;
        QThread *taskThread = nullptr;
        auto token = std::make_shared<int>(0);
        std::weak_ptr<int> watch = token;

        QPointer<QThread> thread = ThreadWorker::start(
            &page,
            [&gate, &taskThread, token]() {
                taskThread = QThread::currentThread();
                gate.acquire();
                QThread::msleep(120);
            },
            &Page::onTaskFinished);
        token.reset();
        QVERIFY(thread);
        QTest::qWait(50);
        QVERIFY2(thread, "the pointer marks a running task");
        QCOMPARE(Page::reports, 0);
        gate.release();

        QTRY_VERIFY(thread.isNull());
        QCOMPARE(Page::reports, 1);
        QVERIFY(taskThread && taskThread != QThread::currentThread());
        QCOMPARE(page.reportThread, QThread::currentThread());
        QVERIFY2(page.elapsed >= 110 && page.elapsed < 5000, qPrintable(QString::number(page.elapsed)));
        QVERIFY2(watch.expired(), "the worker and its task are freed");
    }

    void ownerDestroyedWhileTaskRuns()
    {
        auto *window = new QWidget;
        auto *page = new Page(window);
        QSemaphore started, gate;
        std::atomic<bool> completed { false };
        bool lambdaReport = false;
        auto token = std::make_shared<int>(0);
        std::weak_ptr<int> watch = token;

        QPointer<QThread> thread = ThreadWorker::start(
            page,
            [&, token]() {
                started.release();
                gate.acquire();
                QThread::msleep(30);
                completed = true;
            },
            &Page::onTaskFinished);
        QObject otherPage;
        QPointer<QThread> second = ThreadWorker::start(&otherPage, {}, [&](int) { lambdaReport = true; });
        token.reset();
        QVERIFY(started.tryAcquire(1, 5000));
        QTRY_VERIFY(second.isNull());
        QVERIFY(lambdaReport);

        delete window; // the settings window closes mid-task
        QVERIFY(thread);
        gate.release();
        QTRY_VERIFY(thread.isNull());
        QVERIFY(completed);
        QCOMPARE(Page::reports, 0);
        QVERIFY(watch.expired());
    }

    void executeTaskDirectly()
    {
        ThreadWorker empty({});
        QSignalSpy emptySpy(&empty, &ThreadWorker::taskFinished);
        empty.executeTask();
        QCOMPARE(emptySpy.count(), 1);
        QVERIFY(emptySpy.at(0).at(0).toInt() >= 0 && emptySpy.at(0).at(0).toInt() < 50);

        ThreadWorker slow([]() { QThread::msleep(60); });
        QSignalSpy slowSpy(&slow, &ThreadWorker::taskFinished);
        slow.executeTask();
        QVERIFY(slowSpy.at(0).at(0).toInt() >= 55);
    }

    void startWithoutOwner()
    {
        bool ran = false;
        QTest::ignoreMessage(QtWarningMsg, "ThreadWorker: a task needs an owner to report to");
        QVERIFY(ThreadWorker::start(
            static_cast<Page *>(nullptr), [&]() { ran = true; }, &Page::onTaskFinished)
                    .isNull());
        QTest::qWait(20);
        QVERIFY(!ran);
    }
};

QTEST_MAIN(TestThreadWorker)
#include "tst_threadworker.moc"
