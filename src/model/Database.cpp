#include "model/Database.h"

#include "model/Exceptions.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

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

void WriteJournal(const QString& path, const QByteArray& bytes)
{
    QFile journal(path);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ESaveError(path + u": " + journal.errorString());
    if (journal.write(bytes) != bytes.size() || !journal.flush())
        throw ESaveError(path + u": " + journal.errorString());
    if (::fsync(journal.handle()) != 0)
        throw ESaveError(path + u": cannot flush to disk");
    journal.close();
}

void ReplaceDatabase(const QString& path, const QByteArray& bytes)
{
    QSaveFile database(path);
    if (!database.open(QIODevice::WriteOnly))
        throw ESaveError(path + u": " + database.errorString());
    if (database.write(bytes) != bytes.size()) {
        database.cancelWriting();
        throw ESaveError(path + u": " + database.errorString());
    }
    if (!database.commit())
        throw ESaveError(path + u": " + database.errorString());
    SyncDirectory(path);
}

QByteArray ReadBytes(const QString& path, bool* opened)
{
    QFile file(path);
    *opened = file.open(QIODevice::ReadOnly);
    if (!*opened)
        return {};
    return file.readAll();
}

} // namespace

void LoadDatabase(TTreeNode* root, const QString& directory)
{
    bool opened = false;
    const QByteArray bytes = ReadBytes(InDirectory(directory, kDatabaseFile), &opened);
    if (!opened)
        return;
    TItemTree::ResetScope reset(*root->Tree());
    // The first line holds the parameters, whatever they are.
    RecordIO::ReadRecords(bytes, 1, root);
}

QString DatabaseText(const TItemTree& tree)
{
    QString text = QStringLiteral("{Params}\r\n");
    for (int row = 0; row < tree.TopCount(); ++row)
        RecordIO::WriteNodeTree(*tree.Top(row), 0, text);
    return text;
}

void SaveDatabase(const TItemTree& tree, const QString& directory)
{
    const QByteArray bytes = TextCodec::Encode(DatabaseText(tree));
    WriteJournal(InDirectory(directory, kJournalFile), bytes);
    ReplaceDatabase(InDirectory(directory, kDatabaseFile), bytes);
}

int ImportExchangeFile(TTreeNode* target, const QString& path)
{
    if (!path.endsWith(u".zvd", Qt::CaseInsensitive) && path != QString::fromUtf16(kClipboardFile))
        return -1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return RecordIO::ReadRecords(bytes, 0, target);
}

void RevertToSaved(TItemTree& tree, const QString& directory)
{
    TTreeNode* root = tree.Root();
    if (!root)
        return;
    TItemTree::ResetScope reset(tree);
    tree.DeleteChildren(root);
    // The root's own leaves go too, or the reload would double them.
    root->Item()->ClearContents();
    LoadDatabase(root, directory);
}
