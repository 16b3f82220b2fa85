#pragma once

#include <QString>

#include <ostream>

// Lets failing expectations show QStrings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
