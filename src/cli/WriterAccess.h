#pragma once

#include "platform/DatabaseLock.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

// The right of one command-line run to change the database. Either the run
// takes the database lock for its whole length, or, when the desktop program
// owns the database, the command is handed to it and runs there on the live
// tree; its output and exit status come back.
class WriterAccess
{
public:
    WriterAccess();
    ~WriterAccess();
    WriterAccess(const WriterAccess&) = delete;
    WriterAccess& operator=(const WriterAccess&) = delete;

    // Waits up to waitMs for the lock, handing the command over whenever the
    // desktop program answers. Returns the exit status when the desktop ran
    // the command (its output is printed), nothing when the lock is ours.
    // Throws CliError "The database is in use by process N" when neither
    // happened in time.
    std::optional<int> Acquire(const QStringList& arguments, QTextStream& out, QTextStream& err, int waitMs = 10000);

    // The access of the command running in this process, if it took the lock.
    static WriterAccess* Current();
    DatabaseLock& Lock() { return *m_lock; }

private:
    std::optional<DatabaseLock> m_lock;
    WriterAccess* m_previous = nullptr;
};
