// The application with the stand-in daemon serving a large alerts log of
// levels 12 and above (TARVIX_BENCH_ALERTS, default 100000; the daemon writes
// the real snapshot path):
// - BM_StartUp: the start of the real binary as its "main execute time" line
//   reports it, with the resident memory of that process once its window is up;
// - BM_LogPage: the log page built in this process until its first entries are
//   on screen, and how long after the load ended they were painted;
// - BM_ScrollDrag: the scroll bar dragged from top to bottom in 100 steps,
//   the time of each step until painted (median and slowest) and the memory
//   it adds over the loaded page;
// - BM_HighlightFar: a notified alert in the middle of the list, from the
//   notification until it is highlighted (a fresh load included), with the
//   memory it adds;
// - BM_SearchTyped, BM_SearchPasted: a keystroke in the search field until the
//   first matches are on screen.

#include "alertstore/alertstore.h"
#include "logpage/alertlistview.h"
#include "logpage/notifylogmainpage.h"
#include "support/daemonsimfixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

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
    double painted = 0;
    for (auto _ : state) {
        // Asked first, so this hears of the load just before the page does.
        QObject listener;
        QElapsedTimer sinceLoad;
        AlertStore::instance()->requestFresh(
            &listener, [&sinceLoad](const AlertList &, int) { sinceLoad.start(); });
        QElapsedTimer timer;
        timer.start();
        auto *page = new notifyLogMainPage();
        page->resize(856, 600);
        page->show();
        // The alerts arrive from the store's thread: until then nothing is on screen.
        while (page->isLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        page->repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        painted += sinceLoad.nsecsElapsed() / 1e6;
        alerts = page->alertCount();
        delete page;
    }
    state.counters["alerts"] = alerts;
    state.counters["painted_after_load_ms"] = benchmark::Counter(painted, benchmark::Counter::kAvgIterations);
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

// A page shown at the size of the window, its alerts loaded.
notifyLogMainPage *loadedPage()
{
    auto *page = new notifyLogMainPage();
    page->resize(856, 600);
    page->show();
    waitLoaded(page);
    QCoreApplication::processEvents();
    return page;
}

// The scroll bar dragged from top to bottom in 100 steps, each until painted.
void BM_ScrollDrag(benchmark::State &state)
{
    std::vector<double> steps;
    double grown = 0, entries = 0;
    for (auto _ : state) {
        notifyLogMainPage *page = loadedPage();
        const long loaded = settledOwnKiB();
        QScrollBar *bar = page->findChild<AlertListView *>()->verticalScrollBar();
        QElapsedTimer total;
        total.start();
        for (int step = 1; step <= 100; ++step) {
            QElapsedTimer timer;
            timer.start();
            bar->setValue(int(qint64(bar->maximum()) * step / 100));
            page->repaint();
            QCoreApplication::processEvents();
            steps.push_back(timer.nsecsElapsed() / 1e6);
            entries = qMax(entries, double(page->entryCount()));
        }
        state.SetIterationTime(total.nsecsElapsed() / 1e9);
        grown += double(settledOwnKiB() - loaded) / 1024.0;
        delete page;
    }
    std::sort(steps.begin(), steps.end());
    state.counters["median_step_ms"] = steps[steps.size() / 2];
    state.counters["slowest_step_ms"] = steps.back();
    state.counters["most_entries"] = entries;
    state.counters["rss_grown_MiB"] = benchmark::Counter(grown, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollDrag)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// A notification for the alert in the middle of the list: a fresh load, then
// the highlight; the load alone is BM_LogPage's.
void BM_HighlightFar(benchmark::State &state)
{
    double grown = 0, afterLoad = 0;
    for (auto _ : state) {
        notifyLogMainPage *page = loadedPage();
        const QString id = [] {
            const AlertList alerts = AlertStore::instance()->current();
            return QString::fromStdString((*alerts)[alerts->size() / 2].alertId);
        }();
        const long loaded = settledOwnKiB();
        bool done = false;
        QObject::connect(page, &notifyLogMainPage::signal_highlight, [&done] { done = true; });
        // Asked first, so this hears of the load just before the page does.
        QObject listener;
        QElapsedTimer sinceLoad;
        AlertStore::instance()->requestFresh(
            &listener, [&sinceLoad](const AlertList &, int) { sinceLoad.start(); });
        QElapsedTimer timer;
        timer.start();
        page->slot_highlight_loginfo(id);
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        page->repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        afterLoad += sinceLoad.nsecsElapsed() / 1e6;
        grown += double(settledOwnKiB() - loaded) / 1024.0;
        delete page;
    }
    state.counters["highlighted_after_load_ms"]
        = benchmark::Counter(afterLoad, benchmark::Counter::kAvgIterations);
    state.counters["rss_grown_MiB"] = benchmark::Counter(grown, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HighlightFar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

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

    // Seconds from setting the text until the first matches have their
    // entries and the page has been laid out and painted.
    double type(benchmark::State &state, const QString &text)
    {
        QElapsedTimer timer;
        timer.start();
        search->setText(text);
        page->repaint();
        if (page->shownCount() > 0 && page->entryCount() == 0)
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
