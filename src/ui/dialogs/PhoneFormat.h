#pragma once

#include <QList>
#include <QString>

// The number formats offered by the phone and fax fields. Each names an edit
// mask in the classic form "pattern;0;_": in the pattern "0" is a required
// digit, "9" an optional one, "\" makes the next character a literal, "!"
// trims leading blanks and everything else is a literal; the second part says
// whether literals belong to the plain text, the third is the blank character.
// The field itself takes any text; the format is applied when it is left.
struct PhoneFormat
{
    QString name;
    QString editMask; // empty for "Free Format"
};

namespace PhoneFormats {

// "Free Format", "USA", "Denmark", ... in the order of the phone dialogs.
const QList<PhoneFormat>& Phone();
// The fax dialogs list "USA" first and then "Free Format".
const QList<PhoneFormat>& Fax();

// The format as the user sees it, "_" for each digit: "(___)___-____".
QString Pattern(const QString& editMask);

// The number to store for what the user typed. A number that fits the format
// (by its digits, or written in it already) takes the format's literals; one
// that begins with "+", holds other characters or has too few or too many
// digits keeps every character as typed. Without a format, the text trimmed.
QString Format(const QString& editMask, const QString& typed);

// A number counts as given when it holds a digit or a letter.
bool IsFilled(const QString& typed);

} // namespace PhoneFormats
