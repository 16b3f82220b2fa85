#pragma once

#include <QFont>
#include <QString>

// Reports are laid out in hundredths of an inch; the painter maps them to
// the resolution of whatever device the pages go to.
namespace ReportUnits {

inline constexpr int kPerInch = 100;

// Converts a length in layout units to device pixels at the given dots per inch.
inline double ToDevice(double units, double dpi)
{
    return units * dpi / kPerInch;
}

// The line spacing and text width of a font, in layout units.
double LineHeight(const QFont& font);
double TextWidth(const QFont& font, const QString& text);

} // namespace ReportUnits
