#include "TreeBuilder.h"
#include "FileBytes.h"

#include "model/Database.h"
#include "model/Exceptions.h"
#include "model/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QStringList ChildTitles(const TTreeNode* node)
{
    QStringList titles;
    for (const auto& child : node->Children())
        titles.append(child->Item()->Title());
    return titles;
}

const QByteArray kDatabase = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }Friends~~~~~~11\r\n{Fold}0\r\n"
                             "{2 3 }Ann~~Ann Lee~~~~12\r\n{Pers}~~Ann~~~~Lee~~~~~~~~~~~~0\r\n";

class LoadSafety : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
};
} // namespace

// A database that is there but cannot be read must never come back as an
// empty tree that the next save writes over it.
TEST_F(LoadSafety, AFailedLoadIsNeverSavedOverTheDatabase)
{
    const QByteArray garbage = "{Params}\r\nnot a record\r\nnor this\r\n";
    WriteAll(Path("zivo.dat"), garbage);
    const TLoadResult load = LoadDatabase(root, dir.path());
    EXPECT_EQ(load.status, TLoadResult::Status::Failed);
    EXPECT_TRUE(load.message.contains(u"no records")) << load.message.toStdString();
    EXPECT_TRUE(tree.LoadFailed());
    AddContainer(root, 0, QStringLiteral("typed after the failure"));
    EXPECT_THROW(SaveDatabase(tree, dir.path()), ESaveError);
    EXPECT_EQ(ReadAll(Path("zivo.dat")), garbage);

    // A directory in the database's place is no empty database either.
    QFile::remove(Path("zivo.dat"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("zivo.dat")));
    TItemTree other;
    EXPECT_TRUE(LoadDatabase(other.CreateRoot(), dir.path()).Failed());
    EXPECT_THROW(SaveDatabase(other, dir.path()), ESaveError);
}

TEST_F(LoadSafety, OnlyAMissingDatabaseMeansAnEmptyTree)
{
    TLoadResult load = LoadDatabase(root, dir.path());
    EXPECT_EQ(load.status, TLoadResult::Status::Missing);
    EXPECT_FALSE(tree.LoadFailed());
    SaveDatabase(tree, dir.path());

    // Only the parameters line, or blank lines after it, is a good empty database.
    WriteAll(Path("zivo.dat"), "{Params}\r\n\r\n");
    TItemTree again;
    load = LoadDatabase(again.CreateRoot(), dir.path());
    EXPECT_EQ(load.status, TLoadResult::Status::Loaded);
    EXPECT_FALSE(again.LoadFailed());
}

TEST_F(LoadSafety, AnUnopenableDatabaseFailsTheLoad)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    WriteAll(Path("zivo.dat"), kDatabase);
    ASSERT_EQ(::chmod(QFile::encodeName(Path("zivo.dat")).constData(), 0200), 0);
    const TLoadResult load = LoadDatabase(root, dir.path());
    EXPECT_TRUE(load.Failed());
    EXPECT_TRUE(load.message.contains(u"Permission denied")) << load.message.toStdString();
    EXPECT_THROW(SaveDatabase(tree, dir.path()), ESaveError);
}

TEST_F(LoadSafety, AFifoInTheDatabasesPlaceFailsAtOnce)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("zivo.dat")).constData(), 0600), 0);
    const TLoadResult load = LoadDatabase(root, dir.path());
    EXPECT_TRUE(load.Failed());
    EXPECT_TRUE(load.message.contains(u"named pipe")) << load.message.toStdString();
    EXPECT_THROW(SaveDatabase(tree, dir.path()), ESaveError);
}

TEST_F(LoadSafety, Utf16AndCarriageReturnOnlyDatabasesRead)
{
    const QString text = QString::fromUtf8(kDatabase);
    QByteArray le("\xFF\xFE", 2);
    le.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    WriteAll(Path("zivo.dat"), le);
    ASSERT_EQ(LoadDatabase(root, dir.path()).status, TLoadResult::Status::Loaded);
    ASSERT_EQ(ChildTitles(root), QStringList{QStringLiteral("Friends")});
    EXPECT_EQ(ChildTitles(root->Child(0)), QStringList{QStringLiteral("Ann")});

    QByteArray be("\xFE\xFF", 2);
    for (QChar c : text) {
        be.append(static_cast<char>(c.unicode() >> 8));
        be.append(static_cast<char>(c.unicode() & 0xFF));
    }
    WriteAll(Path("zivo.dat"), be);
    TItemTree big;
    ASSERT_EQ(LoadDatabase(big.CreateRoot(), dir.path()).status, TLoadResult::Status::Loaded);
    EXPECT_EQ(DatabaseText(big), DatabaseText(tree));

    QByteArray cr = kDatabase;
    cr.replace("\r\n", "\r");
    WriteAll(Path("zivo.dat"), cr);
    TItemTree mac;
    ASSERT_EQ(LoadDatabase(mac.CreateRoot(), dir.path()).status, TLoadResult::Status::Loaded);
    EXPECT_EQ(DatabaseText(mac), DatabaseText(tree));
}

TEST_F(LoadSafety, TheMemoryCapRefusesAnOversizedDatabase)
{
    QFile big(Path("zivo.dat"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(RegularFile::kMaxBytes + 1)); // sparse: nothing is written
    big.close();
    const TLoadResult load = LoadDatabase(root, dir.path());
    EXPECT_TRUE(load.Failed());
    EXPECT_TRUE(load.message.contains(u"larger than 256 MB")) << load.message.toStdString();
}

TEST_F(LoadSafety, RevertKeepsTheTreeWhenTheDatabaseCannotBeRead)
{
    AddContainer(root, 0, QStringLiteral("mine"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("zivo.dat")).constData(), 0600), 0);
    EXPECT_TRUE(RevertToSaved(tree, dir.path()).Failed());
    EXPECT_EQ(ChildTitles(root), QStringList{QStringLiteral("mine")});
}

TEST(RegularFile, OnlyRegularFilesAreReadAndWrittenOver)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.zvd"));
    WriteAll(file, "abc");
    const QString link = dir.filePath(QStringLiteral("link.zvd"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_EQ(RegularFile::Read(link), QByteArray("abc")) << "a link to a regular file is followed";
    EXPECT_THROW(RegularFile::Read(QStringLiteral("/dev/null")), EReadError);
    EXPECT_THROW(RegularFile::Read(dir.path()), EReadError);
    EXPECT_THROW(RegularFile::Read(file, 2), EReadError) << "over the cap";
    EXPECT_EQ(RegularFile::ReadHead(file, 2), QByteArray("ab"));

    const QString device = dir.filePath(QStringLiteral("device.zvd"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));
    EXPECT_THROW(RegularFile::CheckWriteTarget(device), EZendrivoError); // only looked at, never written
    EXPECT_NO_THROW(RegularFile::CheckWriteTarget(link));
    EXPECT_NO_THROW(RegularFile::CheckWriteTarget(dir.filePath(QStringLiteral("new.zvd"))));
    EXPECT_EQ(RegularFile::ResolvedWriteTarget(link), QFileInfo(file).canonicalFilePath());
}
