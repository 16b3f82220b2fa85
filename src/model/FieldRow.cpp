#include "model/FieldRow.h"

namespace FieldRow {

std::optional<QString> Value(const QStringList& fieldNames, const QStringList& row, QStringView name)
{
    const qsizetype at = fieldNames.indexOf(name);
    if (at < 0 || at >= row.size())
        return std::nullopt;
    return row[at];
}

bool Set(const QStringList& fieldNames, QStringList& row, QStringView name, const QString& value)
{
    const qsizetype at = fieldNames.indexOf(name);
    if (at < 0 || at >= row.size())
        return false;
    row[at] = value;
    return true;
}

QString Cell(const QString& value)
{
    QString escaped = value;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u"\",";
}

} // namespace FieldRow
