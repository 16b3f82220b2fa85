#pragma once

#include <QString>
#include <QStringList>

namespace TitleWords {

// The words of a person's title: blanks and commas separate, double quotes
// group (a doubled quote inside them stands for one).
QStringList Split(const QString& title);

// The name parts a title suggests: with two or more words the first is the
// first name; with three or more the second and third are the middle and
// last names; with exactly two the second is the last name. Parts the title
// does not name keep their text.
void FillNameParts(const QString& title, QString& first, QString& middle, QString& last);

} // namespace TitleWords
