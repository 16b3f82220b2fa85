#include "PythonHttpServer.h"
#include "ScriptedServer.h"

#include "comm/SocketErrors.h"
#include "comm/TagHTTP.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The failure's message, or "no error".
template <typename F>
QString FailureOf(F&& transfer)
{
    try {
        transfer();
    } catch (const ESocketError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

} // namespace

TEST(TagHTTPUrl, SplitsServerPathAndFileName)
{
    TagHTTP http;
    http.SetURL(QStringLiteral("http://example.org"));
    EXPECT_EQ(http.Server, u"example.org");
    EXPECT_EQ(http.Path(), u"/");
    http.SetURL(QStringLiteral("HTTP://example.org:8080/lists/"));
    EXPECT_EQ(http.Host(), u"example.org:8080");
    EXPECT_EQ(http.Path(), u"/lists/");
    EXPECT_EQ(http.FileName(), u"");
    http.SetURL(QStringLiteral("http://example.org/v1.2/"));
    EXPECT_EQ(http.FileName(), u"index.html");
    http.SetURL(QStringLiteral("http://example.org/a/team.zvd"));
    EXPECT_EQ(http.FileName(), u"team.zvd");
    EXPECT_FALSE(http.UseTls);
    http.SetURL(QStringLiteral("https://example.org/x"));
    EXPECT_TRUE(http.UseTls);
    EXPECT_EQ(http.DefaultPort, 443);

    QString reported;
    http.OnError = [&](const QString& message) { reported = message; };
    EXPECT_EQ(FailureOf([&] { http.SetURL(QStringLiteral("ftp://example.org/")); }), u"Invalid URL");
    EXPECT_EQ(reported, u"Invalid URL");
    EXPECT_EQ(FailureOf([&] { http.SetProxy(QStringLiteral("proxyhost")); }), u"Proxy port is required");
}

TEST(TagHTTPUrl, ErrorMessagesFollowTheCodeTable)
{
    EXPECT_EQ(SocketErrorMessage(10061), u"[10061] Connection refused");
    EXPECT_EQ(SocketErrorMessage(10013), u"[10013] Permission denied.");
    EXPECT_EQ(SocketErrorMessage(11004), u"[11004] Valid name, no data record of requested type");
    EXPECT_EQ(SocketErrorMessage(57002), u"Server property is required");
    EXPECT_EQ(SocketErrorMessage(10000), u"Error #10000");
}

TEST(TagHTTPRequests, SendsTheRequestLinesWithHostAndPort)
{
    ScriptedServer server;
    server.Send("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello").Close();
    TagHTTP http;
    http.SetURL(server.Url());
    EXPECT_EQ(http.Get(), 200);
    EXPECT_EQ(http.Body(), "hello");
    EXPECT_EQ(server.Request(), QStringLiteral("GET / HTTP/1.1\r\nHost: 127.0.0.1:%1\r\nAccept: */*\r\n"
                                               "Connection: close\r\n\r\n")
                                    .arg(server.Port())
                                    .toLatin1());

    http.SetProxy(QStringLiteral("127.0.0.1:%1").arg(server.Port()));
    http.SetURL(QStringLiteral("http://elsewhere.invalid/list.zvd"));
    EXPECT_EQ(http.Head(), 200);
    EXPECT_TRUE(server.Request().startsWith("HEAD http://elsewhere.invalid/list.zvd HTTP/1.1\r\n"
                                            "Host: elsewhere.invalid\r\n"));
}

TEST(TagHTTPRequests, ReadsBodiesByLengthChunksAndClose)
{
    {
        ScriptedServer server;
        server.Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel")
            .Send("lo\r\n3;note=x\r\n th\r\n0\r\n\r\n")
            .Silent(); // the last chunk ends the body, not the close
        TagHTTP http;
        http.SetURL(server.Url());
        EXPECT_EQ(http.Get(), 200);
        EXPECT_EQ(http.Body(), "hello th");
    }
    {
        ScriptedServer server;
        server.Send("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nuntil ").Send("the end").Close();
        TagHTTP http;
        http.SetURL(server.Url());
        std::vector<int> percents;
        http.OnProgress = [&](int percent, qint64) { percents.push_back(percent); };
        EXPECT_EQ(http.Get(), 200);
        EXPECT_EQ(http.Body(), "until the end");
        ASSERT_FALSE(percents.empty());
        EXPECT_EQ(percents.back(), -1);
    }
    {
        // Extra bytes after the announced length are not part of the body.
        ScriptedServer server;
        server.Send("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngonegarbage").Silent();
        TagHTTP http;
        http.SetURL(server.Url());
        EXPECT_EQ(http.Get(), 404);
        EXPECT_EQ(http.Body(), "gone");
    }
}

TEST(TagHTTPRequests, HeadReadsNoBodyAndLooksUpHeaders)
{
    ScriptedServer server;
    server.Send("HTTP/1.1 200 OK\r\nContent-Length: 999\r\nX-Title: =?UTF-8?Q?Caf=C3=A9_list?=\r\n"
                "X-Long: first\r\n  second\r\n\r\n")
        .Silent();
    TagHTTP http;
    http.SetURL(server.Url());
    EXPECT_EQ(http.Head(), 200);
    EXPECT_TRUE(http.Body().isEmpty());
    EXPECT_EQ(http.Headers().Value(QStringLiteral("x-title")), QStringLiteral("Café list"));
    EXPECT_EQ(http.Headers().Value(QStringLiteral("X-Long:")), u"first second");
    EXPECT_EQ(http.Headers().Value(QStringLiteral("Missing")), u"");
}

TEST(TagHTTPFailures, RefusedSilentAndResetServers)
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    TagHTTP http;
    QStringList reported;
    http.OnError = [&](const QString& message) { reported.append(message); };
    http.SetURL(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort));
    EXPECT_EQ(FailureOf([&] { http.Get(); }), u"[10061] Connection refused");

    ScriptedServer silent;
    silent.Silent();
    http.SetURL(silent.Url());
    http.TimeOut = 1;
    EXPECT_EQ(FailureOf([&] { http.Get(); }), u"Operation timed out");
    EXPECT_FALSE(http.Connected());
    http.TimeOut = 60;

    ScriptedServer reset;
    reset.Send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial").Reset();
    http.SetURL(reset.Url());
    EXPECT_EQ(FailureOf([&] { http.Get(); }), u"The connection closed before the whole response arrived");
    EXPECT_TRUE(http.Body().isEmpty());
    EXPECT_EQ(reported, (QStringList{u"[10061] Connection refused"_qs, u"Operation timed out"_qs,
                                     u"The connection closed before the whole response arrived"_qs}));
}

TEST(TagHTTPFailures, CancelFromInsideTheWait)
{
    ScriptedServer silent;
    silent.Silent();
    TagHTTP http;
    http.SetURL(silent.Url());
    bool canceled = false;
    http.OnConnected = [&] { QTimer::singleShot(0, [&] { http.Cancel(); }); };
    http.OnCancel = [&] { canceled = true; };
    EXPECT_EQ(FailureOf([&] { http.Get(); }), u"Operation has been canceled");
    EXPECT_TRUE(canceled);
}

TEST(TagHTTPFailures, OversizedAndBrokenResponsesAreRefused)
{
    struct Case
    {
        QByteArray response;
        const char16_t* error;
    };
    const QByteArray hugeLine = "HTTP/1.1 200 OK\r\nX-Big: " + QByteArray(9000, 'a') + "\r\n\r\n";
    QByteArray manyHeaders = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < 300; ++i)
        manyHeaders += "X-H: v\r\n";
    const Case cases[] = {
        {hugeLine, u"The server sent a line longer than 8192 bytes"},
        {manyHeaders + "\r\n", u"The server sent more than 200 header lines"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nabc", u"The server sent an invalid chunk size"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7fffffffffffffff\r\n", u"The server sent an invalid chunk size"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nfffffffffff\r\n",
         u"The response is larger than 64 MiB"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 67108865\r\n\r\n", u"The response is larger than 64 MiB"},
    };
    for (const Case& c : cases) {
        ScriptedServer server;
        server.Send(c.response).Silent();
        TagHTTP http;
        http.SetURL(server.Url());
        EXPECT_EQ(FailureOf([&] { http.Get(); }), QString::fromUtf16(c.error)) << c.response.left(60).constData();
    }
}

TEST(TagHTTPPython, FetchesFilesFromPythonsServer)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("list.zvd")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray content(100000, 'x');
    file.write(content);
    file.close();
    PythonHttpServer server(folder.path());
    if (server.Port() == 0)
        GTEST_SKIP() << "python3 http.server did not start";
    TagHTTP http;
    http.SetURL(server.Url(QStringLiteral("list.zvd")));
    EXPECT_EQ(http.Head(), 200);
    EXPECT_FALSE(http.Headers().Value(QStringLiteral("Last-Modified")).isEmpty());
    EXPECT_EQ(http.Get(), 200);
    EXPECT_EQ(http.Body(), content);
    http.SetURL(server.Url(QStringLiteral("missing.zvd")));
    EXPECT_EQ(http.Get(), 404);
}
