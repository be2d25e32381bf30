// The statistics page with the stand-in daemon serving a large alerts log
// (levels 12 to 16 over 365 days, about 5,000 source addresses and 500
// users): the build on the first choice of the tab, Refresh, a 30-day range,
// each "See all" window, and the resident memory after ten Refreshes against
// after one. The "See all" window of the sources is also timed with 20,000
// addresses, and the PDF export with a tenth of the alerts (2,000 sources,
// 300 users) and with all of them. TARVIX_BENCH_ALERTS sets the size (default 100000),
// TARVIX_BENCH_SOURCES the larger number of sources (default 20000). The
// daemon writes the real snapshot path.

#include "alertstore/alertstore.h"
#include "report/alleventstatisticswidget.h"
#include "report/allhitstatisticswindow.h"
#include "report/attackstatisticswidget.h"
#include "report/eventstatisticswidget.h"
#include "report/notifyreportmain.h"
#include "report/userstatisticswidget.h"
#include "support/daemonsimfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

QTemporaryDir *g_dir = nullptr;
DaemonSimFixture *g_daemon = nullptr;
int g_alerts = 100000;
int g_manySources = 20000;

bool generate(const QString &path, int alerts, int sources, int users)
{
    const QString command
        = QString("%1 --count %2 --days 365 --seed 1 --min-level 12 --sources %3 --users %4 --out %5")
              .arg(ALERTGEN_PATH)
              .arg(alerts)
              .arg(sources)
              .arg(users)
              .arg(path);
    return std::system(command.toLocal8Bit().constData()) == 0;
}

bool serve(const QString &log)
{
    return g_daemon->start({ "--alerts", g_dir->filePath(log) });
}

void waitLoaded(notifyReportMain *page)
{
    while (page->isLoading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Laid out and painted as the user would see it.
    QCoreApplication::processEvents();
    page->repaint();
}

notifyReportMain *newPage()
{
    auto *page = new notifyReportMain();
    page->resize(856, 600);
    page->show();
    waitLoaded(page);
    return page;
}

long residentKiB()
{
    malloc_trim(0); // what is held, not what the allocator keeps for later
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Resident memory of the loaded snapshot alone, and what the page built on it
// adds: the report holds the store's snapshot, not a copy of its own.
void BM_SnapshotMemory(benchmark::State &state)
{
    for (auto _ : state) {
        const long before = residentKiB();
        bool loaded = false;
        AlertStore::instance()->requestFresh(qApp, [&loaded](const AlertList &, int) { loaded = true; });
        while (!loaded)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const long snapshot = residentKiB();
        QElapsedTimer timer;
        timer.start();
        notifyReportMain *page = newPage();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        const long withPage = residentKiB();
        state.counters["alerts"] = double(page->alertTotal());
        state.counters["snapshot_MiB"] = (snapshot - before) / 1024.0;
        state.counters["page_adds_MiB"] = (withPage - snapshot) / 1024.0;
        state.counters["rss_MiB"] = withPage / 1024.0;
        delete page;
    }
}
// First, before any other page has loaded a snapshot.
BENCHMARK(BM_SnapshotMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Build(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        notifyReportMain *page = newPage();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["alerts"] = page->alertTotal();
        delete page;
    }
}
BENCHMARK(BM_Build)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// What the GUI thread pays once the report's data is counted: the page built
// from it, laid out and painted.
void BM_PageFromData(benchmark::State &state)
{
    notifyReportMain *loaded = newPage();
    const SharedReportData data = loaded->reportData();
    delete loaded;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto *page = new notifyReportMain(data, {}, {}, {});
        page->resize(856, 600);
        page->show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        page->repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        delete page;
    }
    state.counters["alerts"] = double(data->range.alerts.size());
}
BENCHMARK(BM_PageFromData)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Refresh(benchmark::State &state)
{
    notifyReportMain *page = newPage();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        page->slot_refresh_data();
        waitLoaded(page);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    delete page;
}
BENCHMARK(BM_Refresh)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Range30Days(benchmark::State &state)
{
    notifyReportMain *page = newPage();
    for (auto _ : state) {
        QList<QDate> range { QDate::currentDate().addDays(-29), QDate::currentDate() };
        QElapsedTimer timer;
        timer.start();
        page->slot_update_dateTime(range);
        waitLoaded(page);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["alerts"] = double(page->rangeAlerts().size());
    }
    delete page;
}
BENCHMARK(BM_Range30Days)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Presses "See all" of a fresh card (its window is built on the first press)
// until the window is on screen.
template<typename Card> void seeAll(benchmark::State &state, Card *(notifyReportMain::*card)() const)
{
    notifyReportMain *page = newPage();
    for (auto _ : state) {
        state.PauseTiming();
        page->slot_refresh_data(); // new cards, no window yet
        waitLoaded(page);
        Card *shown = (page->*card)();
        QPushButton *button = shown->template findChild<QPushButton *>("seeAllButton");
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        button->click();
        QWidget *window = shown->allWindow();
        QCoreApplication::processEvents();
        window->repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        window->close();
    }
    delete page;
}

void BM_SeeAllEvents(benchmark::State &state)
{
    seeAll(state, &notifyReportMain::eventCard);
}
BENCHMARK(BM_SeeAllEvents)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SeeAllSources(benchmark::State &state)
{
    seeAll(state, &notifyReportMain::attackCard);
    state.counters["sources"] = 5000;
}
BENCHMARK(BM_SeeAllSources)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SeeAllUsers(benchmark::State &state)
{
    seeAll(state, &notifyReportMain::userCard);
}
BENCHMARK(BM_SeeAllUsers)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SeeAllManySources(benchmark::State &state)
{
    if (!serve("many-sources.log")) {
        state.SkipWithError("cannot restart the stand-in daemon");
        return;
    }
    seeAll(state, &notifyReportMain::attackCard);
    state.counters["sources"] = g_manySources;
    serve("alerts.log");
}
BENCHMARK(BM_SeeAllManySources)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Resident memory after one Refresh and after ten; the iteration time is that of the ten.
void BM_RefreshMemory(benchmark::State &state)
{
    for (auto _ : state) {
        notifyReportMain *page = newPage();
        page->slot_refresh_data();
        waitLoaded(page);
        const long afterOne = residentKiB();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 9; ++i) {
            page->slot_refresh_data();
            waitLoaded(page);
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        const long afterTen = residentKiB();
        state.counters["rss1_MiB"] = afterOne / 1024.0;
        state.counters["rss10_MiB"] = afterTen / 1024.0;
        state.counters["growth_pct"] = 100.0 * (afterTen - afterOne) / afterOne;
        delete page;
    }
}
BENCHMARK(BM_RefreshMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Writes the PDF of the whole range (the export without its dialog): time,
// size and pages.
void exportReport(benchmark::State &state, const QString &log)
{
    if (!serve(log)) {
        state.SkipWithError("cannot restart the stand-in daemon");
        return;
    }
    notifyReportMain *page = newPage();
    const QString pdf = g_dir->filePath("report.pdf");
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (!page->exportReport(pdf)) {
            state.SkipWithError(qPrintable(page->exportError()));
            break;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    QProcess info;
    info.start("pdfinfo", { pdf });
    info.waitForFinished();
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    state.counters["alerts"] = double(page->rangeAlerts().size());
    state.counters["pages"] = text.mid(text.indexOf("Pages:") + 6).section('\n', 0, 0).trimmed().toInt();
    state.counters["MB"] = QFileInfo(pdf).size() / 1e6;
    delete page;
    serve("alerts.log");
}

void BM_ExportTenth(benchmark::State &state)
{
    exportReport(state, "export.log"); // a tenth of the alerts, 2,000 sources, 300 users
}
BENCHMARK(BM_ExportTenth)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportAll(benchmark::State &state)
{
    exportReport(state, "alerts.log");
}
BENCHMARK(BM_ExportAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

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
    if (const char *count = getenv("TARVIX_BENCH_ALERTS"))
        g_alerts = atoi(count);
    if (const char *sources = getenv("TARVIX_BENCH_SOURCES"))
        g_manySources = atoi(sources);
    int status = 0;
    {
        QApplication app(argc, argv);
        qInstallMessageHandler(quietDebug);
        QTemporaryDir dir;
        g_dir = &dir;
        notifyReportMain::Sources &sources = notifyReportMain::sources();
        sources.installTimePath = dir.filePath("install_time");
        QFile installTime(sources.installTimePath);
        if (installTime.open(QIODevice::WriteOnly))
            installTime.write("InstallTime=2024-01-02 03:04:05\n");
        installTime.close();
        sources.aiCountProgram = "/bin/sh";
        sources.aiCountArguments = QStringList { "-c", "echo 0" };
        sources.osReleasePath = dir.filePath("os-release");
        if (!generate(dir.filePath("alerts.log"), g_alerts, 5000, 500)
            || !generate(dir.filePath("many-sources.log"), g_alerts, g_manySources, 500)
            || !generate(dir.filePath("export.log"), g_alerts / 10, 2000, 300)) {
            std::fprintf(stderr, "cannot generate the alerts logs\n");
            return 1;
        }
        DaemonSimFixture daemon;
        g_daemon = &daemon;
        daemon.setSnapshotPath("/tmp/tarvix_alerts.log");
        if (!serve("alerts.log")) {
            std::fprintf(stderr, "cannot start the stand-in daemon: %s\n", qPrintable(daemon.errorString()));
            return 1;
        }
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    DaemonSimFixture::stopPrivateBuses();
    return status;
}
