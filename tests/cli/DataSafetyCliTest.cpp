#include "CliRunner.h"

#include <QDir>
#include <QFile>

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
    CliRunner cli;
    const QString link = cli.files.filePath(QStringLiteral("x.zvd"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), link));
    const auto run = cli.Run({QStringLiteral("export"), QStringLiteral("zvd"), link});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("not a regular file"))) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
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
