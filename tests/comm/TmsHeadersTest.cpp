#include "comm/EncodedWords.h"
#include "comm/TmsHeaders.h"

#include <gtest/gtest.h>

TEST(EncodedWords, DecodesBothEncodingsAndJoinsAdjacentWords)
{
    EXPECT_EQ(DecodeEncodedWords(QStringLiteral("=?ISO-8859-1?Q?Andr=E9?= Pirard")), QStringLiteral("André Pirard"));
    EXPECT_EQ(DecodeEncodedWords(QStringLiteral("=?UTF-8?B?w7xiZXI=?=")), QStringLiteral("über"));
    EXPECT_EQ(DecodeEncodedWords(QStringLiteral("=?utf-8?q?a_b?= =?utf-8?q?_c?=")), QStringLiteral("a b c"));
    // Plain underscores and broken words stay as they are.
    EXPECT_EQ(DecodeEncodedWords(QStringLiteral("snake_case =?x?Z?abc?=")), QStringLiteral("snake_case =?x?Z?abc?="));
    EXPECT_EQ(DecodeEncodedWords(QStringLiteral("=?UTF-8?B?***?=")), QStringLiteral("=?UTF-8?B?***?="));
    EXPECT_EQ(DecodeEncodedWords(QStringLiteral("=?UTF-8?Q?unterminated")), QStringLiteral("=?UTF-8?Q?unterminated"));
}

TEST(TmsHeaders, LooksUpTheFirstLineByNameWithContinuations)
{
    TmsHeaders headers;
    headers.Add(QStringLiteral("HTTP/1.1 200 OK"));
    headers.Add(QStringLiteral("Content-Type: text/plain; title=\"=?UTF-8?Q?x?=\""));
    headers.Add(QStringLiteral("Subject: =?UTF-8?Q?caf=C3=A9?="));
    headers.Add(QStringLiteral("\tand more"));
    headers.Add(QStringLiteral("X-Long: ") + QString(300, u'z'));
    headers.Add(QStringLiteral("subject: second"));
    EXPECT_EQ(headers.Value(QStringLiteral("SUBJECT")), QStringLiteral("café and more"));
    // Content-Type is left as sent.
    EXPECT_EQ(headers.Value(QStringLiteral("content-type")), QStringLiteral("text/plain; title=\"=?UTF-8?Q?x?=\""));
    EXPECT_EQ(headers.Value(QStringLiteral("X-Long")).size(), 255);
    // The name must be the whole name, not a prefix of another.
    EXPECT_EQ(headers.Value(QStringLiteral("X")), QString());
}
