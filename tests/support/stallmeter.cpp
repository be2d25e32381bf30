#include "support/stallmeter.h"

StallMeter::StallMeter(std::function<void(int)> onTick)
    : m_onTick(std::move(onTick))
{
    m_ticker.setInterval(10);
    connect(&m_ticker, &QTimer::timeout, this, [this] {
        m_longest = qMax(m_longest, m_clock.elapsed() - m_last);
        m_last = m_clock.elapsed();
        ++m_ticks;
        if (m_onTick)
            m_onTick(m_ticks);
    });
}

void StallMeter::start()
{
    m_clock.start();
    m_last = 0;
    m_longest = 0;
    m_ticks = 0;
    m_ticker.start();
}

qint64 StallMeter::limit()
{
#if defined(__SANITIZE_ADDRESS__)
    return 300;
#else
    return 100;
#endif
}
