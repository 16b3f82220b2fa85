#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The word splitting the older import formats were written for: words end at
// blanks (any control character counts as one) and commas, a word that
// begins with a double quote runs to the closing quote (a doubled quote
// inside stands for one), and two commas in a row give an empty word.
namespace WordSplit {

QStringList Split(QStringView text);

// The value of the first word "name=value" whose name equals the given one
// ignoring case; a null string when there is none.
QString ValueOf(const QStringList& words, QStringView name);

} // namespace WordSplit
