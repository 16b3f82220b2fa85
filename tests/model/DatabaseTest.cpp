#include "TreeBuilder.h"
#include "FileBytes.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/FolderObject.h"
#include "model/HelperThreads.h"
#include "model/Journal.h"
#include "model/RecordIO.h"
#include "model/TreeOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {
class DatabaseTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Files a save left beside the database and its journal.
    QStringList Leftovers() const
    {
        QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        left.removeIf([](const QString& name) { return name == u"zivo.dat" || name == u"zivo.dat.txn"; });
        return left;
    }
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

TEST_F(DatabaseTest, SavedTreeLoadsBackTheSameWithTheJournalBeside)
{
    TTreeNode* folder = AddContainer(root, 0, QStringLiteral("Friends"));
    AddLeaf(AddContainer(folder, 3, QStringLiteral("Ann")), 7, QStringLiteral("Mail"), QStringLiteral("ann@example.org"));
    AddLeaf(root, 6, QStringLiteral("Root phone"), QStringLiteral("1"));
    SaveDatabase(tree, dir.path());
    const QByteArray saved = ReadAll(Path("zivo.dat"));
    EXPECT_TRUE(saved.startsWith("{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"));
    EXPECT_TRUE(ReadAll(Path("zivo.dat.txn")).startsWith(saved)) << "the journal holds the same bytes, then its end line";

    TItemTree loaded;
    LoadDatabase(loaded.CreateRoot(), dir.path());
    EXPECT_EQ(DatabaseText(loaded), DatabaseText(tree));
    EXPECT_EQ(loaded.Root()->Item()->Id(), 32892645);
}

// A save hands its records to the journal a piece at a time and copies the
// database from the journal: over many pieces, both hold the bytes of the
// tree, each once and in order, and load back.
TEST_F(DatabaseTest, ASaveOfManyPiecesHoldsTheWholeTreeInOrder)
{
    for (int folder = 0; folder < 40; ++folder) {
        TTreeNode* node = AddContainer(root, 0, QStringLiteral("Folder %1").arg(folder));
        for (int i = 0; i < 1000; ++i)
            AddLeaf(node, 6, QStringLiteral("Phone %1 of %2").arg(i).arg(folder), QString::number(5550000 + i));
    }
    const QByteArray whole = DatabaseBytes(tree);
    ASSERT_GT(whole.size(), 2 * 1024 * 1024) << "more than a few pieces";
    SaveDatabase(tree, dir.path());
    EXPECT_EQ(ReadAll(Path("zivo.dat")), whole);
    EXPECT_EQ(Journal::Unseal(ReadAll(Path("zivo.dat.txn"))), whole);
    TItemTree loaded;
    ASSERT_FALSE(LoadDatabase(loaded.CreateRoot(), dir.path()).Failed());
    EXPECT_EQ(DatabaseBytes(loaded), whole);
}

TEST_F(DatabaseTest, MissingOrParamsOnlyDatabasesLeaveTheRootAlone)
{
    LoadDatabase(root, dir.path());
    EXPECT_EQ(tree.Count(), 1);
    WriteAll(Path("zivo.dat"), "{Params}\r\n");
    LoadDatabase(root, dir.path());
    EXPECT_EQ(tree.Count(), 1);
    EXPECT_EQ(ContentCount(root->Item()), 0);
}

TEST_F(DatabaseTest, AJournalThatCannotBeWrittenLeavesTheDatabaseUntouched)
{
    WriteAll(Path("zivo.dat"), "{Params}\r\nold\r\n");
    AddContainer(root, 0, QStringLiteral("new"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("zivo.dat.txn")));
    EXPECT_THROW(SaveDatabase(tree, dir.path()), ESaveError);
    EXPECT_EQ(ReadAll(Path("zivo.dat")), QByteArray("{Params}\r\nold\r\n"));
    QDir(Path("zivo.dat.txn")).removeRecursively();

    // A full disk: the journal's writes fail part-way.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), Path("zivo.dat.txn")));
    try {
        SaveDatabase(tree, dir.path());
        FAIL() << "saved onto a full disk";
    } catch (const ESaveError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Error saving database"));
    }
    EXPECT_EQ(ReadAll(Path("zivo.dat")), QByteArray("{Params}\r\nold\r\n"));
    // The new database, written beside the journal, is not left behind.
    EXPECT_EQ(Leftovers(), QStringList());
}

TEST_F(DatabaseTest, AFailedReplaceLeavesTheDatabaseAsItWas)
{
    // The database's place is taken by a directory: the journal is written, the replace fails.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("zivo.dat/keep")));
    AddContainer(root, 0, QStringLiteral("new"));
    EXPECT_THROW(SaveDatabase(tree, dir.path()), ESaveError);
    EXPECT_TRUE(QFileInfo(Path("zivo.dat/keep")).isDir());
    EXPECT_TRUE(ReadAll(Path("zivo.dat.txn")).contains("new"));
    EXPECT_EQ(Leftovers(), QStringList());
}

TEST_F(DatabaseTest, AWriteCutShortByAFileSizeLimitIsReportedAndNothingIsReplaced)
{
    std::string bigTitle(200000, 'x');
    AddContainer(root, 0, QString::fromStdString(bigTitle));
    WriteAll(Path("zivo.dat"), "{Params}\r\nold\r\n");
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 65536;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(SaveDatabase(tree, dir.path()), ESaveError);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(ReadAll(Path("zivo.dat")), QByteArray("{Params}\r\nold\r\n"));
    EXPECT_EQ(Leftovers(), QStringList());
}

TEST_F(DatabaseTest, RevertToSavedReplacesEverythingBelowTheRoot)
{
    AddContainer(root, 0, QStringLiteral("kept"));
    AddLeaf(root, 6, QStringLiteral("kept leaf"));
    SaveDatabase(tree, dir.path());
    AddContainer(root, 0, QStringLiteral("discarded"));
    AddLeaf(root, 6, QStringLiteral("discarded leaf"));
    RevertToSaved(tree, dir.path());
    EXPECT_EQ(root->ChildCount(), 1);
    EXPECT_EQ(root->Child(0)->Item()->Title(), QStringLiteral("kept"));
    ASSERT_EQ(ContentCount(root->Item()), 1);
    EXPECT_EQ(ContentAt(root->Item(), 0)->Item()->Title(), QStringLiteral("kept leaf"));
}

TEST_F(DatabaseTest, OnlyExchangeFilesAndTheClipboardFileAreImported)
{
    const QByteArray records = "{1 0 }Imported~~~~~~5\r\n{Fold}0\r\n";
    WriteAll(Path("a.ZvD"), records);
    WriteAll(Path("a.txt"), records);
    EXPECT_EQ(ImportExchangeFile(root, Path("a.txt")), -1);
    EXPECT_EQ(root->ChildCount(), 0);
    EXPECT_EQ(ImportExchangeFile(root, Path("a.ZvD")), 1);
    EXPECT_EQ(root->Child(0)->Item()->Id(), 5);
    EXPECT_THROW(ImportExchangeFile(root, Path("missing.zvd")), EReadError);
    EXPECT_EQ(root->ChildCount(), 1);
}

TEST_F(DatabaseTest, RemoteFoldersRefreshFromALocalFileOnlyWhenItIsNewer)
{
    WriteAll(Path("shared.zvd"), "{1 6 }Hotline~~555~~~~9\r\n{Phon}~~0\r\n{1 0 }Sub~~~~~~8\r\n{Fold}0\r\n");
    TTreeNode* remote = AddContainer(root, 0, QStringLiteral("Shared"), Path("shared.zvd"));
    auto* folder = static_cast<TFolderObject*>(remote->Item());
    folder->Refresh();
    EXPECT_EQ(ContentCount(folder), 1);
    EXPECT_EQ(remote->ChildCount(), 1);
    EXPECT_TRUE(remote->Child(0)->Item()->InRemote());
    EXPECT_GT(folder->LastRefresh(), 0.0);
    // Unchanged source: nothing is fetched again.
    const double first = folder->LastRefresh();
    folder->Refresh();
    EXPECT_EQ(folder->LastRefresh(), first);
    EXPECT_EQ(ContentCount(folder), 1);
    // A new source starts afresh; a file that is not there gives nothing.
    folder->SetValue(Path("gone.zvd"));
    EXPECT_EQ(folder->LastRefresh(), 0.0);
    folder->Refresh();
    EXPECT_EQ(ContentCount(folder), 0);
    EXPECT_EQ(folder->LastRefresh(), 0.0);
    // A source that is no exchange file empties the folder and reads nothing.
    WriteAll(Path("shared.txt"), "{1 6 }Hotline~~555~~~~9\r\n{Phon}~~0\r\n");
    folder->SetValue(Path("shared.txt"));
    folder->Refresh();
    EXPECT_EQ(ContentCount(folder), 0);
    EXPECT_GT(folder->LastRefresh(), 0.0);
}

// A large tree is written by two threads, in runs of nodes. Wherever runs
// meet, before, on or inside a remote folder, whose nodes below are never
// written, the bytes must be those of one writer going through in order.
TEST_F(DatabaseTest, ALargeTreeWrittenByTwoThreadsGivesTheBytesOfOneWriter)
{
    QByteArray shared;
    for (int i = 1; i <= 150; ++i)
        shared += "{1 0 }Shared " + QByteArray::number(i) + "~~~~~~" + QByteArray::number(i) + "\r\n{Fold}0\r\n";
    WriteAll(Path("shared.zvd"), shared);
    TTreeNode* many = AddContainer(root, 3, QStringLiteral("Many"));
    for (int i = 0; i < 20000; ++i)
        AddLeaf(many, 6, QStringLiteral("Phone %1").arg(i), QString::number(5550000 + i));
    TTreeNode* remote = AddContainer(root, 0, QStringLiteral("Shared"), Path("shared.zvd"));
    static_cast<TFolderObject*>(remote->Item())->Refresh();
    ASSERT_EQ(remote->ChildCount(), 150);

    HelperThreads::Allow(true);
    struct Reset
    {
        ~Reset() { HelperThreads::Allow(false); }
    } reset;
    const auto oneWriter = [this] {
        QByteArray bytes("{Params}\r\n");
        RecordIO::WriteNodeTree(*tree.Top(0), 0, bytes);
        return bytes;
    };
    // Folders after the remote one move the places where runs meet from
    // inside it to past it.
    for (int after = 0; after <= 320; ++after) {
        if (after > 0)
            AddContainer(root, 0, QStringLiteral("After %1").arg(after));
        ASSERT_EQ(DatabaseBytes(tree), oneWriter()) << after << " folders after the remote one";
    }
    // A save hands each run on as soon as the runs before it are out: with
    // runs made by both threads, the database and the sealed journal still
    // hold the bytes of one writer.
    const QString note(200, u'n');
    for (int i = 0; i < 20000; ++i)
        AddLeaf(many, 6, QStringLiteral("Fax %1").arg(i), QString::number(5560000 + i))->SetComment(note);
    ASSERT_GT(oneWriter().size(), 4 << 20);
    SaveDatabase(tree, dir.path());
    EXPECT_EQ(ReadAll(Path("zivo.dat")), oneWriter());
    EXPECT_EQ(Journal::Unseal(ReadAll(Path("zivo.dat.txn"))), oneWriter());
}
