#include "exchange/DelimitedText.h"

#include "TextList.h"

#include <gtest/gtest.h>

using namespace DelimitedText;

TEST(DelimitedSplit, QuotedValuesKeepCommasAndDoubledQuotes)
{
    EXPECT_EQ(SplitLine(u"\"Doe, John\",\"say \"\"hi\"\"\",plain"), L({"Doe, John", "say \"hi\"", "plain"}));
    EXPECT_EQ(SplitLine(u"\"\"\"worker\"\"\""), L({"\"worker\""}));
    // A quote inside an unquoted piece still opens a stretch.
    EXPECT_EQ(SplitLine(u"ab\"c,d\"e,f"), L({"abc,de", "f"}));
    EXPECT_EQ(SplitLine(u"\"multi\nline\",x"), L({"multi\nline", "x"}));
}

TEST(DelimitedSplit, EmptyPiecesAndEmptyRecords)
{
    EXPECT_TRUE(SplitLine(u"").isEmpty());
    EXPECT_EQ(SplitLine(u","), L({"", ""}));
    EXPECT_EQ(SplitLine(u"a,,\"\","), L({"a", "", "", ""}));
    EXPECT_EQ(SplitLine(u" "), L({" "}));
    // An unclosed stretch runs to the end of the record.
    EXPECT_EQ(SplitLine(u"a,\"b,c"), L({"a", "b,c"}));
}

TEST(DelimitedSplit, QuotesLeftOpen)
{
    EXPECT_TRUE(EndsInsideQuotes(u"a,\"b"));
    EXPECT_FALSE(EndsInsideQuotes(u"a,\"\"\"b\"\"\""));
    EXPECT_FALSE(EndsInsideQuotes(u"b\"", true));
    EXPECT_TRUE(EndsInsideQuotes(u"b\"\"", true));
}

TEST(DelimitedHeader, NamesWithBlanksCommasOrQuotesAreEnclosed)
{
    EXPECT_EQ(HeaderLine(L({"Title", "First Name", "Last Name"})), QStringLiteral("Title,\"First Name\",\"Last Name\""));
    EXPECT_EQ(HeaderName(QStringLiteral("a,\"b\"")), QStringLiteral("\"a,\"\"b\"\"\""));
    EXPECT_EQ(SplitLine(HeaderLine(L({"a,\"b\"", "State/Province"}))), L({"a,\"b\"", "State/Province"}));
}
