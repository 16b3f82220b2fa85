#include "model/Database.h"

#include "model/DatabaseBackups.h"
#include "model/Exceptions.h"
#include "model/FileLines.h"
#include "model/ItemTree.h"
#include "model/Journal.h"
#include "model/JournalWriter.h"
#include "model/RecordIO.h"
#include "model/RegularFile.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/Writeback.h"
#include "model/ZVBObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <memory>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Room for the pieces a save writes at a time: a little more than the
// record writer gathers before handing them on.
constexpr qsizetype kPieceRoom = 1024 * 1024;

QString InDirectory(const QString& directory, const char16_t* name)
{
    const QString file = QString::fromUtf16(name);
    return directory.isEmpty() ? file : QDir(directory).filePath(file);
}

bool SyncDirectory(const QString& path)
{
    const QString dir = QFileInfo(path).absolutePath();
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Only a regular file is written over.
void CheckSaveTarget(const QString& path)
{
    try {
        RegularFile::CheckWriteTarget(path);
    } catch (const EZendrivoError& e) {
        throw ESaveError(e.Message());
    }
}

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The new database, written as the records are made, beside the journal.
// It replaces the database whole or not at all, and only once the journal
// is safely on disk. What goes wrong on the way is thrown at the end, so
// that the journal is still written whole: a database whose place is taken
// by something else, or a disk that refuses its bytes.
class NewDatabase
{
public:
    explicit NewDatabase(const QString& path) : m_path(path), m_file(path)
    {
        try {
            CheckSaveTarget(path);
        } catch (const ESaveError& e) {
            m_failure = e.Message();
            return;
        }
        // Unbuffered, so a short write shows at write() with its reason.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_failure = path + u": " + m_file.errorString();
            return;
        }
        m_writeback = std::make_unique<Writeback>(m_file.handle(), Writeback::Flush::DataOnly);
    }

    void Write(QByteArrayView bytes)
    {
        if (!m_failure.isEmpty())
            return;
        if (m_file.write(bytes.data(), bytes.size()) != bytes.size()) {
            GiveUp(m_file.errorString());
            return;
        }
        m_written += bytes.size();
        m_writeback->Written(m_written);
    }

    // Throws ESaveError when the new database cannot replace the old one.
    void Check() const
    {
        if (!m_failure.isEmpty())
            throw ESaveError(m_failure);
    }

    // The new database went to disk while the journal did (commit's own
    // flush then finds nothing left); only a journal safely on disk lets it
    // replace the old one. A failed journal leaves it uncommitted, and
    // QSaveFile discards it.
    void Replace(JournalWriter& journal)
    {
        Check();
        CheckSaveTarget(m_path);
        m_writeback->StartFlush();
        if (const int error = m_writeback->WaitFlushed(); error != 0) {
            GiveUp(SystemError(error));
            throw ESaveError(m_failure);
        }
        journal.WaitSealed();
        if (!m_file.commit())
            throw ESaveError(m_path + u": " + m_file.errorString());
        SyncDirectory(m_path);
    }

private:
    void GiveUp(const QString& reason)
    {
        // The reason is taken before cancelling, which replaces it with its own words.
        m_failure = m_path + u": " + reason;
        m_writeback.reset();
        m_file.cancelWriting();
    }

    QString m_path;
    QSaveFile m_file;
    std::unique_ptr<Writeback> m_writeback; // ends before the file closes
    qint64 m_written = 0;
    QString m_failure;
};

// A journal that is complete but not the same as "zivo.dat" is a copy that
// exists nowhere else; it must survive the next save.
void KeepLoneJournal(const QString& journalPath, const QString& databasePath)
{
    const Journal::Trailer trailer = Journal::ReadTrailer(journalPath);
    if (!trailer.found)
        return;
    const QFileInfo database(databasePath);
    if (database.isFile() && database.size() == trailer.bodySize)
        return;
    const QString kept = journalPath + u'.' + trailer.modified.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::exists(kept) && !QFile::rename(journalPath, kept))
        throw ESaveError(QStringLiteral("%1: cannot keep the previous journal as %2").arg(journalPath, kept));
}

TLoadResult ReadInto(TTreeNode* root, const std::function<bool(QString&)>& nextLine, const QString& path)
{
    TLoadResult result;
    TItemTree& tree = *root->Tree();
    RecordIO::ReadStats stats;
    {
        TItemTree::ResetScope reset(tree);
        // The first line holds the parameters, whatever they are.
        try {
            RecordIO::ReadRecords(nextLine, 1, root, &stats);
        } catch (const EReadError& e) {
            result.status = TLoadResult::Status::Failed;
            result.message = QStringLiteral("Cannot read %1: %2").arg(path, e.Message());
            return result;
        }
    }
    result.items = stats.created;
    result.damaged = stats.damaged;
    if (stats.records == 0 && stats.text) {
        result.status = TLoadResult::Status::Failed;
        result.message = QStringLiteral("Cannot read %1: it holds no records").arg(path);
        return result;
    }
    result.status = TLoadResult::Status::Loaded;
    return result;
}

TLoadResult ReadInto(TTreeNode* root, const QByteArray& bytes, const QString& path)
{
    TextCodec::LineReader lines(bytes);
    return ReadInto(root, [&lines](QString& line) { return lines.Next(line); }, path);
}

TLoadResult Failed(const QString& message)
{
    TLoadResult result;
    result.status = TLoadResult::Status::Failed;
    result.message = message;
    return result;
}

bool EndsWithLineEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    char last = 0;
    return file.getChar(&last) && (last == '\n' || last == '\r');
}

// The database's bytes, or why there are none.
struct DatabaseRead
{
    RegularFile::ReadStatus status;
    QByteArray bytes;
    QString error;
};

DatabaseRead ReadDatabaseBytes(const QString& path)
{
    DatabaseRead read;
    read.status = RegularFile::TryRead(path, RegularFile::kMaxBytes, read.bytes, read.error);
    return read;
}

// Empties the tree below the root, its own leaves included.
void ClearBelowRoot(TItemTree& tree, TTreeNode* root)
{
    tree.DeleteChildren(root);
    root->Item()->ClearContents();
}

} // namespace

namespace {
// A failed load is kept in the tree, so that nothing saves over the file.
TLoadResult Noted(TItemTree& tree, TLoadResult result)
{
    if (result.Failed())
        tree.SetLoadFailure(result.message);
    else
        tree.ClearLoadFailure();
    return result;
}

TLoadResult LoadBytes(TTreeNode* root, const DatabaseRead& read, const QString& path)
{
    TLoadResult result;
    switch (read.status) {
    case RegularFile::ReadStatus::Missing:
        result.status = TLoadResult::Status::Missing;
        break;
    case RegularFile::ReadStatus::Failed:
        result = Failed(read.error);
        break;
    case RegularFile::ReadStatus::Read:
        result = ReadInto(root, read.bytes, path);
        break;
    }
    return Noted(*root->Tree(), result);
}
} // namespace

TLoadResult LoadDatabaseFile(TTreeNode* root, const QString& path)
{
    // Read a piece at a time: the file's bytes and the tree made of them
    // are never in memory together.
    RegularFile::Reader file;
    DatabaseRead opened;
    opened.status = file.Open(path, RegularFile::kMaxBytes, opened.error);
    if (opened.status != RegularFile::ReadStatus::Read)
        return LoadBytes(root, opened, path);
    FileLines lines(file);
    TLoadResult result = ReadInto(root, [&lines](QString& line) { return lines.Next(line); }, path);
    if (result.Failed())
        ClearBelowRoot(*root->Tree(), root); // nothing of a file read part-way
    return Noted(*root->Tree(), result);
}

TLoadResult LoadDatabase(TTreeNode* root, const QString& directory)
{
    return LoadDatabaseFile(root, InDirectory(directory, kDatabaseFile));
}

QString DatabaseText(const TItemTree& tree)
{
    QString text = QStringLiteral("{Params}\r\n");
    for (int row = 0; row < tree.TopCount(); ++row)
        RecordIO::WriteNodeTree(*tree.Top(row), 0, text);
    return text;
}

QByteArray DatabaseBytes(const TItemTree& tree)
{
    // Reserving once spares the copies of a growing buffer; what stays
    // unwritten is never touched.
    QByteArray bytes;
    bytes.reserve(RecordIO::ExpectedBytes(tree));
    bytes.append("{Params}\r\n");
    RecordIO::WriteTree(tree, bytes);
    return bytes;
}

void SaveDatabase(const TItemTree& tree, const QString& directory)
{
    const QString databasePath = InDirectory(directory, kDatabaseFile);
    if (tree.LoadFailed())
        throw ESaveError(QStringLiteral("%1 was not read, so it is not saved over (%2)")
                             .arg(databasePath, tree.LoadFailure()));
    const QString journalPath = InDirectory(directory, kJournalFile);
    KeepLoneJournal(journalPath, databasePath);
    CheckSaveTarget(journalPath);
    // The records go to the journal and to the new database a piece at a
    // time as they are made: a large tree's bytes are never whole in memory,
    // and one megabyte of room carries them all.
    JournalWriter journal(journalPath);
    NewDatabase database(databasePath);
    QByteArray piece;
    piece.reserve(kPieceRoom);
    piece.append("{Params}\r\n");
    const auto write = [&journal, &database](QByteArrayView bytes) {
        journal.Write(bytes);
        database.Write(bytes);
    };
    RecordIO::WriteTree(tree, piece, write);
    write(piece);
    journal.Seal();
    database.Check();
    // The copy of the day is the database as it was before today's first save.
    DatabaseBackups::KeepDailyCopy(databasePath, InDirectory(directory, kBackupFolder), kBackupDays);
    database.Replace(journal);
}

TJournalRecovery JournalToRestore(const TLoadResult& load, const QString& directory)
{
    TJournalRecovery recovery;
    const Journal::Trailer trailer = Journal::ReadTrailer(InDirectory(directory, kJournalFile));
    if (!trailer.found)
        return recovery;
    recovery.written = trailer.modified;
    const QString databasePath = InDirectory(directory, kDatabaseFile);
    const QFileInfo database(databasePath);
    if (load.status == TLoadResult::Status::Missing) {
        recovery.reason = QStringLiteral("%1 is missing").arg(databasePath);
    } else if (load.Failed()) {
        recovery.reason = load.message;
    } else if (database.size() < trailer.bodySize && !EndsWithLineEnd(databasePath)) {
        // Every save ends the database with a line end: this one was cut
        // short after it was written. A whole database that merely differs
        // (an older copy put back by hand) is the user's choice and stays.
        recovery.reason = QStringLiteral("%1 is cut short").arg(databasePath);
    }
    recovery.available = !recovery.reason.isEmpty();
    return recovery;
}

TLoadResult RestoreJournal(TItemTree& tree, const QString& directory)
{
    TTreeNode* root = tree.Root();
    const QString path = InDirectory(directory, kJournalFile);
    QByteArray sealed;
    QString error;
    const RegularFile::ReadStatus status = RegularFile::TryRead(path, RegularFile::kMaxBytes + 64, sealed, error);
    if (status == RegularFile::ReadStatus::Missing)
        return Failed(QStringLiteral("Cannot read %1: No such file or directory").arg(path));
    if (status == RegularFile::ReadStatus::Failed)
        return Failed(error);
    const QByteArray bytes = Journal::Unseal(sealed);
    sealed = QByteArray();
    if (bytes.isNull())
        return Failed(QStringLiteral("Cannot read %1: the journal is incomplete").arg(path));
    TItemTree::ResetScope reset(tree);
    ClearBelowRoot(tree, root);
    TLoadResult result = ReadInto(root, bytes, path);
    if (result.Failed()) {
        ClearBelowRoot(tree, root);
        tree.SetLoadFailure(result.message);
    } else {
        tree.ClearLoadFailure();
    }
    return result;
}

int ImportExchangeFile(TTreeNode* target, const QString& path)
{
    if (!path.endsWith(u".zvd", Qt::CaseInsensitive) && path != QString::fromUtf16(kClipboardFile))
        return -1;
    const QByteArray bytes = RegularFile::Read(path);
    return RecordIO::ReadRecords(bytes, 0, target);
}

TLoadResult RevertToSaved(TItemTree& tree, const QString& directory)
{
    TTreeNode* root = tree.Root();
    if (!root)
        return {};
    // A file that cannot be read leaves the tree as it is.
    const QString path = InDirectory(directory, kDatabaseFile);
    const DatabaseRead read = ReadDatabaseBytes(path);
    if (read.status == RegularFile::ReadStatus::Failed)
        return Failed(read.error);
    TItemTree::ResetScope reset(tree);
    ClearBelowRoot(tree, root);
    TLoadResult result = LoadBytes(root, read, path);
    if (result.Failed())
        ClearBelowRoot(tree, root);
    return result;
}
