#pragma once

#include <QString>
#include <QStringList>

// The colour names published pages may carry for text and links, with the
// colour each stands for in the wizard's preview.
namespace HtmlColors {

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

// "Aqua", "Black", ... "Yellow": the fifteen names in list order.
const QStringList& Names();
// The name as listed when it is one of them (case ignored), else empty.
QString Canonical(const QString& name);
// The colour of a listed name; black for any other.
Rgb ColorOf(const QString& name);

} // namespace HtmlColors
