#include "TreeBuilder.h"
#include "FileBytes.h"

#include "ui/panes/ItemListModel.h"
#include "ui/shell/AutoSaver.h"
#include "ui/shell/DesktopDatabase.h"
#include "ui/shell/HandedCommand.h"
#include "ui/shell/StartupRecovery.h"
#include "ui/shell/TMainForm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
using StartupRecovery::Answer;

// The main window on a data directory of its own, which is also the
// current directory, as the program runs it.
class DesktopStartTest : public ::testing::Test
{
protected:
    DesktopStartTest()
    {
        qputenv("ZENDRIVO_HOME", dir.path().toUtf8());
        QDir::setCurrent(dir.path());
    }
    ~DesktopStartTest() override
    {
        qunsetenv("ZENDRIVO_HOME");
        QDir::setCurrent(QDir::tempPath());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // Leaves a crash copy holding one person, as a run that died would.
    void LeaveCrashCopy()
    {
        TMainForm crashed;
        AddContainer(crashed.Tree().Root(), 3, QStringLiteral("From The Crash"));
        ASSERT_TRUE(crashed.Database().Autosave().WriteNow());
    }

    // Answers the questions as told and records which were asked.
    StartupRecovery::Questions Answering(Answer readOnly, Answer restore)
    {
        StartupRecovery::Questions ask;
        ask.restoreJournal = [this, restore](const QString& reason, const QDateTime&) {
            asked.append(QStringLiteral("journal: ") + reason);
            return restore;
        };
        ask.openReadOnly = [this, readOnly](const QString& error) {
            asked.append(QStringLiteral("read-only: ") + error);
            return readOnly;
        };
        ask.restoreAutosave = [this, restore](const QDateTime&) {
            asked.append(QStringLiteral("restore"));
            return restore;
        };
        return ask;
    }

    QTemporaryDir dir;
    QTemporaryDir files;
    QStringList asked;
};
} // namespace

TEST_F(DesktopStartTest, ACrashCopyIsRestoredDiscardedOrKeptAsAnswered)
{
    LeaveCrashCopy();
    const QString copy = Path(AutoSaver::FileName());
    {
        // Ending the program while asked leaves the copy for the next start.
        TMainForm form;
        EXPECT_FALSE(StartupRecovery::Run(form, Answering(Answer::Yes, Answer::Cancelled)));
        EXPECT_TRUE(QFile::exists(copy));
    }
    {
        TMainForm form;
        EXPECT_TRUE(StartupRecovery::Run(form, Answering(Answer::Yes, Answer::Yes)));
        ASSERT_EQ(form.Tree().Root()->Children().size(), 1u);
        EXPECT_EQ(form.Tree().Root()->Children()[0]->Item()->Title(), QStringLiteral("From The Crash"));
        EXPECT_EQ(form.ListModel()->rowCount(), 1);
        // Restored is not saved: the copy stays until the user saves.
        EXPECT_FALSE(QFile::exists(Path(QStringLiteral("zivo.dat"))));
        EXPECT_TRUE(QFile::exists(copy));
    }
    {
        TMainForm form;
        EXPECT_TRUE(StartupRecovery::Run(form, Answering(Answer::Yes, Answer::No)));
        EXPECT_TRUE(form.Tree().Root()->Children().empty());
        EXPECT_FALSE(QFile::exists(copy));
    }
    EXPECT_EQ(asked, QStringList(3, QStringLiteral("restore")));
    TMainForm clean;
    EXPECT_TRUE(StartupRecovery::Run(clean, Answering(Answer::No, Answer::No)));
    EXPECT_EQ(asked.size(), 3);
}

TEST_F(DesktopStartTest, ADatabaseThatFailsToLoadStartsReadOnlyOrQuits)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path(QStringLiteral("zivo.dat"))).constData(), 0600), 0);
    {
        TMainForm form;
        EXPECT_FALSE(StartupRecovery::Run(form, Answering(Answer::No, Answer::Yes)));
    }
    TMainForm form;
    EXPECT_TRUE(StartupRecovery::Run(form, Answering(Answer::Yes, Answer::Yes)));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[1].contains(QStringLiteral("not a regular file")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zendrivo (read-only)"));

    // A command handed over while read-only is refused, not run on an empty tree.
    const HandOver::Reply reply = RunHandedCommand(form, {QStringLiteral("resave")}, files.path());
    EXPECT_EQ(reply.exitCode, 1);
    EXPECT_TRUE(reply.err.contains(QStringLiteral("read-only")));
    form.SaveAtExit();
    EXPECT_FALSE(form.ExitSaveFailed());
    EXPECT_FALSE(QFileInfo(Path(QStringLiteral("zivo.dat"))).isFile());
}

TEST_F(DesktopStartTest, ACompleteJournalIsOfferedWhenTheDatabaseIsLost)
{
    {
        TMainForm saved;
        AddContainer(saved.Tree().Root(), 3, QStringLiteral("Only In The Journal"));
        saved.SaveForCommand();
    }
    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("zivo.dat"))));
    {
        // Quitting at the question keeps both files as they are.
        TMainForm form;
        EXPECT_FALSE(StartupRecovery::Run(form, Answering(Answer::No, Answer::Cancelled)));
    }
    TMainForm form;
    EXPECT_TRUE(StartupRecovery::Run(form, Answering(Answer::No, Answer::Yes)));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[1].startsWith(QStringLiteral("journal: ")));
    ASSERT_EQ(form.Tree().Root()->Children().size(), 1u);
    EXPECT_EQ(form.Tree().Root()->Children()[0]->Item()->Title(), QStringLiteral("Only In The Journal"));
    EXPECT_FALSE(form.Database().ReadOnly());
    form.SaveAtExit();
    EXPECT_TRUE(ReadAll(Path(QStringLiteral("zivo.dat"))).contains("}Only In The Journal~~"));
}

TEST_F(DesktopStartTest, AHandedOverCommandThatFailsLeavesTheLiveTreeAsItWas)
{
    TMainForm form;
    AddContainer(form.Tree().Root(), 0, QStringLiteral("Unsaved Folder"));
    const QString card = files.filePath(QStringLiteral("a.vcf"));
    {
        QFile f(card);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Half;Imported\r\nFN:Half Imported\r\nEND:VCARD\r\n");
    }
    // Too large to be a card file: the import fails after the first file went in.
    QFile big(files.filePath(QStringLiteral("big.vcf")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64(1) << 31));
    big.close();

    const HandOver::Reply failed =
        RunHandedCommand(form, {QStringLiteral("import"), QStringLiteral("a.vcf"), QStringLiteral("big.vcf")}, files.path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("larger than"))) << failed.err.toStdString();
    ASSERT_EQ(form.Tree().Root()->Children().size(), 1u);
    EXPECT_EQ(form.Tree().Root()->Children()[0]->Item()->Title(), QStringLiteral("Unsaved Folder"));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("zivo.dat"))));

    // A relative path names a file of the sender's directory; the program's stays the data directory.
    const HandOver::Reply imported = RunHandedCommand(form, {QStringLiteral("import"), QStringLiteral("a.vcf")}, files.path());
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("Imported 1 item(s)\n"));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    const QByteArray saved = ReadAll(Path(QStringLiteral("zivo.dat")));
    EXPECT_TRUE(saved.contains("}Half Imported~~"));
    EXPECT_TRUE(saved.contains("}Unsaved Folder~~"));
}

TEST_F(DesktopStartTest, ChangesAfterALogoutThatWasCancelledAreSavedAtTheEnd)
{
    TMainForm form;
    AddContainer(form.Tree().Root(), 3, QStringLiteral("Before Logout"));
    form.SaveForSession();
    EXPECT_TRUE(ReadAll(Path(QStringLiteral("zivo.dat"))).contains("}Before Logout~~"));
    AddContainer(form.Tree().Root(), 3, QStringLiteral("After Cancelled Logout"));
    form.SaveAtExit();
    EXPECT_FALSE(form.ExitSaveFailed());
    EXPECT_TRUE(ReadAll(Path(QStringLiteral("zivo.dat"))).contains("}After Cancelled Logout~~"));
}
