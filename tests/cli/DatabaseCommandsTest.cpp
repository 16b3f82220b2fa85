#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {
const QByteArray kExchange =
    "{1 0 }Business~~~~biz~~7\r\n{Fold}3\r\n"
    "{2 3 }Jane Miller~~ Jane Miller~~~~555\r\n{Pers}~~Jane~~~~Miller~~~~Office~~~~~~~~0\r\n"
    "{3 6 }Office~~+1 555 0100~~front desk~~184467\r\n{Phon}12~~0\r\n";
}

TEST(CliDatabase, ImportedExchangeFileShowsInTheTreeAndIsSaved)
{
    CliRunner cli;
    const QString file = cli.files.filePath(QStringLiteral("in.zvd"));
    cli.Write(file, kExchange);
    const auto imported = cli.Run({QStringLiteral("import"), file});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(cli.Read(cli.Path(QStringLiteral("zivo.dat"))).contains("{3 6 }Office~~+1 555 0100~~front desk~~184467"));

    const auto tree = cli.Run({QStringLiteral("tree")});
    EXPECT_EQ(tree.out, QStringLiteral("[11] My Contacts\n"
                                       "  [0] Business | biz\n"
                                       "    [3] Jane Miller |  Jane Miller\n"
                                       "      [6] Office | +1 555 0100 | front desk\n"));
    const auto sub = cli.Run({QStringLiteral("tree"), QStringLiteral("My Contacts/Business/Jane Miller")});
    EXPECT_EQ(sub.out, QStringLiteral("[3] Jane Miller |  Jane Miller\n  [6] Office | +1 555 0100 | front desk\n"));
}

TEST(CliDatabase, ErrorsPrintOneLineAndLeaveTheDatabaseAsItWas)
{
    CliRunner cli;
    const QString file = cli.files.filePath(QStringLiteral("in.zvd"));
    cli.Write(file, kExchange);
    ASSERT_EQ(cli.Run({QStringLiteral("import"), file}).exitCode, 0);
    const QByteArray before = cli.Read(cli.Path(QStringLiteral("zivo.dat")));

    const auto missing = cli.Run({QStringLiteral("import"), cli.files.filePath(QStringLiteral("nope.zvd"))});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_EQ(missing.err.count(u'\n'), 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("No such file")));

    const auto path = cli.Run({QStringLiteral("tree"), QStringLiteral("My Contacts/Nobody")});
    EXPECT_EQ(path.exitCode, 1);
    EXPECT_TRUE(path.out.isEmpty());
    EXPECT_TRUE(path.err.contains(QStringLiteral("No such node")));

    // The journal cannot be written: the save fails and the database stays.
    QFile::remove(cli.Path(QStringLiteral("zivo.dat.txn")));
    ASSERT_TRUE(QDir(cli.home.path()).mkdir(QStringLiteral("zivo.dat.txn")));
    const auto resave = cli.Run({QStringLiteral("import"), file});
    EXPECT_NE(resave.exitCode, 0);
    EXPECT_TRUE(resave.err.contains(QStringLiteral("Error saving database")));
    EXPECT_EQ(cli.Read(cli.Path(QStringLiteral("zivo.dat"))), before);

    EXPECT_EQ(cli.Run({QStringLiteral("frobnicate")}).exitCode, 2);
    EXPECT_EQ(cli.Run({QStringLiteral("--help")}).exitCode, 0);
}

TEST(CliDatabase, ResaveWritesTheSameDatabaseThroughTheJournal)
{
    CliRunner cli;
    const QString file = cli.files.filePath(QStringLiteral("in.zvd"));
    cli.Write(file, kExchange);
    ASSERT_EQ(cli.Run({QStringLiteral("import"), file}).exitCode, 0);
    const QByteArray before = cli.Read(cli.Path(QStringLiteral("zivo.dat")));
    ASSERT_EQ(cli.Run({QStringLiteral("resave")}).exitCode, 0);
    EXPECT_EQ(cli.Read(cli.Path(QStringLiteral("zivo.dat"))), before);
    EXPECT_TRUE(cli.Read(cli.Path(QStringLiteral("zivo.dat.txn"))).startsWith(before));
}
