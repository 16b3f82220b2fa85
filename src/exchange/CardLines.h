#pragma once

#include <QString>
#include <QStringList>

// The text of one card as logical lines, for keeping what this program does
// not understand exactly as the server sent it.
namespace CardLines {

// The logical lines of the card text: line ends removed, folded lines
// (continued by a blank or a tab) joined, empty lines dropped.
QStringList Unfold(const QString& text);

// The property name of a logical line in upper case, without its group
// ("item1.TEL;TYPE=CELL:..." gives "TEL").
QString NameOf(const QString& line);

// Folds a logical line at 75 octets of UTF-8 as the standard asks, never
// inside a character, and ends every physical line with CR LF.
QString Fold(const QString& line);

// A text value with "\", ",", ";" and line breaks escaped.
QString Escape(const QString& value);
// The same, appended to a line being built.
void AppendEscaped(QString& line, QStringView value);

} // namespace CardLines
