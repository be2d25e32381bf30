#ifndef TESTS_USAGE_USAGERECORD_H
#define TESTS_USAGE_USAGERECORD_H

#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

inline QString stubDir(const char *variant)
{
    return QString(DATACOLLECT_STUB_DIR "/datacollect-%1").arg(variant);
}

// The file the stub library writes its calls to.
class UsageRecord
{
public:
    UsageRecord() { qputenv("TARVIX_USAGE_RECORD", QFile::encodeName(m_dir.filePath("calls"))); }

    // Everything recorded since the last call.
    QByteArray take()
    {
        QFile file(m_dir.filePath("calls"));
        const QByteArray calls = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.remove();
        return calls;
    }

private:
    QTemporaryDir m_dir;
};

// What run() writes on standard error.
template<typename Run> QByteArray capturedStderr(Run run)
{
    QTemporaryFile file;
    file.open();
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    run();
    dup2(saved, STDERR_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

#endif // TESTS_USAGE_USAGERECORD_H
