#include "reports/ReportUnits.h"

#include <QFontMetricsF>
#include <QImage>

namespace ReportUnits {

namespace {

// A device of exactly one pixel per layout unit, so that font metrics come
// out in layout units.
const QImage& UnitDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = qRound(kPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

double LineHeight(const QFont& font)
{
    return QFontMetricsF(font, &UnitDevice()).lineSpacing();
}

double TextWidth(const QFont& font, const QString& text)
{
    return QFontMetricsF(font, &UnitDevice()).horizontalAdvance(text);
}

} // namespace ReportUnits
