#ifndef TESTS_ALERTENGINE_ALERTTESTUTIL_H
#define TESTS_ALERTENGINE_ALERTTESTUTIL_H

// Shared by the engine tests: the data files and what a call writes to a
// standard stream.

#include "support/alertlog.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <iostream>
#include <unistd.h>

inline QString dataFile(const char *name)
{
    return QStringLiteral(TARVIX_TEST_DATA_DIR "/alerts/") + QLatin1String(name);
}

// Runs fn with the standard stream fd (1 or 2) sent to a file; returns what
// C and C++ writers alike wrote there.
template<typename Fn> QByteArray captureStream(int fd, Fn fn)
{
    const auto flush = [] {
        fflush(nullptr);
        std::cout.flush();
        std::cerr.flush();
    };
    QTemporaryFile sink;
    sink.open();
    flush();
    const int saved = dup(fd);
    dup2(sink.handle(), fd);
    fn();
    flush();
    dup2(saved, fd);
    close(saved);
    sink.seek(0);
    return sink.readAll();
}

#endif
