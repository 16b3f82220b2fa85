#pragma once

#include <QApplication>
#include <QDeadlineTimer>

// Runs the event loop until the condition holds or the time is up.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 5000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}
