#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One row of delimited text as the items read it: the value of a field is
// the value at the field's position among the chosen field names. A field
// that is not chosen, or whose position lies beyond the row, is missing.
namespace FieldRow {

std::optional<QString> Value(const QStringList& fieldNames, const QStringList& row, QStringView name);
// Replaces the value of a present field; false when the field is missing.
bool Set(const QStringList& fieldNames, QStringList& row, QStringView name, const QString& value);
// One cell of an exported row: the value in double quotes (inner quotes
// doubled, so that commas and quotes survive the trip) and a comma.
QString Cell(const QString& value);

} // namespace FieldRow
