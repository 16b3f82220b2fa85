#pragma once

#include <QTimer>

// Counts whole seconds down from a start value; a wait asks TimedOut()
// after each round of its pump.
class TTimeCounter
{
public:
    TTimeCounter();

    void Start(int seconds);
    void Stop();
    bool TimedOut() const { return m_timedOut; }

private:
    void Tick();

    QTimer m_timer;
    int m_count = 0;
    bool m_timedOut = false;
};
