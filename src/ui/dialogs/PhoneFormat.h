#pragma once

#include <QList>
#include <QString>

// The number formats offered by the phone and fax fields. Each names an edit
// mask in the classic form "pattern;0;_": in the pattern "0" is a required
// digit, "9" an optional one, "\" makes the next character a literal, "!"
// trims leading blanks and everything else is a literal; the second part says
// whether literals belong to the plain text, the third is the blank character.
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

// The Qt input mask for an edit mask; empty for none.
QString ToInputMask(const QString& editMask);

// Whether position n of the displayed text (one character a mask position)
// holds a literal of the mask.
QList<bool> LiteralPositions(const QString& editMask);

// What the user typed: the displayed text without the literals and the blank
// positions. Without a mask, the text trimmed.
QString PlainText(const QString& editMask, const QString& displayed);

// The value stored for the displayed text: literals kept, blank positions
// dropped. A number is filled only when its plain text is not empty.
QString StoredText(const QString& editMask, const QString& displayed);

} // namespace PhoneFormats
