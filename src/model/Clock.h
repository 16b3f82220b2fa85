#pragma once

#include <QDate>
#include <QDateTime>

// The one place the model reads "now": due dates, item ids and the call
// history depend on it, and tests must be able to set it.
class Clock
{
public:
    static QDateTime Now();
    // The local date. Asked for by every reminder a load creates, so it is
    // read from the system at most once a second: each reading of the local
    // time consults the time-zone file.
    static QDate Today();

    // Fixes the time returned by Now(); an invalid value returns to the system clock.
    static void SetFixed(const QDateTime& when);

    // Days since 30 December 1899 with the time of day as a fraction.
    static double ToDateTimeValue(const QDateTime& when);
};
