#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
const QByteArray kCard = "begin:vcard\r\nN:Lee;Ann\r\nTITLE:Ann Lee\r\nend:vcard\r\n";
}

// A database that is there but cannot be read is never replaced by the
// empty tree a failed load leaves.
TEST(CliDataSafety, AFailedLoadIsNeverSavedAndTheRunFails)
{
    CliRunner cli;
    const QByteArray damaged = "{Params}\r\nthis is not a database\r\n";
    cli.Write(cli.Path(QStringLiteral("zivo.dat")), damaged);
    const QString card = cli.files.filePath(QStringLiteral("c.vcf"));
    cli.Write(card, kCard);
    for (const QStringList& args : {QStringList{QStringLiteral("import"), card}, QStringList{QStringLiteral("resave")},
                                    QStringList{QStringLiteral("tree")}}) {
        const auto run = cli.Run(args);
        EXPECT_NE(run.exitCode, 0) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("no records"))) << run.err.toStdString();
    }
    EXPECT_EQ(cli.Read(cli.Path(QStringLiteral("zivo.dat"))), damaged);
}

TEST(CliDataSafety, AFifoNeverHangsTheTool)
{
    CliRunner cli;
    ASSERT_EQ(::mkfifo(QFile::encodeName(cli.Path(QStringLiteral("zivo.dat"))).constData(), 0600), 0);
    const auto tree = cli.Run({QStringLiteral("tree")});
    EXPECT_NE(tree.exitCode, 0);
    EXPECT_TRUE(tree.err.contains(QStringLiteral("named pipe"))) << tree.err.toStdString();
    QFile::remove(cli.Path(QStringLiteral("zivo.dat")));

    const QString pipe = cli.files.filePath(QStringLiteral("in.vcf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto import = cli.Run({QStringLiteral("import"), pipe});
    EXPECT_NE(import.exitCode, 0);
    EXPECT_TRUE(import.err.contains(QStringLiteral("Not a regular file"))) << import.err.toStdString();
}

TEST(CliDataSafety, TheJournalRestoresALostDatabaseWithAMessage)
{
    CliRunner cli;
    const QString card = cli.files.filePath(QStringLiteral("c.vcf"));
    cli.Write(card, kCard);
    ASSERT_EQ(cli.Run({QStringLiteral("import"), card}).exitCode, 0);
    QFile::remove(cli.Path(QStringLiteral("zivo.dat")));
    const auto tree = cli.Run({QStringLiteral("tree")});
    ASSERT_EQ(tree.exitCode, 0) << tree.err.toStdString();
    EXPECT_TRUE(tree.out.contains(QStringLiteral("Ann Lee")));
    EXPECT_TRUE(tree.err.contains(QStringLiteral("using the journal zivo.dat.txn"))) << tree.err.toStdString();
}

TEST(CliDataSafety, ImportsWarnAboutWhatTheyLeftOutAndStillSucceed)
{
    CliRunner cli;
    QByteArray bytes = "begin:vcard\r\nN:Many;Phones\r\n";
    for (int i = 0; i < 10010; ++i)
        bytes += "TEL:" + QByteArray::number(i) + "\r\n";
    bytes += "end:vcard\r\n";
    const QString card = cli.files.filePath(QStringLiteral("many.vcf"));
    cli.Write(card, bytes);
    const auto run = cli.Run({QStringLiteral("import"), card});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.count(QStringLiteral("warning:")), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("line(s) beyond that were left out")));
}

TEST(CliDataSafety, ExportsNeverReplaceADeviceOrPipe)
{
    // A pipe stands in for a device: a faulty writer would replace it.
    CliRunner cli;
    const QString fifo = cli.files.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = cli.files.filePath(QStringLiteral("x.zvd"));
    ASSERT_TRUE(QFile::link(fifo, link));
    const auto run = cli.Run({QStringLiteral("export"), QStringLiteral("zvd"), link});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("not a regular file"))) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

// Ids were seeded from the time of day, so runs a few seconds apart gave
// their new items the same ids.
TEST(CliDataSafety, ImportsInQuickSuccessionGiveDistinctIds)
{
    CliRunner cli;
    const QString card = cli.files.filePath(QStringLiteral("c.vcf"));
    cli.Write(card, kCard);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(cli.Run({QStringLiteral("import"), card}).exitCode, 0);
    const QList<QByteArray> lines = cli.Read(cli.Path(QStringLiteral("zivo.dat"))).split('\n');
    QSet<QByteArray> ids;
    int records = 0;
    for (const QByteArray& line : lines) {
        if (!line.startsWith("{1 3 }"))
            continue;
        ++records;
        ids.insert(line.trimmed().split('~').last());
    }
    EXPECT_EQ(records, 3);
    EXPECT_EQ(ids.size(), 3);
}

// Levels were read as 16-bit numbers: a hostile exchange file could wrap
// them and move the user's own items into its junk folders.
TEST(CliDataSafety, AnImportNeverMovesTheUsersOwnItems)
{
    CliRunner cli;
    const QString mine = cli.files.filePath(QStringLiteral("mine.zvd"));
    cli.Write(mine, "{1 0 }Mine~~~~~~5\r\n{Fold}0\r\n");
    ASSERT_EQ(cli.Run({QStringLiteral("import"), mine}).exitCode, 0);
    const QString junk = cli.files.filePath(QStringLiteral("junk.zvd"));
    cli.Write(junk, "{1 0 }Junk~~~~~~6\r\n{Fold}0\r\n{65537 0 }Deeper~~~~~~7\r\n{Fold}0\r\n"
                    "{32768 6 }Phone~~~~~~8\r\n{Phon}~~0\r\n");
    ASSERT_EQ(cli.Run({QStringLiteral("import"), junk}).exitCode, 0);
    const auto tree = cli.Run({QStringLiteral("tree")});
    EXPECT_EQ(tree.out, QStringLiteral("[11] My Contacts\n"
                                       "  [0] Junk\n"
                                       "    [6] Phone\n"
                                       "    [0] Deeper\n"
                                       "  [0] Mine\n"));

    // Deeper than folders may nest: refused whole, the database untouched.
    const QByteArray before = cli.Read(cli.Path(QStringLiteral("zivo.dat")));
    QByteArray chain;
    for (int level = 1; level <= 1200; ++level)
        chain += "{" + QByteArray::number(level) + " 0 }F~~~~~~" + QByteArray::number(level + 100) + "\r\n{Fold}0\r\n";
    const QString deep = cli.files.filePath(QStringLiteral("deep.zvd"));
    cli.Write(deep, chain);
    const auto refused = cli.Run({QStringLiteral("import"), deep});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("more than 1000 levels"))) << refused.err.toStdString();
    EXPECT_EQ(cli.Read(cli.Path(QStringLiteral("zivo.dat"))), before);
}
