#include "model/Clock.h"

namespace {
QDateTime& FixedTime()
{
    static QDateTime fixed;
    return fixed;
}
} // namespace

QDateTime Clock::Now()
{
    return FixedTime().isValid() ? FixedTime() : QDateTime::currentDateTime();
}

QDate Clock::Today()
{
    if (FixedTime().isValid())
        return FixedTime().date();
    static qint64 readAt = 0;
    static QDate today;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (!today.isValid() || now - readAt >= 1000 || now < readAt) {
        today = QDateTime::currentDateTime().date();
        readAt = now;
    }
    return today;
}

void Clock::SetFixed(const QDateTime& when)
{
    FixedTime() = when;
}

double Clock::ToDateTimeValue(const QDateTime& when)
{
    static const QDate epoch(1899, 12, 30);
    const double days = static_cast<double>(epoch.daysTo(when.date()));
    const double msecs = static_cast<double>(when.time().msecsSinceStartOfDay());
    return days + msecs / 86400000.0;
}
