#include "CliRunner.h"
#include "RadicaleTest.h"

#include "sync/DavClient.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// zendrivo-cli bound to a fresh Radicale address book: a database holding one
// folder "Phone", a password file, and an administrator client for the server.
class SyncCliTest : public RadicaleTest
{
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (!Ready())
            return;
        const QString start = cli.files.filePath(QStringLiteral("start.zvd"));
        cli.Write(start, "{1 0 }Phone~~~~~~5\r\n{Fold}0\r\n");
        ASSERT_EQ(cli.Run({QStringLiteral("import"), start}).exitCode, 0);
        passwordFile = cli.files.filePath(QStringLiteral("password"));
        cli.Write(passwordFile, "secret\n");
    }

    CliRunner::Result Run(QStringList args) const
    {
        args << QStringLiteral("--password-file") << passwordFile;
        return cli.Run(args);
    }

    void PutCard(const QString& name, const QString& first, const QString& last)
    {
        const QString text = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nN:%3;%2;;;\r\nFN:%2 %3\r\n"
                                            "TEL;TYPE=CELL:555\r\nEND:VCARD\r\n")
                                 .arg(name, first, last);
        const DavReply reply = admin.Send("PUT", server.Book().resolved(QUrl(name + u".vcf")), text.toUtf8(),
                                          {{"Content-Type", "text/vcard"}});
        ASSERT_TRUE(reply.Ok()) << reply.Describe().toStdString();
    }

    // The bytes and the modification time of a file of the data directory.
    std::pair<QByteArray, QDateTime> Snapshot(const QString& name) const
    {
        const QString path = cli.Path(name);
        return {cli.Read(path), QFileInfo(path).lastModified()};
    }

    CliRunner cli;
    QString passwordFile;
};

} // namespace

TEST_F(SyncCliTest, BindSyncAndUnbindFromTheCommandLine)
{
    PutCard(QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"));
    PutCard(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Jones"));
    // Only the server's address is typed: the book is discovered.
    const auto bind = Run({QStringLiteral("carddav"), QStringLiteral("bind"), QStringLiteral("My Contacts/Phone"),
                           server.Root().toString(), QStringLiteral("--user"), QStringLiteral("alice")});
    ASSERT_EQ(bind.exitCode, 0) << bind.err.toStdString();
    EXPECT_TRUE(bind.out.contains(server.Book().toString())) << bind.out.toStdString();
    EXPECT_FALSE(cli.Read(cli.Path(QStringLiteral("zvb.ini"))).contains("secret"));

    const auto first = Run({QStringLiteral("sync")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Zendrivo: 2 created"))) << first.out.toStdString();
    const auto tree = cli.Run({QStringLiteral("tree")});
    EXPECT_TRUE(tree.out.contains(QStringLiteral("Ann Lee"))) << tree.out.toStdString();
    EXPECT_TRUE(tree.out.contains(QStringLiteral("Bob Jones")));

    const auto unbind = cli.Run({QStringLiteral("carddav"), QStringLiteral("unbind"), QStringLiteral("My Contacts/Phone")});
    ASSERT_EQ(unbind.exitCode, 0) << unbind.err.toStdString();
    const auto after = Run({QStringLiteral("sync")});
    EXPECT_NE(after.exitCode, 0);
    EXPECT_TRUE(after.err.contains(QStringLiteral("No folder is bound"))) << after.err.toStdString();
}

TEST_F(SyncCliTest, SyncWithNothingChangedWritesNothing)
{
    PutCard(QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"));
    ASSERT_EQ(Run({QStringLiteral("carddav"), QStringLiteral("bind"), QStringLiteral("My Contacts/Phone"),
                   server.Book().toString(), QStringLiteral("--user"), QStringLiteral("alice")})
                  .exitCode,
              0);
    ASSERT_EQ(Run({QStringLiteral("sync")}).exitCode, 0);
    const auto database = Snapshot(QStringLiteral("zivo.dat"));
    const auto state = Snapshot(QStringLiteral("zivo.sync"));
    const auto journal = Snapshot(QStringLiteral("zivo.dat.txn"));
    ASSERT_FALSE(state.first.isEmpty());

    const auto quiet = Run({QStringLiteral("sync"), QStringLiteral("My Contacts/Phone")});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_TRUE(quiet.out.contains(QStringLiteral("0 created, 0 updated, 0 deleted; server: 0 created")))
        << quiet.out.toStdString();
    EXPECT_EQ(Snapshot(QStringLiteral("zivo.dat")), database);
    EXPECT_EQ(Snapshot(QStringLiteral("zivo.sync")), state);
    EXPECT_EQ(Snapshot(QStringLiteral("zivo.dat.txn")), journal);

    // A change on the server after the quiet sync still arrives.
    PutCard(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Jones"));
    const auto next = Run({QStringLiteral("sync")});
    ASSERT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_TRUE(next.out.contains(QStringLiteral("Zendrivo: 1 created"))) << next.out.toStdString();
}

TEST_F(SyncCliTest, FailedSyncExitsNonZeroAndLeavesDatabaseAndStateAlone)
{
    ASSERT_EQ(Run({QStringLiteral("carddav"), QStringLiteral("bind"), QStringLiteral("My Contacts/Phone"),
                   server.Book().toString(), QStringLiteral("--user"), QStringLiteral("alice")})
                  .exitCode,
              0);
    PutCard(QStringLiteral("ann"), QStringLiteral("Ann"), QStringLiteral("Lee"));
    ASSERT_EQ(Run({QStringLiteral("sync")}).exitCode, 0);
    const auto database = Snapshot(QStringLiteral("zivo.dat"));
    const auto state = Snapshot(QStringLiteral("zivo.sync"));

    PutCard(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Jones"));
    const QString wrong = cli.files.filePath(QStringLiteral("wrong"));
    cli.Write(wrong, "guess\n");
    const auto refused = cli.Run({QStringLiteral("sync"), QStringLiteral("--password-file"), wrong});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("refused the user name or password"))) << refused.err.toStdString();
    EXPECT_EQ(Snapshot(QStringLiteral("zivo.dat")), database);
    EXPECT_EQ(Snapshot(QStringLiteral("zivo.sync")), state);
}
