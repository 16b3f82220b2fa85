#pragma once

#include <QDateTime>
#include <QString>

// Reads an HTTP date in any of its three forms ("Sun, 06 Nov 1994 08:49:37
// GMT", "Sunday, 06-Nov-94 08:49:37 GMT", "Sun Nov  6 08:49:37 1994") as a
// UTC date and time; an invalid QDateTime when the text is none of them.
QDateTime ParseHttpDate(const QString& text);
