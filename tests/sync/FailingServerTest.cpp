#include "TreeBuilder.h"

#include "model/ClassCodes.h"
#include "model/PersonObject.h"
#include "sync/DavClient.h"
#include "sync/FolderSync.h"
#include "sync/RemoteSync.h"
#include "sync/SyncState.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>

namespace {

// A server that answers every request with the same bytes and may hang up
// before the body it announced is complete.
class CannedServer
{
public:
    explicit CannedServer(QByteArray answer) : m_answer(std::move(answer))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request += socket->readAll();
                    if (!m_request.contains("\r\n\r\n"))
                        return;
                    socket->write(m_answer);
                    socket->flush();
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl Book() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/alice/book/").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
    QByteArray m_answer;
    QByteArray m_request;
};

class FailingServer : public ::testing::TestWithParam<const char*>
{
};

TEST_P(FailingServer, LeavesTheFolderAndTheStateAsTheyWere)
{
    CannedServer server(GetParam());
    TItemTree tree;
    TTreeNode* folder = AddContainer(tree.CreateRoot(), ClassCode::Folder, QStringLiteral("Phone"));
    TTreeNode* ann = AddContainer(folder, ClassCode::Person, QStringLiteral("Ann Smith"));
    AddLeaf(ann, ClassCode::Phone, QStringLiteral("Cellular"), QStringLiteral("100"));
    SyncState state;
    FolderSyncState kept;
    kept.url = server.Book().toString();
    kept.syncToken = QStringLiteral("http://radicale.org/ns/sync/1");
    kept.entries.push_back({ann->Item()->Id(), QStringLiteral("/alice/book/a.vcf"), QStringLiteral("\"e1\""),
                            QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("BEGIN:VCARD\r\nEND:VCARD\r\n")});
    state.SetFolder(folder->Item()->Id(), kept);

    DavClient client(QStringLiteral("alice"), QStringLiteral("secret"));
    EXPECT_THROW(FolderSync::Run(folder, server.Book(), client, state), ESyncError);
    ASSERT_EQ(folder->ChildCount(), 1);
    EXPECT_EQ(folder->Child(0)->Item()->Title(), QStringLiteral("Ann Smith"));
    EXPECT_EQ(folder->Child(0)->Item()->Contents().size(), 1U);
    const FolderSyncState after = state.ForFolder(folder->Item()->Id(), server.Book().toString());
    EXPECT_EQ(after.syncToken, kept.syncToken);
    ASSERT_EQ(after.entries.size(), 1U);
    EXPECT_EQ(after.entries[0].etag, QStringLiteral("\"e1\""));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FailingServer,
    ::testing::Values("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n",
                      "HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\n\r\n",
                      "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: 4000\r\n\r\n"
                      "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/alice/book/a.vcf",
                      "HTTP/1.1 207 Multi-Status\r\nContent-Length: 9\r\n\r\nnot xml!!",
                      "garbage that is not HTTP\r\n\r\n"));

} // namespace
