#pragma once

#include "exchange/SubtreeWalk.h"

#include <QString>
#include <QStringList>

class TTreeNode;
class TZVBObject;

// What a delimited export writes: rows of one item class with the chosen
// fields in order, and whether the field names come first.
struct DelimitedLayout
{
    int classCode = 0;
    QStringList fields;
    bool fieldNamesFirst = true;
};

namespace DelimitedExport {

// One row: the item's cell for each field, an empty column for a field it
// cannot answer, without the final comma or a line end. A single field
// without a value gives an empty row, which is not written.
QString Row(const TZVBObject& item, const QStringList& fields);

// The header line (when asked for) and a row for every item of the chosen
// class in the subtree: a tree item of that class gives its own row, any
// other has its Contents searched, recursively. Items the filter hides are
// passed over (but not their descendants); entries found in Contents are
// not tested against it. Lines end in CR LF.
QString Text(const TTreeNode& start, const DelimitedLayout& layout, const ItemFilter& passesFilter = {});

// Writes Text to the path, creating or replacing the file. A failure
// throws EZendrivoError and leaves an existing file whole.
void ExportSubtree(const TTreeNode& start, const QString& path, const DelimitedLayout& layout,
                   const ItemFilter& passesFilter = {});

} // namespace DelimitedExport
