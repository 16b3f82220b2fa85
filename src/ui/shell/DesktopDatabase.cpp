#include "ui/shell/DesktopDatabase.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "model/RegularFile.h"
#include "platform/ExitWatchdog.h"
#include "platform/RescueFile.h"
#include "ui/shell/AutoSaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

DesktopDatabase::DesktopDatabase(TItemTree& tree, const QString& directory, QObject* parent)
    : QObject(parent), m_tree(tree), m_directory(directory), m_autosave(new AutoSaver(tree, directory, this))
{
}

DesktopDatabase::~DesktopDatabase() = default;

QString DesktopDatabase::DatabasePath() const
{
    return QDir(m_directory).filePath(QString::fromUtf16(kDatabaseFile));
}

void DesktopDatabase::LoadAtStart()
{
    const TLoadResult load = LoadDatabase(m_tree.Root(), m_directory);
    m_journal = JournalToRestore(load, m_directory);
    m_autosave->MarkClean();
    if (load.Failed()) {
        m_loadError = load.message;
        SetReadOnly(true);
    }
}

bool DesktopDatabase::RestoreJournal(QString* error)
{
    const TLoadResult restored = ::RestoreJournal(m_tree, m_directory);
    if (restored.Failed()) {
        if (error)
            *error = restored.message;
        return false;
    }
    m_journal = {};
    m_loadError.clear();
    if (m_readOnly)
        SetReadOnly(false);
    // "zivo.dat" does not hold this tree yet: the crash copy keeps it until a save.
    m_autosave->MarkChanged();
    return true;
}

void DesktopDatabase::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_autosave->SetEnabled(!readOnly);
    Q_EMIT ReadOnlyChanged(readOnly);
}

void DesktopDatabase::Save()
{
    if (m_readOnly)
        throw ESaveError(QStringLiteral("The database could not be loaded (%1); Zendrivo does not save over it").arg(m_loadError));
    SaveDatabase(m_tree, m_directory);
    m_autosave->MarkSaved();
}

bool DesktopDatabase::Revert(QString* error)
{
    // A file that cannot be read leaves the tree as it was; one that reads
    // but holds no records empties it and makes the database read-only.
    const TLoadResult reverted = RevertToSaved(m_tree, m_directory);
    if (reverted.Failed()) {
        if (error)
            *error = reverted.message;
        if (m_tree.LoadFailed()) {
            m_loadError = reverted.message;
            SetReadOnly(true);
        }
        return false;
    }
    m_loadError.clear();
    if (m_readOnly)
        SetReadOnly(false);
    m_autosave->MarkSaved();
    return true;
}

bool DesktopDatabase::HasNewerAutosave() const
{
    const QFileInfo copy(m_autosave->Path());
    if (!copy.isFile())
        return false;
    const QFileInfo database(DatabasePath());
    return !database.exists() || copy.lastModified() > database.lastModified();
}

QDateTime DesktopDatabase::AutosaveTime() const
{
    return QFileInfo(m_autosave->Path()).lastModified();
}

bool DesktopDatabase::RestoreAutosave(QString* error)
{
    QByteArray bytes;
    QString reason;
    if (RegularFile::TryRead(m_autosave->Path(), RegularFile::kMaxBytes, bytes, reason) != RegularFile::ReadStatus::Read) {
        if (error)
            *error = reason.isEmpty() ? QStringLiteral("%1 is gone").arg(m_autosave->Path()) : reason;
        return false;
    }
    ReplaceTree(bytes);
    // The tree now differs from "zivo.dat" until the user saves.
    m_autosave->MarkChanged();
    return true;
}

QByteArray DesktopDatabase::Snapshot() const
{
    return DatabaseBytes(m_tree);
}

void DesktopDatabase::ReplaceTree(const QByteArray& bytes)
{
    TTreeNode* root = m_tree.Root();
    TItemTree::ResetScope reset(m_tree);
    m_tree.DeleteChildren(root);
    root->Item()->ClearContents();
    // The first line holds the parameters, as in the database.
    RecordIO::ReadRecords(bytes, 1, root);
}

void DesktopDatabase::DiscardAutosave()
{
    QFile::remove(m_autosave->Path());
}

bool DesktopDatabase::SaveAtExit(int timeoutMs)
{
    if (m_readOnly)
        return true;
    const QByteArray bytes = Snapshot();
    QString failure;
    {
        ExitWatchdog watchdog(bytes, timeoutMs);
        try {
            SaveDatabase(m_tree, m_directory);
            m_autosave->MarkSaved();
            return true;
        } catch (const ESaveError& e) {
            failure = e.Detail().isEmpty() ? e.Message() : e.Detail();
        }
    }
    QString error;
    const QString path = RescueFile::Write(bytes, &error);
    if (path.isEmpty())
        RescueFile::Report(QStringLiteral("The database could not be saved (%1), and no rescue file could be written (%2)")
                               .arg(failure, error));
    else
        RescueFile::Report(QStringLiteral("The database could not be saved (%1); the contacts were written to %2")
                               .arg(failure, path));
    return false;
}
