#include "support/logcapture.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <iostream>
#include <unistd.h>

namespace {

QMutex g_mutex;
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QtMessageHandler previous;
    {
        QMutexLocker lock(&g_mutex);
        g_messages.append(message);
        previous = g_previous;
    }
    if (previous)
        previous(type, context, message);
}

} // namespace

LogCapture::LogCapture()
{
    QMutexLocker lock(&g_mutex);
    g_messages.clear();
    g_previous = qInstallMessageHandler(&record);
}

LogCapture::~LogCapture()
{
    QMutexLocker lock(&g_mutex);
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
    g_messages.clear();
}

int LogCapture::count(const QString &text) const
{
    QMutexLocker lock(&g_mutex);
    return int(g_messages.count(text));
}

int LogCapture::countContaining(const QString &part) const
{
    QMutexLocker lock(&g_mutex);
    return int(std::count_if(
        g_messages.cbegin(), g_messages.cend(), [&](const QString &m) { return m.contains(part); }));
}

void LogCapture::clear()
{
    QMutexLocker lock(&g_mutex);
    g_messages.clear();
}

QByteArray captureStream(int fd, const std::function<void()> &fn)
{
    QTemporaryFile sink;
    sink.open();
    fflush(nullptr);
    std::cout.flush();
    const int saved = dup(fd);
    dup2(sink.handle(), fd);
    fn();
    fflush(nullptr);
    std::cout.flush();
    dup2(saved, fd);
    close(saved);
    sink.seek(0);
    return sink.readAll();
}
