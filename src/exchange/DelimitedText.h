#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The text rules of comma-separated files, free of items and files so that
// they can be tested and fuzzed on their own. DelimitedRecordReader turns a
// file's bytes into records.
namespace DelimitedText {

// Splits one record into values. Commas separate; a double quote starts or
// ends a stretch in which commas do not separate, a doubled quote inside a
// stretch stands for one quote, and the quotes themselves are removed. An
// empty record has no values.
QStringList SplitLine(QStringView record);

// True when the text leaves a quoted stretch open, given whether it began
// inside one.
bool EndsInsideQuotes(QStringView text, bool startsInside = false);

// A field name of the header line: enclosed in double quotes, inner quotes
// doubled, when it holds a blank, a comma or a double quote.
QString HeaderName(const QString& name);
// The header line: the names joined by commas, without a line end.
QString HeaderLine(const QStringList& names);

} // namespace DelimitedText
