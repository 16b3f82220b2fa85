#include "platform/DatabaseLock.h"

#include <QDir>

DatabaseLock::DatabaseLock(const QString& directory)
    : m_file(directory.isEmpty() ? FileName() : QDir(directory).filePath(FileName()))
{
    // The desktop program holds the lock for days: only a dead holder makes
    // it stale, never its age.
    m_file.setStaleLockTime(0);
}

DatabaseLock::~DatabaseLock() = default;

QString DatabaseLock::FileName()
{
    return QStringLiteral("zivo.lock");
}

bool DatabaseLock::TryLock(int timeoutMs)
{
    if (m_file.isLocked())
        return true;
    return m_file.tryLock(timeoutMs);
}

void DatabaseLock::Unlock()
{
    if (m_file.isLocked())
        m_file.unlock();
}

qint64 DatabaseLock::HolderPid() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_file.getLockInfo(&pid, &host, &application))
        return 0;
    return pid;
}

QString DatabaseLock::InUseMessage() const
{
    const qint64 pid = HolderPid();
    if (pid <= 0)
        return QStringLiteral("The database is in use by another process");
    return QStringLiteral("The database is in use by process %1").arg(pid);
}
