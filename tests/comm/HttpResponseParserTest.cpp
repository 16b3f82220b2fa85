#include "comm/HttpDate.h"
#include "comm/HttpResponseParser.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// Feeds the response in pieces of the given size, then the close when asked.
HttpResponseParser Parse(const QByteArray& response, qsizetype piece, bool close, bool head = false)
{
    HttpResponseParser parser(head);
    for (qsizetype at = 0; at < response.size(); at += piece)
        parser.Feed(QByteArrayView(response).sliced(at, std::min(piece, response.size() - at)));
    if (close)
        parser.Finish();
    return parser;
}

} // namespace

TEST(HttpResponseParser, SameResultWhateverTheBytesArriveIn)
{
    const QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n"
                               "5\r\nhello\r\n\r\n1A\r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\nTrailer: x\r\n\r\n";
    for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(1000)}) {
        const HttpResponseParser parser = Parse(chunked, piece, false);
        ASSERT_TRUE(parser.IsDone()) << piece;
        EXPECT_EQ(parser.StatusCode(), 200);
        EXPECT_EQ(parser.Body(), "helloabcdefghijklmnopqrstuvwxyz");
    }
    const HttpResponseParser lfOnly = Parse("HTTP/1.0 201 Created\nContent-Length: 2\n\nokay", 2, false);
    EXPECT_TRUE(lfOnly.IsDone());
    EXPECT_EQ(lfOnly.StatusCode(), 201);
    EXPECT_EQ(lfOnly.Body(), "ok");
}

TEST(HttpResponseParser, StatusCodesAndBodilessAnswers)
{
    EXPECT_EQ(Parse("HTTP/1.1 abc Weird\r\n\r\n", 100, true).StatusCode(), -1);
    EXPECT_EQ(Parse("garbage\r\n\r\n", 100, true).StatusCode(), -1);
    const HttpResponseParser nothing = Parse("", 1, true);
    EXPECT_TRUE(nothing.IsDone());
    EXPECT_EQ(nothing.StatusCode(), -1);
    // No body after HEAD, 204 or 304, whatever the length says.
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n", 100, false, true).IsDone());
    EXPECT_TRUE(Parse("HTTP/1.1 304 Not Modified\r\nContent-Length: 50\r\n\r\n", 100, false).IsDone());
    EXPECT_TRUE(Parse("HTTP/1.1 204 No Content\r\n\r\n", 100, false).IsDone());
    // Without a usable length the body runs to the close.
    const HttpResponseParser toClose = Parse("HTTP/1.1 200 OK\r\nContent-Length: many\r\n\r\nabc", 100, false);
    EXPECT_FALSE(toClose.IsDone());
    EXPECT_EQ(Parse("HTTP/1.1 200 OK\r\nContent-Length: many\r\n\r\nabc", 100, true).Body(), "abc");
}

TEST(HttpResponseParser, CutShortOrMalformedResponsesFail)
{
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\nContent-Le", 100, true).HasFailed());
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc", 100, true).HasFailed());
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", 100, true).HasFailed());
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n-5\r\n", 100, false).HasFailed());
    EXPECT_TRUE(Parse("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0x5\r\n", 100, false).HasFailed());
    // A line just under the cap passes, one over it fails even in small pieces.
    const QByteArray fits = "HTTP/1.1 200 OK\r\nX: " + QByteArray(8000, 'v') + "\r\n\r\n";
    EXPECT_TRUE(Parse(fits, 7, false, true).IsDone());
    const HttpResponseParser tooLong = Parse("HTTP/1.1 200 OK\r\nX: " + QByteArray(8200, 'v'), 7, false);
    EXPECT_TRUE(tooLong.HasFailed());
    EXPECT_EQ(tooLong.Error(), u"The server sent a line longer than 8192 bytes");
}

TEST(HttpDate, ReadsTheThreeFormsInUtc)
{
    const QDateTime expected(QDate(1994, 11, 6), QTime(8, 49, 37), QTimeZone::utc());
    EXPECT_EQ(ParseHttpDate(QStringLiteral("Sun, 06 Nov 1994 08:49:37 GMT")), expected);
    EXPECT_EQ(ParseHttpDate(QStringLiteral("Sunday, 06-Nov-94 08:49:37 GMT")), expected);
    EXPECT_EQ(ParseHttpDate(QStringLiteral("Sun Nov  6 08:49:37 1994")), expected);
    // Two changes on one day are two different times.
    EXPECT_LT(ParseHttpDate(QStringLiteral("Wed, 09 Dec 2026 08:00:00 GMT")),
              ParseHttpDate(QStringLiteral("Wed, 09 Dec 2026 17:30:00 GMT")));
    EXPECT_FALSE(ParseHttpDate(QStringLiteral("Sun, 31 Feb 1994 08:49:37 GMT")).isValid());
    EXPECT_FALSE(ParseHttpDate(QStringLiteral("Sun, 06 Foo 1994 08:49:37 GMT")).isValid());
    EXPECT_FALSE(ParseHttpDate(QStringLiteral("yesterday")).isValid());
}
