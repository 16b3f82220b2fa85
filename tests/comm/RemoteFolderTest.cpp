#include "PythonHttpServer.h"
#include "ScriptedServer.h"
#include "TreeBuilder.h"

#include "comm/HttpRemoteFetcher.h"
#include "comm/SocketErrors.h"
#include "model/FolderObject.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kTwoItems = "{1 6 }Hotline~~555~~~~9\r\n{Phon}~~0\r\n{1 0 }Sub~~~~~~8\r\n{Fold}0\r\n";

class RemoteFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Write(kTwoItems);
        server = std::make_unique<PythonHttpServer>(dir.path());
        if (server->Port() == 0)
            GTEST_SKIP() << "python3 http.server did not start";
    }

    // Writes the served file with a modification time in the past, so that
    // a refresh made now is later than it.
    void Write(const QByteArray& bytes, int ageSeconds = 3600)
    {
        QFile file(dir.filePath(QStringLiteral("team.zvd")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.flush();
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    }

    TFolderObject* Folder(const QString& source)
    {
        node = AddContainer(root, 0, QStringLiteral("Team"), source);
        return static_cast<TFolderObject*>(node->Item());
    }

    QTemporaryDir dir;
    std::unique_ptr<PythonHttpServer> server;
    HttpRemoteFetcher fetcher;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* node = nullptr;
};

} // namespace

TEST_F(RemoteFolderTest, FillsFromTheServerAndFetchesAgainOnlyWhenNewer)
{
    TFolderObject* folder = Folder(server->Url(QStringLiteral("team.zvd")));
    folder->Refresh();
    ASSERT_EQ(folder->Contents().size(), 1u);
    EXPECT_EQ(node->ChildCount(), 1);
    EXPECT_TRUE(node->Child(0)->Item()->InRemote());

    // Older than the last refresh: the folder keeps what it has.
    Write("{1 6 }Other~~1~~~~7\r\n{Phon}~~0\r\n", 600);
    folder->Refresh();
    EXPECT_EQ(folder->Contents()[0]->Item()->Title(), u"Hotline");

    // Changed since, later on the same day: fetched again.
    Write("{1 6 }Other~~1~~~~7\r\n{Phon}~~0\r\n", -60);
    folder->Refresh();
    ASSERT_EQ(folder->Contents().size(), 1u);
    EXPECT_EQ(folder->Contents()[0]->Item()->Title(), u"Other");
    EXPECT_EQ(node->ChildCount(), 0);
}

TEST_F(RemoteFolderTest, KeepsItsItemsWhenTheSourceIsGone)
{
    TFolderObject* folder = Folder(server->Url(QStringLiteral("team.zvd")));
    folder->Refresh();
    ASSERT_EQ(folder->Contents().size(), 1u);
    const double first = folder->LastRefresh();
    QFile::remove(dir.filePath(QStringLiteral("team.zvd")));
    try {
        folder->Refresh();
        ADD_FAILURE() << "a missing source is no error";
    } catch (const ESocketError& e) {
        EXPECT_TRUE(e.Message().startsWith(u"The server answered \"HTTP/1.0 404")) << e.Message().toStdString();
    }
    EXPECT_EQ(folder->Contents().size(), 1u);
    EXPECT_EQ(node->ChildCount(), 1);
    EXPECT_EQ(folder->LastRefresh(), first);
}

TEST(RemoteFolderServer, WithoutADateTheSourceIsFetchedOncePerRun)
{
    HttpRemoteFetcher fetcher;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    ScriptedServer server;
    server.Send("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(kTwoItems.size()) + "\r\n\r\n" + kTwoItems)
        .Close();
    TTreeNode* node = AddContainer(root, 0, QStringLiteral("Team"), server.Url(QStringLiteral("/team.zvd")));
    auto* folder = static_cast<TFolderObject*>(node->Item());
    folder->Refresh();
    ASSERT_EQ(folder->Contents().size(), 1u);
    const double first = folder->LastRefresh();
    EXPECT_GT(first, 0.0);
    folder->Refresh();
    EXPECT_EQ(folder->LastRefresh(), first);
}

TEST(RemoteFolderServer, ErrorPagesAndBrokenDownloadsAreNotImported)
{
    HttpRemoteFetcher fetcher;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    ScriptedServer notFound;
    notFound.Send("HTTP/1.1 404 Not Found\r\nContent-Length: " + QByteArray::number(kTwoItems.size()) + "\r\n\r\n"
                  + kTwoItems)
        .Close();
    ScriptedServer cutShort;
    cutShort.Send("HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n" + kTwoItems).Reset();
    for (ScriptedServer* server : {&notFound, &cutShort}) {
        const QString url = server->Url(QStringLiteral("/team.zvd"));
        TTreeNode* node = AddContainer(root, 0, QStringLiteral("Team"), url);
        auto* folder = static_cast<TFolderObject*>(node->Item());
        {
            RemoteLoadScope loading; // what an earlier refresh brought
            AddLeaf(node, 6, QStringLiteral("Kept"), QStringLiteral("1"));
        }
        try {
            folder->Refresh();
            ADD_FAILURE() << "no error for " << url.toStdString();
        } catch (const ESocketError& e) {
            EXPECT_TRUE(e.Message().endsWith(u" while retrieving " + url)) << e.Message().toStdString();
        }
        ASSERT_EQ(folder->Contents().size(), 1u);
        EXPECT_EQ(folder->Contents()[0]->Item()->Title(), u"Kept");
        EXPECT_EQ(node->ChildCount(), 0);
    }
}
