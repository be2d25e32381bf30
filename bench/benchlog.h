#ifndef BENCH_BENCHLOG_H
#define BENCH_BENCHLOG_H

// What the engine and export benchmarks share: their settings from the
// environment, the generated alerts log they read, and the process's memory.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>

inline std::string benchSetting(const char *name, const char *fallback)
{
    const char *value = getenv(name);
    return value && *value ? value : fallback;
}

// alertgen's log of TARVIX_BENCH_ALERTS alerts (default 100000) over 365 days
// with seed 1 and the given further options, written to path; exits if it cannot.
inline void generateBenchLog(const std::string &path, const std::string &options)
{
    const std::string command = std::string(ALERTGEN_PATH) + " --seed 1 --days 365 --count "
        + benchSetting("TARVIX_BENCH_ALERTS", "100000") + options + " --out " + path;
    if (system(command.c_str()) != 0) {
        fprintf(stderr, "cannot generate %s\n", path.c_str());
        exit(1);
    }
    chmod(path.c_str(), 0644); // the loader refuses a file others may write, whatever the umask
}

// A field of /proc/self/status such as "VmRSS:", in KiB.
inline long residentKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return strtol(line.c_str() + strlen(field), nullptr, 10);
    }
    return 0;
}

#endif
