#ifndef TESTSUPPORT_LOGCAPTURE_H
#define TESTSUPPORT_LOGCAPTURE_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Records every Qt log message (from any thread) while it exists; the
// messages still reach the handler that was installed before. One at a time.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList messages() const;
    // Messages equal to text.
    int count(const QString &text) const;
    // Messages that contain part.
    int countContaining(const QString &part) const;
    void clear();

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous = nullptr;
};

#endif
