#include "exchange/DelimitedText.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace DelimitedText;

namespace {
QStringList L(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* s : items)
        list.append(QString::fromUtf8(s));
    return list;
}
} // namespace

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

TEST(DelimitedJoin, QuotedFieldsSpanLines)
{
    const QList<QString> lines = L({"a,\"first", "second\r", "third\",b", "c,d", "\"\"\"x\"\"\",y"});
    EXPECT_EQ(JoinRecords(lines), L({"a,\"first\nsecond\r\nthird\",b", "c,d", "\"\"\"x\"\"\",y"}));
    EXPECT_TRUE(EndsInsideQuotes(u"a,\"b"));
    EXPECT_FALSE(EndsInsideQuotes(u"b\"", true));
}

TEST(DelimitedJoin, StrayQuoteDoesNotSwallowTheFile)
{
    QList<QString> lines{QStringLiteral("5'11\",tall")};
    for (int i = 0; i < kMaxRecordLines + 10; ++i)
        lines.append(QStringLiteral("row%1,x").arg(i));
    const QList<QString> records = JoinRecords(lines);
    ASSERT_EQ(records.size(), lines.size());
    EXPECT_EQ(records[1], QStringLiteral("row0,x"));
    // At the end of the file an open stretch also ends with its line.
    EXPECT_EQ(JoinRecords(L({"a", "\"b", "c"})), L({"a", "\"b", "c"}));
}

TEST(DelimitedDecode, EncodingsAndLineEnds)
{
    EXPECT_EQ(DecodeLines("\xEF\xBB\xBFName,Caf\xC3\xA9\r\nx\n"), L({"Name,Caf\xC3\xA9", "x"}));
    // A line that is not UTF-8 is read as Windows-1252.
    EXPECT_EQ(DecodeLines("M\xFCller,\x80\n"), L({"M\xC3\xBCller,\xE2\x82\xAC"}));
    const QString text = QStringLiteral("Ä,\"a\rb\"\r\nz");
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : text) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    const QList<QString> expected{QStringLiteral("Ä,\"a\rb\""), QStringLiteral("z")};
    EXPECT_EQ(DecodeLines(le), expected);
    EXPECT_EQ(DecodeLines(be), expected);
}

TEST(DelimitedHeader, NamesWithBlanksCommasOrQuotesAreEnclosed)
{
    EXPECT_EQ(HeaderLine(L({"Title", "First Name", "Last Name"})), QStringLiteral("Title,\"First Name\",\"Last Name\""));
    EXPECT_EQ(HeaderName(QStringLiteral("a,\"b\"")), QStringLiteral("\"a,\"\"b\"\"\""));
    EXPECT_EQ(SplitLine(HeaderLine(L({"a,\"b\"", "State/Province"}))), L({"a,\"b\"", "State/Province"}));
}
