#pragma once

#include "model/Database.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class AutoSaver;
class TItemTree;

// The desktop program's side of the database: the load at start and what a
// failed one means, the save, the crash copy and the end of the run. A
// database that failed to load is never saved over: the program then runs
// read-only.
class DesktopDatabase : public QObject
{
    Q_OBJECT

public:
    // The database lives in DIRECTORY (the data directory, which the
    // program makes its current directory at start).
    DesktopDatabase(TItemTree& tree, const QString& directory, QObject* parent = nullptr);
    ~DesktopDatabase() override;

    // Fills the tree below the root from "zivo.dat". Only a missing file
    // means an empty tree; any other failure is kept in LoadError() and
    // makes the database read-only.
    void LoadAtStart();
    // A complete journal newer or better than "zivo.dat", found at start.
    const TJournalRecovery& JournalRecovery() const { return m_journal; }
    // Replaces the tree with the journal's records; the database is then
    // writable again. False with *error when the journal did not read.
    bool RestoreJournal(QString* error);
    QString LoadError() const { return m_loadError; }
    bool ReadOnly() const { return m_readOnly; }

    // Writes the tree; throws ESaveError (also when read-only).
    void Save();
    // "Revert to Saved": reads "zivo.dat" again into the tree. A file that
    // cannot be read leaves the tree as it is (false with *error); one that
    // reads again ends the read-only state.
    bool Revert(QString* error);

    // A crash copy newer than "zivo.dat": the last run did not end cleanly.
    bool HasNewerAutosave() const;
    QDateTime AutosaveTime() const;
    // The tree as the database file would hold it, and the way back to it.
    QByteArray Snapshot() const;
    void ReplaceTree(const QByteArray& bytes);

    // Replaces the tree below the root with the crash copy; false with *error.
    bool RestoreAutosave(QString* error);
    void DiscardAutosave();

    // The save at the end of the program. Never waits on the user: a save
    // that fails or hangs puts the tree in a rescue file, says where on
    // stderr and in the system log, and gives false (the program should
    // then end with a failure status).
    bool SaveAtExit(int timeoutMs = 4000);

    AutoSaver& Autosave() const { return *m_autosave; }
    QString DatabasePath() const;

Q_SIGNALS:
    void ReadOnlyChanged(bool readOnly);

private:
    void SetReadOnly(bool readOnly);

    TItemTree& m_tree;
    QString m_directory;
    TJournalRecovery m_journal;
    AutoSaver* m_autosave = nullptr;
    QString m_loadError;
    bool m_readOnly = false;
};
