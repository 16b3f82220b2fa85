#include "CliRunner.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A database with a person below a folder, made through the tool itself.
struct HtmlCli : ::testing::Test
{
    CliRunner cli;
    QString site = cli.files.filePath(QStringLiteral("site"));

    void SetUp() override
    {
        const QString csv = cli.files.filePath(QStringLiteral("people.csv"));
        cli.Write(csv, "\"<b>\"\"Tom & Jerry\"\"</b>\",Tom,Jerry\n");
        const CliRunner::Result in = cli.Run({QStringLiteral("import-csv"), csv, QStringLiteral("--type"),
                                              QStringLiteral("person"), QStringLiteral("--fields"),
                                              QStringLiteral("Title,First Name,Last Name")});
        ASSERT_EQ(in.exitCode, 0) << in.err.toStdString();
    }
};

TEST_F(HtmlCli, PublishesWithTheDefaultsAndTheChosenLooks)
{
    const CliRunner::Result run = cli.Run({QStringLiteral("export"), QStringLiteral("html"), site,
                                           QStringLiteral("--no-frames"), QStringLiteral("--text-color"),
                                           QStringLiteral("maroon"), QStringLiteral("--background"),
                                           QStringLiteral("sand"), QStringLiteral("--no-zvd")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList files = QDir(site).entryList(QDir::Files);
    EXPECT_TRUE(files.contains(u"My Contacts.htm"));
    EXPECT_TRUE(files.contains(u"sand.gif"));
    EXPECT_TRUE(files.contains(u"zivobtn.gif"));
    EXPECT_FALSE(files.contains(u"zivomain.zvd"));
    EXPECT_FALSE(files.contains(u"zivoindex.htm"));
    const QString page = QString::fromUtf8(cli.Read(site + u"/My Contacts.htm"));
    EXPECT_TRUE(page.contains(u"<body background=\"sand.gif\" text=Maroon link=Navy>"));
    EXPECT_TRUE(page.contains(u"<title>My Contacts</title>"));
    EXPECT_TRUE(page.contains(u"&lt;b&gt;&quot;Tom &amp; Jerry&quot;&lt;/b&gt;"));
    EXPECT_FALSE(page.contains(u"<b>\"Tom"));

    const CliRunner::Result named = cli.Run({QStringLiteral("export"), QStringLiteral("html"), site,
                                             QStringLiteral("--main"), QStringLiteral("index.htm"),
                                             QStringLiteral("--title"), QStringLiteral("Our people")});
    ASSERT_EQ(named.exitCode, 0) << named.err.toStdString();
    EXPECT_TRUE(cli.Read(site + u"/zivomain.htm").contains("<h2>Our people</h2>"));
    EXPECT_TRUE(cli.Read(site + u"/index.htm").contains("<frameset"));
}

TEST_F(HtmlCli, WrongChoicesFailWithOneLine)
{
    const QString plain = cli.files.filePath(QStringLiteral("plain"));
    cli.Write(plain, "x");
    const QList<QStringList> wrong{
        {QStringLiteral("--text-color"), QStringLiteral("Mauve")},
        {QStringLiteral("--link-color"), QStringLiteral("#123456")},
        {QStringLiteral("--background"), QStringLiteral("plaid")},
        {QStringLiteral("--levels"), QStringLiteral("10")},
        {QStringLiteral("--main"), QStringLiteral("zivoindex.htm")},
        {QStringLiteral("--node"), QStringLiteral("My Contacts/Nobody")},
    };
    for (const QStringList& options : wrong) {
        const CliRunner::Result run =
            cli.Run(QStringList{QStringLiteral("export"), QStringLiteral("html"), site} + options);
        EXPECT_NE(run.exitCode, 0) << options.join(u' ').toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(site));
    const CliRunner::Result blocked =
        cli.Run({QStringLiteral("export"), QStringLiteral("html"), plain + u"/site"});
    EXPECT_NE(blocked.exitCode, 0);
    EXPECT_TRUE(blocked.err.contains(plain)) << blocked.err.toStdString();
}

} // namespace
