#pragma once

#include <QString>
#include <QStringList>

struct RecordType;

// The --type and --fields arguments of the delimited-text commands.
namespace RecordTypeArguments {

// The record type named by --type ("Person", "Phone Numbers", ...);
// throws CliError listing the names when there is none.
const RecordType& Type(const QString& name);

// The comma-separated field names of --fields, each one the type offers,
// in the given order; all of the type's fields when the text is empty.
// Throws CliError for an unknown or repeated name.
QStringList Fields(const QString& text, const RecordType& type);

} // namespace RecordTypeArguments
