// Side by side on one generated alerts log: reading the file line by line
// (the floor any loader stands on), loading it, cutting a 30-day range, the
// counts a report needs, and freeing the loaded list. TARVIX_BENCH_ALERTS sets the size (default
// 100000), TARVIX_BENCH_MIN_LEVEL the lowest generated level.

#include "alertengine/alertloader.h"
#include "alertengine/reportstats.h"
#include "benchlog.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Corpus
{
    std::string path = "/tmp/tarvix-bench-" + std::to_string(getpid()) + ".log";
    long fileBytes = 0;

    Corpus()
    {
        const std::string minLevel = benchSetting("TARVIX_BENCH_MIN_LEVEL", "");
        generateBenchLog(path, minLevel.empty() ? "" : " --min-level " + minLevel);
        std::ifstream file(path, std::ios::binary | std::ios::ate);
        fileBytes = long(file.tellg());
    }
    ~Corpus() { remove(path.c_str()); }
};

const Corpus &corpus()
{
    static Corpus instance;
    return instance;
}

std::vector<loginfo> loadedAlerts()
{
    std::vector<loginfo> list;
    loadAlertLog(corpus().path, list);
    sortAlertsNewestFirst(list);
    return list;
}

// The counts a report needs over one list.
long reportStatistics(const std::vector<loginfo> &all)
{
    std::unordered_map<int, int> levels;
    std::unordered_map<std::string, int> comments;
    std::map<std::string, HitStat> sources, users;
    countByLevel(all, levels);
    countByComment(all, comments);
    countBySourceIp(all, sources);
    countByUser(all, users);
    std::map<std::string, DayRiskCounts> days;
    countRiskByDay(all, days);
    long total = 0;
    for (const auto &day : days)
        total += day.second.highRisk + day.second.normalRisk;
    return total + long(levels.size() + comments.size() + sources.size() + users.size());
}

// Peak memory while the loaded list is held and counted, against the file's
// size. Registered first: memory freed by earlier runs stays with the
// allocator and would hide it (run it on its own for figures).
void BM_LoadMemory(benchmark::State &state)
{
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak
        long before = residentKiB("VmRSS:");
        std::vector<loginfo> list;
        loadAlertLog(corpus().path, list);
        sortAlertsNewestFirst(list);
        long held = residentKiB("VmRSS:") - before;
        benchmark::DoNotOptimize(reportStatistics(list));
        long peak = residentKiB("VmHWM:") - before;
        state.counters["alerts"] = double(list.size());
        state.counters["file_MiB"] = corpus().fileBytes / 1048576.0;
        state.counters["held_MiB"] = held / 1024.0;
        state.counters["peak_MiB"] = peak / 1024.0;
        state.counters["peak_per_file"] = peak * 1024.0 / double(corpus().fileBytes);
    }
}
BENCHMARK(BM_LoadMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReadLinesBaseline(benchmark::State &state)
{
    static char buffer[1 << 16];
    for (auto _ : state) {
        FILE *file = fopen(corpus().path.c_str(), "r");
        long lines = 0;
        while (fgets(buffer, sizeof(buffer), file))
            ++lines;
        fclose(file);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * corpus().fileBytes);
}
BENCHMARK(BM_ReadLinesBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadAlertLog(benchmark::State &state)
{
    size_t kept = 0;
    for (auto _ : state) {
        std::vector<loginfo> list;
        loadAlertLog(corpus().path, list);
        kept = list.size();
        state.PauseTiming(); // freeing the list is not part of loading it
        list = std::vector<loginfo>();
        state.ResumeTiming();
    }
    state.counters["alerts"] = double(kept);
    state.SetBytesProcessed(state.iterations() * corpus().fileBytes);
}
BENCHMARK(BM_LoadAlertLog)->Unit(benchmark::kMillisecond);

void BM_FilterThirtyDays(benchmark::State &state)
{
    const std::vector<loginfo> all = loadedAlerts();
    time_t now = time(nullptr);
    char start[32], end[32];
    time_t from = now - 30 * 86400;
    strftime(start, sizeof(start), "%Y-%m-%d 00:00:00", localtime(&from));
    strftime(end, sizeof(end), "%Y-%m-%d 23:59:59", localtime(&now));
    size_t kept = 0;
    for (auto _ : state) {
        std::vector<loginfo> range;
        filterAlertsByRange(all, range, start, end);
        kept = range.size();
    }
    state.counters["in_range"] = double(kept);
}
BENCHMARK(BM_FilterThirtyDays)->Unit(benchmark::kMillisecond);

void BM_ReportStatistics(benchmark::State &state)
{
    const std::vector<loginfo> all = loadedAlerts();
    for (auto _ : state)
        benchmark::DoNotOptimize(reportStatistics(all));
    state.counters["alerts"] = double(all.size());
}
BENCHMARK(BM_ReportStatistics)->Unit(benchmark::kMillisecond);

// The per-day counts through the public grouping, which copies every alert.
void BM_GroupByDay(benchmark::State &state)
{
    const std::vector<loginfo> all = loadedAlerts();
    for (auto _ : state) {
        std::map<std::string, std::vector<loginfo>> days;
        groupByDay(all, days);
        long total = 0;
        for (const auto &day : days) {
            for (int levelClass : { 0, 1 }) {
                int count = 0;
                countDayByLevelClass(days, day.first, levelClass, &count);
                total += count;
            }
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_GroupByDay)->Unit(benchmark::kMillisecond);

void BM_FreeList(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<loginfo> list = loadedAlerts();
        state.ResumeTiming();
        list = std::vector<loginfo>();
    }
}
BENCHMARK(BM_FreeList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
