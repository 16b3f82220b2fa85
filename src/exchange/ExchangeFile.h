#pragma once

#include "exchange/SubtreeWalk.h"

#include <QString>
#include <QStringList>

class TItemTree;
class TTreeNode;

// Exchange files (".zvd") carry subtrees between installations in the
// record format of the database, without its "{Params}" line.
namespace ExchangeFile {

inline constexpr const char16_t* kWrongExtensionCaption = u"Check Filename";
inline constexpr const char16_t* kWrongExtensionMessage =
    u"The exported filename needs to have an extension of \".zvd\"";

// The text from the last "." to the end, unless a ":", "\" or "/" follows
// that "." (then the dot belongs to a directory name); empty otherwise.
QString FileExtension(const QString& path);

// True when the path names an exchange file: its extension is ".zvd" in any letter case.
bool IsExchangeFile(const QString& path);

// The records of the start item and its subtree, levels counted from 1.
// Tree items are written with an empty category set, their Contents with
// their own; the items themselves keep theirs. Items the filter hides are
// left out with their Contents; a remote folder gives its own record only.
QString ExchangeText(const TTreeNode& start, const ItemFilter& passesFilter = {});

// Writes ExchangeText to the path, creating or replacing the file. A
// failure throws EZendrivoError and leaves an existing file whole.
void ExportSubtree(const TTreeNode& start, const QString& path, const ItemFilter& passesFilter = {});

// Reads an exchange file below the root of the tree, whatever is selected,
// and sorts the root's children afterwards. Every record becomes a new
// item. Paths that are neither ".zvd" files nor "clipdata.dat" change
// nothing and give -1; an unreadable file throws EReadError before anything
// is added, and so does a file nesting folders deeper than the tree may.
// Damaged records, and records that would land inside a remote folder,
// are left out and counted in warnings. Returns the number
// of items read.
int ImportExchangeFile(TItemTree& tree, const QString& path, QStringList* warnings = nullptr);

} // namespace ExchangeFile
