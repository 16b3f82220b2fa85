#include "CliRunner.h"
#include "PythonHttpServer.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

const QByteArray kShared = "{1 6 }Hotline~~555~~~~9\r\n{Phon}~~0\r\n{1 0 }Sub~~~~~~8\r\n{Fold}0\r\n"
                           "{2 7 }Desk~~desk@example.org~~~~10\r\n{EMai}\r\n";
const QByteArray kLocal = "{1 0 }Team~~~~~~5\r\n{Fold}0\r\n{1 0 }Plain~~~~~~6\r\n{Fold}0\r\n"
                          "{2 6 }Kept~~1~~~~7\r\n{Phon}~~0\r\n";

class CliRemoteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString file = cli.files.filePath(QStringLiteral("start.zvd"));
        cli.Write(file, kLocal);
        ASSERT_EQ(cli.Run({QStringLiteral("import"), file}).exitCode, 0);
    }
    CliRunner::Result Run(const QStringList& args) const { return cli.Run(args); }
    QByteArray Database() const { return cli.Read(cli.Path(QStringLiteral("zivo.dat"))); }

    CliRunner cli;
};

} // namespace

TEST_F(CliRemoteTest, SourceShowsSetsAndClearsWithTheDialogsRules)
{
    const QString shared = cli.files.filePath(QStringLiteral("shared.zvd"));
    cli.Write(shared, kShared);
    const auto set = Run({u"source"_qs, u"My Contacts/Team"_qs, shared});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(Run({u"source"_qs, u"My Contacts/Team"_qs}).out, shared + u'\n');
    const QByteArray record = "{1 0 }Team~~" + shared.toUtf8() + "~~~~5";
    EXPECT_TRUE(Database().contains(record));

    // A folder that holds items keeps them unless told otherwise.
    const auto refused = Run({u"source"_qs, u"My Contacts/Plain"_qs, u"http://127.0.0.1:1/x.zvd"_qs});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains(u"--replace"));
    EXPECT_TRUE(Database().contains("Kept"));
    EXPECT_NE(Run({u"source"_qs, u"My Contacts/Plain/Kept"_qs, u"x.zvd"_qs}).exitCode, 0);
    EXPECT_NE(Run({u"source"_qs, u"My Contacts/Plain"_qs, u"ftp://example.org/x.zvd"_qs}).exitCode, 0);

    ASSERT_EQ(Run({u"source"_qs, u"My Contacts/Team"_qs, QString()}).exitCode, 0);
    EXPECT_EQ(Run({u"source"_qs, u"My Contacts/Team"_qs}).out, u"\n");
}

TEST_F(CliRemoteTest, RefreshFetchesOverHttpAndKeepsEverythingOnFailure)
{
    cli.Write(cli.files.filePath(QStringLiteral("shared.zvd")), kShared);
    PythonHttpServer server(cli.files.path());
    if (server.Port() == 0)
        GTEST_SKIP() << "python3 http.server did not start";
    ASSERT_EQ(Run({u"source"_qs, u"My Contacts/Team"_qs, server.Url(u"shared.zvd"_qs)}).exitCode, 0);
    const auto refreshed = Run({u"refresh"_qs, u"My Contacts/Team"_qs});
    ASSERT_EQ(refreshed.exitCode, 0) << refreshed.err.toStdString();
    EXPECT_EQ(refreshed.out, u"3\n"); // the phone, the folder and the e-mail inside it
    // What a remote folder holds is fetched again on each start, never saved.
    EXPECT_FALSE(Database().contains("Hotline"));

    ASSERT_EQ(Run({u"source"_qs, u"My Contacts/Team"_qs, server.Url(u"missing.zvd"_qs)}).exitCode, 0);
    const QByteArray before = Database();
    const auto failed = Run({u"refresh"_qs, u"My Contacts/Team"_qs});
    EXPECT_NE(failed.exitCode, 0);
    EXPECT_TRUE(failed.err.contains(u"404")) << failed.err.toStdString();
    EXPECT_TRUE(failed.err.contains(u" while retrieving " + server.Url(u"missing.zvd"_qs)));
    EXPECT_EQ(Database(), before);
    EXPECT_NE(Run({u"refresh"_qs, u"My Contacts/Plain"_qs}).exitCode, 0); // not remote
}

TEST_F(CliRemoteTest, BrowserUrlNamesTheReasonWithoutABrowser)
{
    cli.Write(cli.Path(QStringLiteral("zvb.ini")), "[Browser]\r\nDebugPort=1\r\n");
    const auto result = Run({u"browser-url"_qs});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.startsWith(u"zendrivo-cli: No web browser answers on port 1")) << result.err.toStdString();
}

TEST_F(CliRemoteTest, ImportSaysHowManyRecordsInsideRemoteFoldersItLeftOut)
{
    const QString file = cli.files.filePath(QStringLiteral("with-remote.zvd"));
    cli.Write(file, "{1 0 }Feed~~http://127.0.0.1:1/feed.zvd~~~~20\r\n{Fold}0\r\n"
                    "{2 6 }Inside~~1~~~~21\r\n{Phon}~~0\r\n{2 0 }Deeper~~~~~~22\r\n{Fold}0\r\n"
                    "{1 6 }Outside~~2~~~~23\r\n{Phon}~~0\r\n");
    const auto imported = Run({u"import"_qs, file});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, u"Imported 2 item(s)\n");
    EXPECT_TRUE(imported.err.contains(u"2 record(s) inside remote folders were left out"_qs)) << imported.err.toStdString();
}
