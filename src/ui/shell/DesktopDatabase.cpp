#include "ui/shell/DesktopDatabase.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/ItemTree.h"
#include "model/RecordIO.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "platform/ExitWatchdog.h"
#include "platform/RescueFile.h"
#include "ui/shell/AutoSaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Neither the database nor its crash copy is read beyond this size.
constexpr qint64 kMaxDatabaseBytes = qint64(256) << 20;

// Why PATH cannot be read as a database; empty when it can.
QString Unreadable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("%1 is not a regular file").arg(path);
    if (info.size() > kMaxDatabaseBytes)
        return QStringLiteral("%1 is larger than %2 MB").arg(path).arg(kMaxDatabaseBytes >> 20);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
    return {};
}
} // namespace

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
    const QString path = DatabasePath();
    // A FIFO or a device would block the start for ever: only a regular
    // file is opened.
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        m_loadError = Unreadable(path);
        if (!m_loadError.isEmpty()) {
            SetReadOnly(true);
            return;
        }
    }
    LoadDatabase(m_tree.Root(), m_directory);
    m_autosave->MarkClean();
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
    const QString path = DatabasePath();
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        const QString reason = Unreadable(path);
        if (!reason.isEmpty()) {
            if (error)
                *error = reason;
            return false;
        }
    }
    RevertToSaved(m_tree, m_directory);
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
    const QString path = m_autosave->Path();
    QString reason = Unreadable(path);
    QByteArray bytes;
    if (reason.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(kMaxDatabaseBytes + 1);
        if (file.error() != QFileDevice::NoError)
            reason = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
    }
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    ReplaceTree(bytes);
    // The tree now differs from "zivo.dat" until the user saves.
    m_autosave->MarkChanged();
    return true;
}

QByteArray DesktopDatabase::Snapshot() const
{
    return TextCodec::Encode(DatabaseText(m_tree));
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
