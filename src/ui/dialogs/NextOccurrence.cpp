#include "ui/dialogs/NextOccurrence.h"

#include "model/RecurringDate.h"

namespace {
// Occurrences by whole steps from the start: months or years.
template <typename Step>
QDate FirstStepOnOrAfter(const QDate& date, const QDate& today, int estimate, Step step)
{
    // The estimate may be one step short or long at month ends; walk from there.
    int n = std::max(0, estimate - 1);
    QDate next = step(date, n);
    while (next.isValid() && next < today)
        next = step(date, ++n);
    return next.isValid() ? next : date;
}
} // namespace

QDate NextOccurrence(const QDate& date, int recurMode, const QDate& today)
{
    if (!date.isValid() || !today.isValid() || date >= today)
        return date;
    switch (recurMode) {
    case 1:
        return FirstStepOnOrAfter(date, today, (today.year() - date.year()) * 12 + today.month() - date.month(),
                                  [](const QDate& d, int n) { return d.addMonths(n); });
    case 2:
        return FirstStepOnOrAfter(date, today, today.year() - date.year(),
                                  [](const QDate& d, int n) { return d.addYears(n); });
    case 3:
    case 4: {
        const qint64 period = recurMode == 3 ? 7 : 14;
        const qint64 steps = (date.daysTo(today) + period - 1) / period;
        return date.addDays(steps * period);
    }
    case 5: {
        // The n-th weekday of a month: walk month by month from the month before today's.
        TRecurringDate recurrence;
        recurrence.SetDate(date);
        recurrence.SetRecurMode(5);
        for (int guard = 0; recurrence.AsDate() < today && guard < 12 * 10000; ++guard) {
            const QDate before = recurrence.AsDate();
            recurrence.Advance();
            if (recurrence.AsDate() <= before)
                break; // the last representable date
        }
        return recurrence.AsDate();
    }
    default:
        return date;
    }
}
