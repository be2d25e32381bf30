// The report's data of one generated alerts log (levels 12 to 16 over 365
// days) for the whole range, and its exports: CSV, JSON Lines and the PDF,
// each written once per iteration, with the peak resident memory while
// writing against the resident memory of the loaded alerts. TARVIX_BENCH_ALERTS sets the size (default
// 100000), TARVIX_BENCH_SOURCES the number of source addresses (default 5000) and TARVIX_BENCH_USERS that of
// users (default 500). With TARVIX_BENCH_KEEP set the written files stay in /tmp for a look.

#include "alertengine/reportstats.h"
#include "benchlog.h"
#include "reportdata/alertexport.h"
#include "reportdata/reportdata.h"
#include "reportdata/reportpdf.h"
#include "translation/translation.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Starts the peak over again from what is resident now.
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Corpus
{
    std::vector<loginfo> alerts;
    HitRanking sources;
    HitRanking users;
    long heldKiB = 0; // resident with the alerts loaded, before any export
    Translation translation { "zh_CN" };

    Corpus()
    {
        const std::string path = "/tmp/tarvix-bench-export-" + std::to_string(getpid()) + ".log";
        generateBenchLog(path,
            " --min-level 12 --sources " + benchSetting("TARVIX_BENCH_SOURCES", "5000") + " --users "
                + benchSetting("TARVIX_BENCH_USERS", "500"));
        loadAlertLog(path, alerts);
        remove(path.c_str());
        sortAlertsNewestFirst(alerts);
        std::map<std::string, HitStat> bySource, byUser;
        countBySourceIp(alerts, bySource);
        countByUser(alerts, byUser);
        sources.assign(bySource.begin(), bySource.end());
        users.assign(byUser.begin(), byUser.end());
        heldKiB = residentKiB("VmRSS:");
    }
};

Corpus &corpus()
{
    static Corpus instance;
    return instance;
}

template<typename Write> void runExport(benchmark::State &state, const char *suffix, Write write)
{
    Corpus &data = corpus();
    const QString path = QString("/tmp/tarvix-bench-export-%1.%2").arg(getpid()).arg(suffix);
    long peakKiB = 0;
    for (auto _ : state) {
        resetPeak();
        ExportProgress progress;
        progress.total = qint64(data.alerts.size());
        QString error;
        if (!write(path, data, &progress, &error))
            state.SkipWithError(error.toUtf8().constData());
        peakKiB = std::max(peakKiB, residentKiB("VmHWM:"));
    }
    state.counters["alerts"] = double(data.alerts.size());
    state.counters["file_MB"] = double(QFile(path).size()) / 1e6;
    state.counters["held_MB"] = double(data.heldKiB) / 1024;
    state.counters["peak_vs_held"] = double(peakKiB) / double(data.heldKiB);
    if (!getenv("TARVIX_BENCH_KEEP"))
        QFile::remove(path);
}

void csv(benchmark::State &state)
{
    runExport(state, "csv", [](const QString &path, Corpus &data, ExportProgress *progress, QString *error) {
        return writeAlertsCsv(path, data.alerts, data.translation, progress, error);
    });
}

void jsonLines(benchmark::State &state)
{
    runExport(
        state, "jsonl", [](const QString &path, Corpus &data, ExportProgress *progress, QString *error) {
            return writeAlertsJsonLines(path, data.alerts, data.translation, progress, error);
        });
}

void pdf(benchmark::State &state)
{
    QImage picture(1000, 2400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    runExport(state, "pdf",
        [&picture](const QString &path, Corpus &data, ExportProgress *progress, QString *error) {
            return ReportPdf::write(path,
                { picture, data.alerts, &data.sources, &data.users, "2024-01-01 - 2024-12-31" },
                data.translation, progress, error);
        });
}

void reportData(benchmark::State &state)
{
    Corpus &data = corpus();
    // The corpus owns the alerts; the list only points at them.
    const AlertList alerts(std::shared_ptr<void>(), &data.alerts);
    size_t sources = 0;
    for (auto _ : state) {
        SharedReportData counted = ReportData::compute(alerts, "init", "init");
        sources = counted->sources->size();
        state.PauseTiming(); // freeing it is the page's business, on a thread of its own
        counted.reset();
        state.ResumeTiming();
    }
    state.counters["alerts"] = double(data.alerts.size());
    state.counters["sources"] = double(sources);
}

BENCHMARK(reportData)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(csv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(jsonLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(pdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // fonts for the PDF
    benchmark::Initialize(&argc, argv);
    corpus();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
