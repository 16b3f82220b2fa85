#include "ui/shell/IniEntry.h"

#include <QStringList>

namespace {

// Trims blanks and control characters from both ends.
QString TrimField(const QString& field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && field.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && field.at(end - 1).unicode() <= u' ')
        --end;
    return field.mid(begin, end - begin);
}

} // namespace

bool IniEntry::IsUsable() const
{
    return !component.isEmpty() && !property.isEmpty() && !section.isEmpty() && !key.isEmpty();
}

IniEntry IniEntry::Parse(const QString& line)
{
    const QStringList fields = line.split(u';');
    const auto field = [&fields](qsizetype i) { return i < fields.size() ? TrimField(fields.at(i)) : QString(); };
    IniEntry entry;
    entry.component = field(0);
    entry.property = field(1);
    entry.defaultValue = field(2);
    entry.section = field(3);
    entry.key = field(4);
    entry.loadOnly = field(6) == u"1";
    return entry;
}

QString IniEntry::ToText() const
{
    return QStringList{component, property, defaultValue, section, key, QStringLiteral("1"),
                       loadOnly ? QStringLiteral("1") : QStringLiteral("0")}
        .join(u';');
}
