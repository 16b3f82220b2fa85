#pragma once

#include <QDate>

// The first occurrence on or after `today` of a date that recurs by the rule
// `recurMode` (see TRecurringDate), counted from the date itself so that a
// 31st or a 29 February is kept wherever the month has it. A date that does
// not recur, or is not in the past, is answered as it is.
QDate NextOccurrence(const QDate& date, int recurMode, const QDate& today);
