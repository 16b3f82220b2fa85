#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TTreeNode;

// Reads delimited text into new items below a target node.
namespace CsvImport {

enum class Separator { Comma, Tab };

// Creates one item of the class per record (a header line is a record like
// any other): named "New", it reads the record's values through
// ImportFields, the value of a field being the one at the field's position
// in fields, and is removed again when it rejects them. Empty records make
// nothing. With Tab, every tab becomes a comma first, so commas in the text
// separate too. Sorting waits for the end. Returns the number of items taken.
int ImportLines(TTreeNode* target, const QList<QString>& lines, int classCode, const QStringList& fields,
                Separator separator);

// ImportLines on a file. A missing file does nothing and gives -1; one
// that cannot be read throws EReadError before anything is added.
int ImportCSV(TTreeNode* target, const QString& path, int classCode, const QStringList& fields, Separator separator);

} // namespace CsvImport
