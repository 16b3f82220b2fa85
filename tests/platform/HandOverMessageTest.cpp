#include "platform/HandOverMessage.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {
QByteArray BigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}
} // namespace

TEST(HandOverMessage, RequestsAndRepliesArriveAsSent)
{
    HandOver::Request request;
    request.kind = HandOver::Kind::Command;
    request.arguments = {QStringLiteral("import"), QStringLiteral("/tmp/Müller, Anna.vcf"), QString()};
    request.workingDirectory = QStringLiteral("/home/anna/Contacts");
    const auto decoded = HandOver::DecodeRequest(HandOver::EncodeRequest(request));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->kind, HandOver::Kind::Command);
    EXPECT_EQ(decoded->arguments, request.arguments);
    EXPECT_EQ(decoded->workingDirectory, request.workingDirectory);

    const HandOver::Reply reply{3, QStringLiteral("Imported 1 item(s)\n"), QStringLiteral("zendrivo-cli: warning\n")};
    const auto back = HandOver::DecodeReply(HandOver::EncodeReply(reply));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->exitCode, 3);
    EXPECT_EQ(back->out, reply.out);
    EXPECT_EQ(back->err, reply.err);
}

TEST(HandOverMessage, FramesAreTakenWholeAndOneAtATime)
{
    QByteArray stream = HandOver::Frame("first") + HandOver::Frame({}) + HandOver::Frame("thi");
    stream.chop(1);
    QByteArray payload;
    ASSERT_EQ(HandOver::TakeFrame(stream, 100, &payload), HandOver::FrameState::Complete);
    EXPECT_EQ(payload, "first");
    ASSERT_EQ(HandOver::TakeFrame(stream, 100, &payload), HandOver::FrameState::Complete);
    EXPECT_TRUE(payload.isEmpty());
    // The third frame lacks its last byte: nothing is taken until it comes.
    EXPECT_EQ(HandOver::TakeFrame(stream, 100, &payload), HandOver::FrameState::Incomplete);
    stream.append('i');
    ASSERT_EQ(HandOver::TakeFrame(stream, 100, &payload), HandOver::FrameState::Complete);
    EXPECT_EQ(payload, "thi");
    EXPECT_TRUE(stream.isEmpty());
}

TEST(HandOverMessage, ForgedSizesAreRefusedWithoutAllocating)
{
    // A frame announcing 4 GB is refused at once, before its bytes are awaited.
    QByteArray huge = BigEndian(0xFFFFFFFFu) + "x";
    QByteArray payload;
    EXPECT_EQ(HandOver::TakeFrame(huge, HandOver::kMaxRequest, &payload), HandOver::FrameState::TooLarge);

    // A list claiming two billion entries, a string longer than the payload,
    // an unknown kind, trailing bytes and a cut payload are all rejected.
    EXPECT_FALSE(HandOver::DecodeRequest(BigEndian(2) + BigEndian(0x7FFFFFFFu)));
    EXPECT_FALSE(HandOver::DecodeRequest(BigEndian(2) + BigEndian(1) + BigEndian(1000) + "abc"));
    HandOver::Request request;
    request.arguments = {QStringLiteral("a")};
    QByteArray wrongKind = HandOver::EncodeRequest(request);
    wrongKind[3] = 9;
    EXPECT_FALSE(HandOver::DecodeRequest(wrongKind));
    EXPECT_FALSE(HandOver::DecodeRequest(HandOver::EncodeRequest(request) + "x"));
    const QByteArray reply = HandOver::EncodeReply({0, QStringLiteral("out"), QStringLiteral("err")});
    EXPECT_FALSE(HandOver::DecodeReply(reply.left(reply.size() - 1)));
    EXPECT_FALSE(HandOver::DecodeReply({}));
}
