#include "exchange/HtmlColors.h"

#include <array>

namespace HtmlColors {
namespace {

struct NamedColor
{
    const char16_t* name;
    Rgb rgb;
};

constexpr std::array<NamedColor, 15> kColors{{
    {u"Aqua", {0, 255, 255}},
    {u"Black", {0, 0, 0}},
    {u"Fuchsia", {255, 0, 255}},
    {u"Gray", {128, 128, 128}},
    {u"Green", {0, 128, 0}},
    {u"Lime", {0, 255, 0}},
    {u"Maroon", {128, 0, 0}},
    {u"Navy", {0, 0, 128}},
    {u"Olive", {128, 128, 0}},
    {u"Purple", {128, 0, 128}},
    {u"Red", {255, 0, 0}},
    {u"Silver", {192, 192, 192}},
    {u"Teal", {0, 128, 128}},
    {u"White", {255, 255, 255}},
    {u"Yellow", {255, 255, 0}},
}};

} // namespace

const QStringList& Names()
{
    static const QStringList names = [] {
        QStringList list;
        for (const NamedColor& c : kColors)
            list.append(QString::fromUtf16(c.name));
        return list;
    }();
    return names;
}

QString Canonical(const QString& name)
{
    for (const QString& listed : Names()) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return listed;
    }
    return QString();
}

Rgb ColorOf(const QString& name)
{
    const int at = Names().indexOf(Canonical(name));
    return at >= 0 ? kColors[static_cast<size_t>(at)].rgb : Rgb{};
}

} // namespace HtmlColors
