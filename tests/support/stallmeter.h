#ifndef TESTSUPPORT_STALLMETER_H
#define TESTSUPPORT_STALLMETER_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// How long the GUI thread stays away from its event loop: the longest gap
// between the ticks of a 10 ms timer while the meter runs. A tick may also do
// the test's own work (switch a tab, repaint), which then counts as well.
class StallMeter : public QObject
{
public:
    explicit StallMeter(std::function<void(int tick)> onTick = {});

    void start();
    void stop() { m_ticker.stop(); }
    qint64 longest() const { return m_longest; }
    int ticks() const { return m_ticks; }
    // Within what a window must answer: 100 ms. The sanitizers make every
    // step several times slower, so their builds allow more.
    bool withinLimit() const { return m_longest < limit(); }
    QString verdict() const { return QString("blocked for %1 ms").arg(m_longest); }
    static qint64 limit();

private:
    std::function<void(int)> m_onTick;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    int m_ticks = 0;
};

#endif
