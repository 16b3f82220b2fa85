#pragma once

#include "exchange/DelimitedRecordReader.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TTreeNode;

// Reads delimited text into new items below a target node.
namespace CsvImport {

using Separator = DelimitedRecordReader::Separator;

// Creates one item of the class per record (a header line is a record like
// any other, unless it is exactly skipHeader): named "New", it reads the
// record's values through ImportFields, the value of a field being the one
// at the field's position in fields, and is removed again when it rejects
// them. Empty records make nothing. Records are read one at a time as the
// items are made (see DelimitedRecordReader); sorting waits for the end.
// Returns the number of items taken.
int ImportText(TTreeNode* target, QByteArrayView bytes, int classCode, const QStringList& fields,
               Separator separator, const QString& skipHeader = QString());

// ImportText on a file. A missing file does nothing and gives -1; one that
// cannot be read, or is larger than FileAccess::kMaxImportBytes, throws
// EReadError before anything is added.
int ImportCSV(TTreeNode* target, const QString& path, int classCode, const QStringList& fields, Separator separator,
              const QString& skipHeader = QString());

} // namespace CsvImport
