#include "platform/DatabaseLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {
// A pid that surely belongs to no running process: a child that has been reaped.
qint64 DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void WriteLockFile(const QString& path, qint64 pid)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationFilePath().toUtf8() + "\n\n");
}
} // namespace

TEST(DatabaseLock, OneHolderAtATimeAndTheOthersLearnWho)
{
    QTemporaryDir dir;
    DatabaseLock first(dir.path());
    DatabaseLock second(dir.path());
    ASSERT_TRUE(first.TryLock(0));
    EXPECT_FALSE(second.TryLock(100));
    EXPECT_EQ(second.HolderPid(), QCoreApplication::applicationPid());
    EXPECT_EQ(second.InUseMessage(),
              QStringLiteral("The database is in use by process %1").arg(QCoreApplication::applicationPid()));
    first.Unlock();
    EXPECT_TRUE(second.TryLock(0));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("zivo.lock"))));
}

TEST(DatabaseLock, ALockLeftByACrashIsTakenOverButALongRunIsNot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(DatabaseLock::FileName());
    WriteLockFile(path, DeadPid());
    DatabaseLock afterCrash(dir.path());
    EXPECT_TRUE(afterCrash.TryLock(0));
    afterCrash.Unlock();

    // The desktop program holds its lock for days: age alone never makes it stale.
    DatabaseLock longRun(dir.path());
    ASSERT_TRUE(longRun.TryLock(0));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    file.close();
    DatabaseLock later(dir.path());
    EXPECT_FALSE(later.TryLock(200));
}
