#include "comm/TTimeCounter.h"

TTimeCounter::TTimeCounter()
{
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
}

void TTimeCounter::Start(int seconds)
{
    m_count = seconds;
    m_timedOut = false;
    m_timer.start();
}

void TTimeCounter::Stop()
{
    m_timer.stop();
}

void TTimeCounter::Tick()
{
    if (--m_count <= 0) {
        m_timedOut = true;
        m_timer.stop();
    }
}
