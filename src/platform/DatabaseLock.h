#pragma once

#include <QLockFile>
#include <QString>

// The one owner of the database: "zivo.lock" in the data directory. The
// desktop program holds it for its whole run, a command-line run that
// changes the database from its load to its save. Whoever holds it is the
// only one allowed to write "zivo.dat".
class DatabaseLock
{
public:
    // The lock of the data directory DIRECTORY (the current directory when empty).
    explicit DatabaseLock(const QString& directory = QString());
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    // Takes the lock, waiting up to timeoutMs (0: one try). A lock left by a
    // process that no longer runs is taken over.
    bool TryLock(int timeoutMs);
    void Unlock();
    bool IsLocked() const { return m_file.isLocked(); }

    // The process that holds the lock now, 0 when nobody does or it cannot be told.
    qint64 HolderPid() const;
    // "The database is in use by process N".
    QString InUseMessage() const;

    static QString FileName();

private:
    QLockFile m_file;
};
