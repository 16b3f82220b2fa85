#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(CliFind, PrintsTheMatchesPathOrNothingWithExitOne)
{
    CliRunner cli;
    const QString file = cli.files.filePath(QStringLiteral("in.zvd"));
    cli.Write(file, "{1 0 }Business~~~~~~1\r\n{Fold}0\r\n{2 3 }Jane Miller~~~~~~2\r\n{Pers}~~~~~~~~~~~~~~~~~~0\r\n"
                    "{3 6 }Office~~555.123.4567~~~~3\r\n{Phon}~~0\r\n{1 0 }Smiths~~~~~~4\r\n{Fold}0\r\n");
    ASSERT_EQ(cli.Run({QStringLiteral("import"), file}).exitCode, 0);
    EXPECT_EQ(cli.Run({QStringLiteral("find"), QStringLiteral("mil")}).out, QStringLiteral("My Contacts/Business/Jane Miller\n"));
    EXPECT_EQ(cli.Run({QStringLiteral("find"), QStringLiteral("off")}).out, QStringLiteral("My Contacts/Business/Jane Miller/Office\n"));
    EXPECT_EQ(cli.Run({QStringLiteral("find"), QStringLiteral("sm"), QStringLiteral("--from"),
                       QStringLiteral("My Contacts/Business")}).out,
              QStringLiteral("My Contacts/Smiths\n"));
    EXPECT_EQ(cli.Run({QStringLiteral("find-phone"), QStringLiteral("(555) 123-4567")}).out,
              QStringLiteral("My Contacts/Business/Jane Miller/Office\n"));
    const auto none = cli.Run({QStringLiteral("find"), QStringLiteral("nobody")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
}
