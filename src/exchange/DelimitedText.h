#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The text rules of comma-separated files, free of items and files so that
// they can be tested and fuzzed on their own.
namespace DelimitedText {

// A quoted field may span lines, but a stray quote must not swallow the
// rest of a file: past these limits the record ends with its first line.
inline constexpr int kMaxRecordLines = 256;
inline constexpr qsizetype kMaxRecordChars = qsizetype(1) << 20;

// Decodes a whole file into physical lines: UTF-16 with a byte order mark
// (either byte order), else UTF-8 with or without its mark, falling back
// to Windows-1252 for a line that is not valid UTF-8. LF ends a line and a
// CR before it is dropped; a bare CR stays in the text.
QList<QString> DecodeLines(QByteArrayView bytes);

// Splits one record into values. Commas separate; a double quote starts or
// ends a stretch in which commas do not separate, a doubled quote inside a
// stretch stands for one quote, and the quotes themselves are removed. An
// empty record has no values.
QStringList SplitLine(QStringView record);

// True when the text leaves a quoted stretch open, given whether it began
// inside one.
bool EndsInsideQuotes(QStringView text, bool startsInside = false);

// Joins physical lines into records: a line that leaves a quoted stretch
// open continues on the next line, joined by LF, within the limits above.
QList<QString> JoinRecords(const QList<QString>& lines);

// A field name of the header line: enclosed in double quotes, inner quotes
// doubled, when it holds a blank, a comma or a double quote.
QString HeaderName(const QString& name);
// The header line: the names joined by commas, without a line end.
QString HeaderLine(const QStringList& names);

} // namespace DelimitedText
