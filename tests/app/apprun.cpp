#include "apprun.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

// The application must not outlive a test that crashes or times out.
class ChildProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }
};

} // namespace

AppRun::AppRun(const QString &program, const QProcessEnvironment &environment)
    : m_process(new ChildProcess)
{
    m_process->setProgram(program);
    m_process->setProcessEnvironment(environment);
}

AppRun::~AppRun()
{
    if (isRunning())
        kill();
}

bool AppRun::start(const QStringList &arguments)
{
    m_process->setArguments(arguments);
    m_process->start(QIODevice::ReadOnly);
    return m_process->waitForStarted(15000);
}

void AppRun::collect()
{
    m_output += QString::fromUtf8(m_process->readAllStandardOutput());
    m_log += QString::fromUtf8(m_process->readAllStandardError());
}

bool AppRun::waitFor(const QString &text, const QString &(AppRun::*collected)() const, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        collect();
        if ((this->*collected)().contains(text))
            return true;
        if (deadline.hasExpired() || !isRunning())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        m_process->waitForReadyRead(10);
    }
}

bool AppRun::waitForOutput(const QString &text, int timeoutMs)
{
    return waitFor(text, &AppRun::collectedOutput, timeoutMs);
}

bool AppRun::waitForLog(const QString &text, int timeoutMs)
{
    return waitFor(text, &AppRun::collectedLog, timeoutMs);
}

bool AppRun::waitForExit(int timeoutMs)
{
    const bool finished = m_process->waitForFinished(timeoutMs);
    collect();
    return finished;
}

void AppRun::stop()
{
    m_process->terminate();
    if (!m_process->waitForFinished(5000))
        m_process->kill();
    waitForExit(5000);
}

void AppRun::kill()
{
    m_process->kill();
    waitForExit(5000);
}

QString AppRun::output()
{
    collect();
    return m_output;
}

QString AppRun::log()
{
    collect();
    return m_log;
}

int AppRun::logCount(const QString &text)
{
    return log().count(text);
}
