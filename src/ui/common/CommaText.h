#pragma once

#include <QString>
#include <QStringList>

// Comma text: fields separated by commas; a field in double quotes may hold
// commas, and "" inside it stands for one quote. Unquoted fields are trimmed.
namespace CommaText {

QStringList Split(const QString& line);
QString Join(const QStringList& fields);

} // namespace CommaText
