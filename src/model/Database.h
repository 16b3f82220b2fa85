#pragma once

#include <QString>

class TItemTree;
class TTreeNode;

inline constexpr const char16_t* kDatabaseFile = u"zivo.dat";
inline constexpr const char16_t* kJournalFile = u"zivo.dat.txn";
inline constexpr const char16_t* kClipboardFile = u"clipdata.dat";
// Shown before ESaveError when the journal or the database cannot be written.
inline constexpr const char16_t* kSaveFailedMessage =
    u"An error occurred while writing data to the disk.  Data input since last save will be lost.";

// Fills the tree below the root from "zivo.dat" in the directory (the
// current directory when empty). A missing or unreadable file leaves the
// root alone, without a message.
void LoadDatabase(TTreeNode* root, const QString& directory = QString());

// Writes the whole tree to "zivo.dat.txn", flushes it to disk and then
// replaces "zivo.dat" atomically with the same bytes. Any failure throws
// ESaveError and leaves "zivo.dat" as it was; the journal stays beside it.
void SaveDatabase(const TItemTree& tree, const QString& directory = QString());

// The text SaveDatabase writes: "{Params}" and the records of the tree,
// remote folders without what they hold.
QString DatabaseText(const TItemTree& tree);

// Reads a file of records below the target, but only when the path ends in
// ".zvd" (any case) or is exactly "clipdata.dat"; other paths change nothing
// and give -1. Throws EReadError when the file cannot be read. Returns the
// number of items read.
int ImportExchangeFile(TTreeNode* target, const QString& path);

// "Revert to Saved": every item below the root goes, and the database is read again.
void RevertToSaved(TItemTree& tree, const QString& directory = QString());
