#include "cli/HandOverClient.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include <gtest/gtest.h>

#include <functional>
#include <future>

namespace {

// The client talks to Qt's own local server, as it does to the desktop; it
// runs on a thread of its own while this one serves.
struct Exchange
{
    HandOverClient::Outcome outcome;
    HandOver::Reply reply;
    QStringList argumentsSeen;
};

Exchange SendTo(const QString& name, int timeoutMs, const std::function<void(QLocalSocket&, Exchange&)>& serve)
{
    QLocalServer server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    EXPECT_TRUE(server.listen(name)) << server.errorString().toStdString();
    HandOverClient client(name);
    const QStringList arguments = {QStringLiteral("import"), QStringLiteral("Zoë.vcf")};
    auto sent = std::async(std::launch::async, [&] { return client.Send(arguments, QStringLiteral("/home"), timeoutMs); });
    Exchange exchange{};
    if (server.waitForNewConnection(5000)) {
        QLocalSocket* socket = server.nextPendingConnection();
        QByteArray buffer;
        QByteArray payload;
        while (HandOver::TakeFrame(buffer, HandOver::kMaxRequest, &payload) == HandOver::FrameState::Incomplete
               && socket->waitForReadyRead(5000))
            buffer += socket->readAll();
        if (const auto request = HandOver::DecodeRequest(payload))
            exchange.argumentsSeen = request->arguments;
        serve(*socket, exchange);
    }
    exchange.outcome = sent.get();
    exchange.reply = client.Reply();
    return exchange;
}

QString UniqueName()
{
    static int count = 0;
    return QStringLiteral("zendrivo-handover-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
}

} // namespace

TEST(HandOverClient, GetsTheAnswerOrSaysWhyNot)
{
    const Exchange answered = SendTo(UniqueName(), 5000, [](QLocalSocket& socket, Exchange&) {
        HandOver::Reply reply;
        reply.exitCode = 0;
        reply.out = QStringLiteral("Imported 1 item(s)\n");
        socket.write(HandOver::Frame(HandOver::EncodeReply(reply)));
        socket.waitForBytesWritten(5000);
    });
    EXPECT_EQ(answered.outcome, HandOverClient::Outcome::Answered);
    EXPECT_EQ(answered.argumentsSeen, QStringList({QStringLiteral("import"), QStringLiteral("Zoë.vcf")}));
    EXPECT_EQ(answered.reply.exitCode, 0);
    EXPECT_EQ(answered.reply.out, QStringLiteral("Imported 1 item(s)\n"));

    const Exchange dropped = SendTo(UniqueName(), 5000, [](QLocalSocket& socket, Exchange&) { socket.close(); });
    EXPECT_EQ(dropped.outcome, HandOverClient::Outcome::NoAnswer);

    const Exchange garbled = SendTo(UniqueName(), 5000, [](QLocalSocket& socket, Exchange&) {
        socket.write(HandOver::Frame("not an answer"));
        socket.waitForBytesWritten(5000);
    });
    EXPECT_EQ(garbled.outcome, HandOverClient::Outcome::NoAnswer);

    // Connected, but the desktop is busy past the time allowed.
    const Exchange silent =
        SendTo(UniqueName(), 300, [](QLocalSocket& socket, Exchange&) { socket.waitForReadyRead(1500); });
    EXPECT_EQ(silent.outcome, HandOverClient::Outcome::TimedOut);

    EXPECT_EQ(HandOverClient(UniqueName()).Send({QStringLiteral("tree")}, QString(), 1000),
              HandOverClient::Outcome::NoListener);
}
