#include "TreeBuilder.h"
#include "FileBytes.h"

#include "model/Exceptions.h"
#include "ui/shell/AutoSaver.h"
#include "ui/shell/DesktopDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
// A tree with its root, as the main window makes it.
struct Desktop
{
    explicit Desktop(const QString& dir) : database(tree, dir)
    {
        tree.CreateRoot();
        database.LoadAtStart();
    }
    TItemTree tree;
    DesktopDatabase database;
};

class DesktopDatabaseTest : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    QTemporaryDir state;
};
} // namespace

TEST_F(DesktopDatabaseTest, AnUnsavedChangeIsCopiedWithinSecondsAndOfferedAfterACrash)
{
    const QString copy = Path(AutoSaver::FileName());
    {
        Desktop crashed(dir.path());
        AddContainer(crashed.tree.Root(), 3, QStringLiteral("Unsaved Person"));
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(copy); }, 5000));
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_TRUE(ReadAll(copy).contains("Unsaved Person~~"));
        // The copy is no save: the database is what the user last saved.
        EXPECT_FALSE(QFile::exists(Path(QStringLiteral("zivo.dat"))));
        // The object ends here without a save, as a crash would.
    }
    Desktop next(dir.path());
    EXPECT_TRUE(next.tree.Root()->Children().empty());
    ASSERT_TRUE(next.database.HasNewerAutosave());
    QString error;
    ASSERT_TRUE(next.database.RestoreAutosave(&error)) << error.toStdString();
    ASSERT_EQ(next.tree.Root()->Children().size(), 1u);
    EXPECT_EQ(next.tree.Root()->Children()[0]->Item()->Title(), QStringLiteral("Unsaved Person"));

    // Saving makes the copy pointless; the next start is clean.
    next.database.Save();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(ReadAll(Path(QStringLiteral("zivo.dat"))).contains("Unsaved Person~~"));
    Desktop clean(dir.path());
    EXPECT_FALSE(clean.database.HasNewerAutosave());
    EXPECT_EQ(clean.tree.Root()->Children().size(), 1u);
}

TEST_F(DesktopDatabaseTest, ACopyOlderThanTheDatabaseIsNotOffered)
{
    Desktop desktop(dir.path());
    AddContainer(desktop.tree.Root(), 0, QStringLiteral("Folder"));
    ASSERT_TRUE(desktop.database.Autosave().WriteNow());
    ASSERT_TRUE(QFile::exists(desktop.database.Autosave().Path()));
    // A later save by the command line makes the copy stale.
    QFile database(Path(QStringLiteral("zivo.dat")));
    ASSERT_TRUE(database.open(QIODevice::WriteOnly));
    database.write("{Params}\r\n");
    database.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    database.close();
    EXPECT_FALSE(desktop.database.HasNewerAutosave());
}

TEST_F(DesktopDatabaseTest, ADatabaseThatIsAFifoNeitherHangsTheStartNorIsSavedOver)
{
    const QString path = Path(QStringLiteral("zivo.dat"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    Desktop desktop(dir.path());
    EXPECT_TRUE(desktop.database.ReadOnly());
    EXPECT_TRUE(desktop.database.LoadError().contains(QStringLiteral("not a regular file")));

    AddContainer(desktop.tree.Root(), 3, QStringLiteral("Typed while read-only"));
    EXPECT_THROW(desktop.database.Save(), ESaveError);
    EXPECT_TRUE(desktop.database.SaveAtExit(1000));
    EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("zivo.dat.txn"))));
    EXPECT_FALSE(desktop.database.Autosave().Pending());
}

TEST_F(DesktopDatabaseTest, AnExitSaveThatFailsPutsTheTreeInARescueFile)
{
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    // A directory where the journal belongs fails the save even for root.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("zivo.dat.txn")));
    Desktop desktop(dir.path());
    AddContainer(desktop.tree.Root(), 3, QStringLiteral("Rescued Person"));
    EXPECT_FALSE(desktop.database.SaveAtExit(3000));
    qunsetenv("XDG_STATE_HOME");

    const QStringList rescued = QDir(state.filePath(QStringLiteral("zendrivo"))).entryList(QDir::Files);
    ASSERT_EQ(rescued.size(), 1);
    EXPECT_TRUE(rescued[0].startsWith(QStringLiteral("zivo-rescue-")));
    EXPECT_TRUE(ReadAll(state.filePath(QStringLiteral("zendrivo/") + rescued[0])).contains("Rescued Person~~"));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("zivo.dat"))));
}
