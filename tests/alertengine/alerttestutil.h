#ifndef TESTS_ALERTENGINE_ALERTTESTUTIL_H
#define TESTS_ALERTENGINE_ALERTTESTUTIL_H

// Small helpers shared by the engine tests: files in a temporary directory
// and the capture of what a call writes to a standard stream.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <iostream>
#include <unistd.h>

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    // The loader refuses files others may write, whatever the umask.
    file.setPermissions(
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return path;
}

inline QString dataFile(const char *name)
{
    return QStringLiteral(TARVIX_TEST_DATA_DIR "/alerts/") + QLatin1String(name);
}

// Runs fn with the given standard stream (1 or 2) redirected to a file and
// returns what was written, C and C++ streams alike.
inline QByteArray captureStream(int fd, const std::function<void()> &fn)
{
    fflush(fd == 1 ? stdout : stderr);
    std::cout.flush();
    std::cerr.flush();
    FILE *sink = tmpfile();
    int saved = dup(fd);
    dup2(fileno(sink), fd);
    fn();
    fflush(fd == 1 ? stdout : stderr);
    std::cout.flush();
    std::cerr.flush();
    dup2(saved, fd);
    close(saved);
    QByteArray text;
    rewind(sink);
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof(buffer), sink)) > 0)
        text.append(buffer, int(count));
    fclose(sink);
    return text;
}

#endif
