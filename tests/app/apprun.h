#ifndef TESTS_APP_APPRUN_H
#define TESTS_APP_APPRUN_H

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

// One run of the application binary. Its standard output and its log
// (standard error) are collected while the test waits for lines, so a test
// never sleeps for a fixed time.
class AppRun
{
public:
    AppRun(const QString &program, const QProcessEnvironment &environment);
    ~AppRun(); // kills a run that is still going

    AppRun(const AppRun &) = delete;
    AppRun &operator=(const AppRun &) = delete;

    bool start(const QStringList &arguments);
    // Waits, serving the event loop, until the output or the log contains text.
    bool waitForOutput(const QString &text, int timeoutMs = 15000);
    bool waitForLog(const QString &text, int timeoutMs = 15000);
    bool waitForExit(int timeoutMs = 15000);
    // Ends the run (SIGTERM, or SIGKILL for kill) and collects what it wrote.
    void stop();
    void kill();

    QString output();
    QString log();
    int logCount(const QString &text);
    int exitCode() const { return m_process->exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process->exitStatus(); }
    qint64 pid() const { return m_process->processId(); }
    bool isRunning() const { return m_process->state() != QProcess::NotRunning; }

private:
    bool waitFor(const QString &text, const QString &(AppRun::*collected)() const, int timeoutMs);
    const QString &collectedOutput() const { return m_output; }
    const QString &collectedLog() const { return m_log; }
    void collect();

    std::unique_ptr<QProcess> m_process;
    QString m_output;
    QString m_log;
};

#endif
