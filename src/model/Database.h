#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TItemTree;
class TTreeNode;

inline constexpr const char16_t* kDatabaseFile = u"zivo.dat";
inline constexpr const char16_t* kJournalFile = u"zivo.dat.txn";
inline constexpr const char16_t* kClipboardFile = u"clipdata.dat";
inline constexpr const char16_t* kBackupFolder = u"backups";
// Daily copies of the database kept in the backup folder.
inline constexpr int kBackupDays = 7;
// Shown before ESaveError when the journal or the database cannot be written.
inline constexpr const char16_t* kSaveFailedMessage =
    u"An error occurred while writing data to the disk.  Data input since last save will be lost.";

// How a load went. Only a missing file means an empty tree; a file that is
// there but cannot be read to its end, or holds text but no records, is a
// failure, and the tree remembers it (TItemTree::LoadFailed) so that no save
// can write over the file.
struct TLoadResult
{
    enum class Status
    {
        Missing, // no database yet: the root alone, saving is fine
        Loaded,  // read to the end
        Failed,  // not read: message says why, saving is refused
    };
    Status status = Status::Missing;
    QString message; // one line for the user when Failed
    int items = 0;   // items read below the root
    int damaged = 0; // records skipped as damaged

    bool Failed() const { return status == Status::Failed; }
};

// Fills the tree below the root from "zivo.dat" in the directory (the
// current directory when empty). The file must be a regular file of at most
// 256 MB, in UTF-8, Windows-1252 or UTF-16 with a byte order mark, with
// CR LF, LF or CR line ends. On Failed nothing is added below the root.
TLoadResult LoadDatabase(TTreeNode* root, const QString& directory = QString());

// The same for any file in the database's format (a rescue or autosave copy).
TLoadResult LoadDatabaseFile(TTreeNode* root, const QString& path);

// Writes the whole tree to "zivo.dat.txn" with its closing checksum line,
// flushes it to disk and then replaces "zivo.dat" atomically with the
// database bytes. The first save of a day first keeps the previous
// "zivo.dat" in "backups/" (the last kBackupDays days are kept). A journal
// that holds the only complete copy of a database other than "zivo.dat" is
// first moved aside to "zivo.dat.txn.<date and time>". Any failure throws
// ESaveError whose Detail says what happened ("No space left on device") and
// leaves "zivo.dat" as it was. A tree whose load failed is never saved.
void SaveDatabase(const TItemTree& tree, const QString& directory = QString());

// The text SaveDatabase writes: "{Params}" and the records of the tree,
// remote folders without what they hold.
QString DatabaseText(const TItemTree& tree);
// The same as the bytes of the file (UTF-8), written without the text first.
QByteArray DatabaseBytes(const TItemTree& tree);

// A complete journal that holds a better copy than "zivo.dat": with
// "zivo.dat" missing, unreadable or cut short. The command line uses it at
// once; the desktop offers it.
struct TJournalRecovery
{
    bool available = false;
    QString reason;    // why "zivo.dat" is not the copy to use, one line
    QDateTime written; // when the journal was written
};
// Looks at the journal and "zivo.dat" in the directory; load is the result
// of LoadDatabase for the same directory.
TJournalRecovery JournalToRestore(const TLoadResult& load, const QString& directory = QString());

// Replaces everything below the root with the journal's records. The tree's
// load failure is cleared on success, so the next save writes "zivo.dat".
// Returns Failed (and leaves the tree alone) when the journal is incomplete.
TLoadResult RestoreJournal(TItemTree& tree, const QString& directory = QString());

// Reads a file of records below the target, but only when the path ends in
// ".zvd" (any case) or is exactly "clipdata.dat"; other paths change nothing
// and give -1. Throws EReadError when the file cannot be read. Returns the
// number of items read.
int ImportExchangeFile(TTreeNode* target, const QString& path);

// "Revert to Saved": every item below the root goes, and the database is read again.
TLoadResult RevertToSaved(TItemTree& tree, const QString& directory = QString());
