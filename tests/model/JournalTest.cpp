#include "TreeBuilder.h"
#include "FileBytes.h"

#include "model/Database.h"
#include "model/DatabaseBackups.h"
#include "model/Exceptions.h"
#include "model/Journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

namespace {
void Age(const QString& path, int seconds)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

class JournalTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Saves a tree holding one folder of the given title.
    void SaveWith(const QString& title)
    {
        TItemTree tree;
        AddContainer(tree.CreateRoot(), 0, title);
        SaveDatabase(tree, dir.path());
    }
};
} // namespace

TEST(JournalSeal, OnlyACompleteJournalUnseals)
{
    const QByteArray body = "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n";
    const QByteArray sealed = Journal::Seal(body);
    EXPECT_TRUE(sealed.startsWith(body));
    EXPECT_EQ(Journal::Unseal(sealed), body);
    EXPECT_TRUE(Journal::Unseal(sealed.chopped(1)).isNull()) << "cut short";
    EXPECT_TRUE(Journal::Unseal(body).isNull()) << "no end line";
    QByteArray flipped = sealed;
    flipped[12] = 'X';
    EXPECT_TRUE(Journal::Unseal(flipped).isNull()) << "a changed byte";
    EXPECT_TRUE(Journal::Unseal(sealed.sliced(3)).isNull()) << "bytes missing at the start";
    EXPECT_EQ(Journal::Unseal(Journal::Seal(QByteArray())), QByteArray(""));
}

TEST_F(JournalTest, TheJournalRestoresAMissingOrDamagedDatabase)
{
    SaveWith(QStringLiteral("Saved"));
    QFile::remove(Path("zivo.dat"));
    TItemTree tree;
    TLoadResult load = LoadDatabase(tree.CreateRoot(), dir.path());
    TJournalRecovery recovery = JournalToRestore(load, dir.path());
    ASSERT_TRUE(recovery.available);
    EXPECT_TRUE(recovery.reason.contains(u"missing"));
    ASSERT_EQ(RestoreJournal(tree, dir.path()).status, TLoadResult::Status::Loaded);
    EXPECT_EQ(tree.Root()->Child(0)->Item()->Title(), QStringLiteral("Saved"));

    // A damaged database: the journal replaces what the failed load left.
    WriteAll(Path("zivo.dat"), "{Params}\r\ngarbage\r\n");
    TItemTree damaged;
    load = LoadDatabase(damaged.CreateRoot(), dir.path());
    ASSERT_TRUE(load.Failed());
    ASSERT_TRUE(JournalToRestore(load, dir.path()).available);
    ASSERT_FALSE(RestoreJournal(damaged, dir.path()).Failed());
    EXPECT_FALSE(damaged.LoadFailed()) << "the restored tree may be saved";
    SaveDatabase(damaged, dir.path());
    EXPECT_TRUE(ReadAll(Path("zivo.dat")).contains("Saved"));
}

TEST_F(JournalTest, AGoodDatabaseIsPreferredToItsOwnJournal)
{
    SaveWith(QStringLiteral("Saved"));
    TItemTree tree;
    const TLoadResult load = LoadDatabase(tree.CreateRoot(), dir.path());
    EXPECT_FALSE(JournalToRestore(load, dir.path()).available);

    // An incomplete journal is never offered, even without a database.
    QByteArray journal = ReadAll(Path("zivo.dat.txn"));
    WriteAll(Path("zivo.dat.txn"), journal.chopped(5));
    QFile::remove(Path("zivo.dat"));
    TItemTree empty;
    EXPECT_FALSE(JournalToRestore(LoadDatabase(empty.CreateRoot(), dir.path()), dir.path()).available);
    EXPECT_TRUE(RestoreJournal(empty, dir.path()).Failed());
}

TEST_F(JournalTest, ADatabaseCutShortIsRestoredButAnOlderWholeOneStays)
{
    SaveWith(QStringLiteral("Old"));
    const QByteArray old = ReadAll(Path("zivo.dat"));
    SaveWith(QStringLiteral("Newer one"));
    const QByteArray saved = ReadAll(Path("zivo.dat"));
    WriteAll(Path("zivo.dat"), saved.chopped(4));
    TItemTree cut;
    TLoadResult load = LoadDatabase(cut.CreateRoot(), dir.path());
    const TJournalRecovery recovery = JournalToRestore(load, dir.path());
    ASSERT_TRUE(recovery.available);
    EXPECT_TRUE(recovery.reason.contains(u"cut short")) << recovery.reason.toStdString();

    // An older database put back by hand is the user's choice.
    WriteAll(Path("zivo.dat"), old);
    Age(Path("zivo.dat"), 60);
    TItemTree older;
    load = LoadDatabase(older.CreateRoot(), dir.path());
    ASSERT_EQ(load.status, TLoadResult::Status::Loaded);
    EXPECT_FALSE(JournalToRestore(load, dir.path()).available);
}

TEST_F(JournalTest, ASaveNeverOverwritesTheOnlyCompleteCopy)
{
    SaveWith(QStringLiteral("Precious"));
    const QByteArray journal = ReadAll(Path("zivo.dat.txn"));
    QFile::remove(Path("zivo.dat"));
    // Someone declines the restore and saves the empty tree.
    TItemTree empty;
    ASSERT_EQ(LoadDatabase(empty.CreateRoot(), dir.path()).status, TLoadResult::Status::Missing);
    SaveDatabase(empty, dir.path());
    const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("zivo.dat.txn.*")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(ReadAll(dir.filePath(kept.first())), journal);
}

TEST_F(JournalTest, AFullDiskNamesTheReason)
{
    TItemTree tree;
    AddContainer(tree.CreateRoot(), 0, QString(200000, u'x'));
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 65536;
    setrlimit(RLIMIT_FSIZE, &small);
    QString detail;
    try {
        SaveDatabase(tree, dir.path());
    } catch (const ESaveError& e) {
        detail = e.Detail();
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(detail.contains(u"File too large")) << detail.toStdString();
}

TEST_F(JournalTest, DailyBackupsKeepTheLastSevenDays)
{
    const QString folder = Path("backups");
    const QDate first(2026, 12, 1);
    for (int day = 0; day < 9; ++day) {
        WriteAll(Path("zivo.dat"), QByteArray("day ") + QByteArray::number(day));
        ASSERT_TRUE(DatabaseBackups::KeepDailyCopy(Path("zivo.dat"), folder, 7, nullptr, first.addDays(day)));
        // A later save of the same day keeps the first copy of that day.
        WriteAll(Path("zivo.dat"), "later");
        ASSERT_TRUE(DatabaseBackups::KeepDailyCopy(Path("zivo.dat"), folder, 7, nullptr, first.addDays(day)));
    }
    const QStringList copies = DatabaseBackups::Copies(folder);
    ASSERT_EQ(copies.size(), 7);
    EXPECT_EQ(copies.first(), QStringLiteral("zivo-2026-12-09.dat"));
    EXPECT_EQ(copies.last(), QStringLiteral("zivo-2026-12-03.dat"));
    EXPECT_EQ(ReadAll(QDir(folder).filePath(copies.first())), QByteArray("day 8"));
}

TEST_F(JournalTest, TheFirstSaveOfTheDayKeepsThePreviousDatabase)
{
    SaveWith(QStringLiteral("Yesterday"));
    EXPECT_TRUE(DatabaseBackups::Copies(Path("backups")).isEmpty()) << "nothing to keep before the first save";
    const QByteArray before = ReadAll(Path("zivo.dat"));
    SaveWith(QStringLiteral("Today"));
    SaveWith(QStringLiteral("Later today"));
    const QStringList copies = DatabaseBackups::Copies(Path("backups"));
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(ReadAll(QDir(Path("backups")).filePath(copies.first())), before);
    EXPECT_TRUE(ReadAll(Path("zivo.dat")).contains("Later today"));
}
