#ifndef DAEMON_GLOBALDATA_H
#define DAEMON_GLOBALDATA_H

#include <QObject>
#include <QString>

// The usage events the application reports: how it was started and which
// tab or window the user opened.
class GlobalData : public QObject
{
    Q_OBJECT
public:
    static GlobalData *instance();

    void recordStartByNotify();
    void recordStartByDesktop();
    void recordLogTab();
    void recordReportTab();
    void recordConfigOpen();

    // Where the data-collection library is loaded from; the Qt library
    // directory unless changed (tests point it at their own build).
    QString usageLibraryDir() const { return m_usageLibraryDir; }
    void setUsageLibraryDir(const QString &dir) { m_usageLibraryDir = dir; }

private:
    explicit GlobalData(QObject *parent = nullptr);

    void record(int page, int event, const QString &key, const QString &value);

    QString m_usageLibraryDir;
};

#endif // DAEMON_GLOBALDATA_H
