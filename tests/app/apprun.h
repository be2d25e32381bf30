#ifndef TESTS_APP_APPRUN_H
#define TESTS_APP_APPRUN_H

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

// One run of a program under test, which dies with the test; its output and
// log (standard error) are collected while a test waits for text.
class AppRun : public QProcess
{
public:
    ~AppRun() override { kill(), waitForFinished(5000); }
    bool waitForOutput(const QString &text, int ms = 15000) { return waitFor(text, m_output, ms); }
    bool waitForLog(const QString &text, int ms = 15000) { return waitFor(text, m_log, ms); }
    bool waitForExit()
    {
        const bool finished = waitForFinished(15000);
        collect();
        return finished;
    }
    void stop() // SIGTERM, then collect what it wrote
    {
        terminate();
        if (!waitForFinished(5000))
            kill();
        waitForExit();
    }
    QString output() { return collect(), m_output; }
    QString log() { return collect(), m_log; }

protected:
    void setupChildProcess() override { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }

private:
    void collect()
    {
        m_output += QString::fromUtf8(readAllStandardOutput());
        m_log += QString::fromUtf8(readAllStandardError());
    }
    bool waitFor(const QString &text, const QString &collected, int ms)
    {
        const QDeadlineTimer deadline(ms);
        for (collect(); !collected.contains(text); collect()) {
            if (deadline.hasExpired() || state() == NotRunning)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            waitForReadyRead(10);
        }
        return true;
    }
    QString m_output;
    QString m_log;
};

#endif
