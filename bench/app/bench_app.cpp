// Start-up cost with the stand-in daemon serving a large alerts log of levels
// 12 and above: the start of the real binary as its "main execute time" line
// reports it, with the resident memory of that process once its window is up,
// and the log page built in this process until its first entries are on
// screen. TARVIX_BENCH_ALERTS sets the size (default 100000). The daemon
// writes the real snapshot path.

#include "logpage/notifylogmainpage.h"
#include "support/daemonsimfixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
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
