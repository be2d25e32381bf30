#ifndef TESTSUPPORT_LOGCAPTURE_H
#define TESTSUPPORT_LOGCAPTURE_H

#include <QString>
#include <QtGlobal>

#include <functional>

// Records every Qt log message (from any thread) while it exists; the
// messages still reach the handler installed before. One at a time.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    int count(const QString &text) const; // messages equal to text
    int countContaining(const QString &part) const;
    void clear();
};

// Runs fn with the standard stream fd (1 or 2) sent to a file; returns what
// C and C++ writers alike wrote there.
QByteArray captureStream(int fd, const std::function<void()> &fn);

#endif
