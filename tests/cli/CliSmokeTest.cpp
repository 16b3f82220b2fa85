#include <QProcess>

#include <gtest/gtest.h>

TEST(Cli, Starts)
{
    QProcess p;
    p.start(QStringLiteral(ZENDRIVO_CLI_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 0);
}
