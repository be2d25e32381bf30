// The application with the stand-in daemon serving a large alerts log of
// levels 12 and above (TARVIX_BENCH_ALERTS, default 100000; the daemon writes
// the real snapshot path):
// - BM_StartUp: the start of the real binary as its "main execute time" line
//   reports it, with the resident memory of that process once its window is up;
// - BM_LogPage: the log page built in this process until its first entries are on screen;
// - BM_ScrollMemory: the memory each entry costs as the user scrolls down the
//   list (TARVIX_BENCH_SCROLL entries, default 2400), and what a Reload that
//   replaces the list leaves of it;
// - BM_SearchTyped, BM_SearchPasted: a keystroke in the search field until the
//   first matches are on screen.

#include "logpage/notify_log_frame.h"
#include "logpage/notifylogmainpage.h"
#include "support/daemonsimfixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

long residentKiB(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Memory once the started window has settled: three equal readings in a row.
long settledResidentKiB(qint64 pid)
{
    long last = -1;
    int same = 0;
    const QDeadlineTimer deadline(3000);
    while (same < 3 && !deadline.hasExpired()) {
        QThread::msleep(50);
        const long now = residentKiB(pid);
        same = now == last ? same + 1 : 0;
        last = now;
    }
    return last;
}

void BM_StartUp(benchmark::State &state)
{
    double wall = 0;
    double resident = 0;
    for (auto _ : state) {
        QTemporaryDir runtime; // a first instance every time
        QProcess app;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        app.setProcessEnvironment(environment);
        app.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer started;
        started.start();
        app.start(TARVIX_APP_PATH, QStringList());
        QByteArray output;
        while (!output.contains(" seconds\n") && app.waitForReadyRead(30000))
            output += app.readAllStandardOutput();
        const qint64 reported = started.elapsed();
        const int at = output.indexOf("main execute time: ");
        if (at < 0) {
            state.SkipWithError("the application printed no start-up time");
            break;
        }
        state.SetIterationTime(output.mid(at + 19).split(' ').first().toDouble());
        wall += reported / 1000.0;
        resident += settledResidentKiB(app.processId()) / 1024.0;
        app.kill();
        app.waitForFinished();
    }
    state.counters["to_line_s"] = benchmark::Counter(wall, benchmark::Counter::kAvgIterations);
    state.counters["rss_MiB"] = benchmark::Counter(resident, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LogPage(benchmark::State &state)
{
    int alerts = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto *page = new notifyLogMainPage();
        // The alerts arrive from the store's thread: until then nothing is on screen.
        while (page->isLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        alerts = page->alertCount();
        delete page;
    }
    state.counters["alerts"] = alerts;
}
BENCHMARK(BM_LogPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void waitLoaded(notifyLogMainPage *page)
{
    while (page->isLoading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// This process's resident memory once the posted events are done (the
// scroll area relays out after a batch of entries).
long settledOwnKiB()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return residentKiB(QCoreApplication::applicationPid());
}

// What each entry costs when the user scrolls down the list, and how much of
// it a Reload gives back when it replaces the list. TARVIX_BENCH_SCROLL sets
// the entries to scroll down to (default 2400).
void BM_ScrollMemory(benchmark::State &state)
{
    const char *scroll = getenv("TARVIX_BENCH_SCROLL");
    const int wanted = scroll ? atoi(scroll) : 2400;
    double perEntry = 0, kept = 0, shownCount = 0;
    for (auto _ : state) {
        auto *page = new notifyLogMainPage();
        page->resize(856, 600);
        page->show();
        waitLoaded(page);
        const int target = qMin(wanted, page->alertCount());
        const long loaded = settledOwnKiB();
        QElapsedTimer timer;
        timer.start();
        QScrollBar *bar = page->findChild<QScrollArea *>()->verticalScrollBar();
        QWidget *content = page->findChild<QScrollArea *>()->widget();
        int shown = content->findChildren<notify_log_frame *>(QString(), Qt::FindDirectChildrenOnly).size();
        while (shown < target) {
            bar->setValue(bar->value() == bar->maximum() ? bar->maximum() - 1 : bar->maximum());
            const int before = shown;
            while (shown == before) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                shown
                    = content->findChildren<notify_log_frame *>(QString(), Qt::FindDirectChildrenOnly).size();
            }
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        const long scrolled = settledOwnKiB();
        page->slot_do_reload();
        waitLoaded(page);
        const long reloaded = settledOwnKiB();
        perEntry += double(scrolled - loaded) / shown;
        kept += double(reloaded - loaded) / 1024.0;
        shownCount = shown;
        delete page;
    }
    state.counters["entries"] = shownCount;
    state.counters["KiB_per_entry"] = benchmark::Counter(perEntry, benchmark::Counter::kAvgIterations);
    state.counters["kept_after_reload_MiB"] = benchmark::Counter(kept, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// A page on the loaded alerts (TARVIX_BENCH_ALERTS), shown, and its search field.
struct SearchedPage
{
    notifyLogMainPage *page = new notifyLogMainPage();
    QLineEdit *search = page->findChild<QLineEdit *>("searchEdit");
    double slowest = 0;

    SearchedPage()
    {
        page->resize(856, 600);
        page->show();
        waitLoaded(page);
    }
    ~SearchedPage() { delete page; }

    // Seconds from setting the text until the first matches (20, or all there
    // are) have their entries and the page has been laid out and painted.
    double type(benchmark::State &state, const QString &text)
    {
        QElapsedTimer timer;
        timer.start();
        search->setText(text);
        if (page->entryCount() < qMin(20, page->shownCount()))
            state.SkipWithError("the first matches have no entries");
        QCoreApplication::processEvents();
        const double seconds = timer.nsecsElapsed() / 1e9;
        slowest = qMax(slowest, seconds * 1000);
        return seconds;
    }
    void report(benchmark::State &state)
    {
        state.counters["alerts"] = page->alertCount();
        state.counters["slowest_ms"] = slowest;
    }
};

// The search typed key by key, each iteration one keystroke: matching texts,
// a rare address, a text in no alert, upper case, Chinese and Cyrillic.
void BM_SearchTyped(benchmark::State &state)
{
    static const QStringList words
        = { "brute", "10.3.77", "nowhere-to-be-found", "ROOT", "检测到SSH", "Пароль" };
    QStringList keystrokes;
    for (const QString &word : words)
        for (int length = 1; length <= word.size(); ++length)
            keystrokes << word.left(length);
    SearchedPage searched;
    int next = 0;
    for (auto _ : state)
        state.SetIterationTime(searched.type(state, keystrokes[next++ % keystrokes.size()]));
    searched.report(state);
}
BENCHMARK(BM_SearchTyped)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(47);

// The worst case: a text that no alert holds, pasted into the empty field,
// so that every text of every alert is searched.
void BM_SearchPasted(benchmark::State &state)
{
    SearchedPage searched;
    for (auto _ : state) {
        searched.search->clear();
        state.SetIterationTime(searched.type(state, "nowhere-to-be-found"));
    }
    searched.report(state);
}
BENCHMARK(BM_SearchPasted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void quietDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    QString error;
    if (!DaemonSimFixture::startPrivateBuses(&error)) {
        std::fprintf(stderr, "cannot start the private buses: %s\n", qPrintable(error));
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    {
        QApplication app(argc, argv);
        qInstallMessageHandler(quietDebug);
        QTemporaryDir dir;
        const QString alerts = dir.filePath("alerts.log");
        const char *count = getenv("TARVIX_BENCH_ALERTS");
        const QString command = QString("%1 --count %2 --days 365 --seed 1 --min-level 12 --out %3")
                                    .arg(ALERTGEN_PATH, count ? count : "100000", alerts);
        if (std::system(command.toLocal8Bit().constData()) != 0) {
            std::fprintf(stderr, "cannot generate %s\n", qPrintable(alerts));
            return 1;
        }
        DaemonSimFixture daemon;
        daemon.setSnapshotPath("/tmp/tarvix_alerts.log");
        if (!daemon.start({ "--alerts", alerts })) {
            std::fprintf(stderr, "cannot start the stand-in daemon: %s\n", qPrintable(daemon.errorString()));
            return 1;
        }
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    DaemonSimFixture::stopPrivateBuses();
    return 0;
}
