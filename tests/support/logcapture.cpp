#include "support/logcapture.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex g_mutex;
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

} // namespace

LogCapture::LogCapture()
{
    QMutexLocker lock(&g_mutex);
    g_messages.clear();
    m_previous = qInstallMessageHandler(&LogCapture::record);
    g_previous = m_previous;
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    QMutexLocker lock(&g_mutex);
    g_previous = nullptr;
    g_messages.clear();
}

void LogCapture::record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QtMessageHandler previous;
    {
        QMutexLocker lock(&g_mutex);
        g_messages.append(message);
        previous = g_previous;
    }
    if (previous) {
        previous(type, context, message);
    }
}

QStringList LogCapture::messages() const
{
    QMutexLocker lock(&g_mutex);
    return g_messages;
}

int LogCapture::count(const QString &text) const
{
    QMutexLocker lock(&g_mutex);
    return int(g_messages.count(text));
}

int LogCapture::countContaining(const QString &part) const
{
    QMutexLocker lock(&g_mutex);
    int found = 0;
    for (const QString &message : qAsConst(g_messages)) {
        found += message.contains(part) ? 1 : 0;
    }
    return found;
}

void LogCapture::clear()
{
    QMutexLocker lock(&g_mutex);
    g_messages.clear();
}
