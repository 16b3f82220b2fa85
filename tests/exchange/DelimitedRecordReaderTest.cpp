#include "exchange/DelimitedRecordReader.h"

#include "TextList.h"

#include <gtest/gtest.h>

using Reader = DelimitedRecordReader;

namespace {

QStringList Records(const QByteArray& bytes, Reader::Separator separator = Reader::Separator::Comma,
                    const QString& skip = QString())
{
    Reader reader(bytes, separator);
    if (!skip.isNull())
        reader.SkipFirstLineIf(skip);
    QStringList records;
    QString record;
    while (reader.Next(record))
        records.append(record);
    return records;
}

QByteArray Utf16(const QString& text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}

} // namespace

TEST(DelimitedRecords, QuotedFieldsSpanLines)
{
    EXPECT_EQ(Records("a,\"first\r\nsecond\nthird\",b\nc,d\n\"\"\"x\"\"\",y"),
              L({"a,\"first\nsecond\nthird\",b", "c,d", "\"\"\"x\"\"\",y"}));
    // Empty lines are records of their own; an empty tail after the last line end is not.
    EXPECT_EQ(Records("\n\r\na\n\n"), L({"", "", "a", ""}));
}

TEST(DelimitedRecords, StrayQuoteDoesNotSwallowTheFile)
{
    QByteArray bytes = "5'11\",tall\n";
    for (int i = 0; i < Reader::kMaxRecordLines + 10; ++i)
        bytes += "row" + QByteArray::number(i) + ",x\n";
    const QStringList records = Records(bytes);
    ASSERT_EQ(records.size(), Reader::kMaxRecordLines + 11);
    EXPECT_EQ(records[0], QStringLiteral("5'11\",tall"));
    EXPECT_EQ(records[1], QStringLiteral("row0,x"));
    // Closed on the last line the limit allows, the record is whole.
    QByteArray closed = "\"open\n";
    for (int i = 0; i < Reader::kMaxRecordLines - 2; ++i)
        closed += "x\n";
    EXPECT_EQ(Records(closed + "shut\"\nnext\n").size(), 2);
    EXPECT_EQ(Records(closed + "x\nshut\"\nnext\n").size(), Reader::kMaxRecordLines + 2);
    // At the end of the file an open stretch also ends with its line.
    EXPECT_EQ(Records("a\n\"b\nc"), L({"a", "\"b", "c"}));
}

TEST(DelimitedRecords, AnOverlongRecordEndsWithItsFirstLine)
{
    const QByteArray longLine = "\"" + QByteArray(Reader::kMaxRecordChars, 'q');
    const QStringList cut = Records(longLine + "\nend\"\n");
    ASSERT_EQ(cut.size(), 2);
    EXPECT_EQ(cut[1], QStringLiteral("end\""));
    // One character shorter, the next line still joins.
    EXPECT_EQ(Records(longLine.chopped(1) + "\nend\"\n").size(), 1);
}

TEST(DelimitedRecords, EncodingsAndLineEnds)
{
    EXPECT_EQ(Records("\xEF\xBB\xBFName,Caf\xC3\xA9\r\nx\n"), L({"Name,Caf\xC3\xA9", "x"}));
    // A line that is not UTF-8 is read as Windows-1252; a bare CR ends a line.
    EXPECT_EQ(Records("M\xFCller,\x80\rJos\xC3\xA9\n"), L({"M\xC3\xBCller,\xE2\x82\xAC", "Jos\xC3\xA9"}));
    // In UTF-16 only LF ends a line, and a bare CR stays in the text.
    const QString text = QStringLiteral("Ä,\"a\rb\"\r\nz,\"1\n2\"");
    const QStringList expected{QStringLiteral("Ä,\"a\rb\""), QStringLiteral("z,\"1\n2\"")};
    EXPECT_EQ(Records(Utf16(text, true)), expected);
    EXPECT_EQ(Records(Utf16(text, false)), expected);
    EXPECT_EQ(Reader::FirstLine(Utf16(text, true)), expected[0]);
}

TEST(DelimitedRecords, TabsSeparateBeforeQuotesAreLookedAt)
{
    EXPECT_EQ(Records("a\t\"b\tc\"\td\n", Reader::Separator::Tab), L({"a,\"b,c\",d"}));
    EXPECT_EQ(Records("a\t\"b\nc\"\n", Reader::Separator::Tab), L({"a,\"b\nc\""}));
    EXPECT_EQ(Records("a\tb\n"), L({"a\tb"}));
}

TEST(DelimitedRecords, AKnownHeaderLineIsPassedOver)
{
    const QByteArray file = "\xEF\xBB\xBF\"Given Name\",Family\r\nAnn,Lee\r\n";
    const QString header = Reader::FirstLine(file);
    EXPECT_EQ(header, QStringLiteral("\"Given Name\",Family"));
    EXPECT_EQ(Records(file, Reader::Separator::Comma, header), L({"Ann,Lee"}));
    // Only the first line, and only when it is the same text.
    EXPECT_EQ(Records(file, Reader::Separator::Comma, QStringLiteral("Ann,Lee")), L({"\"Given Name\",Family", "Ann,Lee"}));
    EXPECT_EQ(Records("Ann,Lee\n", Reader::Separator::Comma, QStringLiteral("Ann,Le")), L({"Ann,Lee"}));
    // The header is compared before tabs become commas.
    EXPECT_EQ(Records("N\tF\nA\tL\n", Reader::Separator::Tab, QStringLiteral("N\tF")), L({"A,L"}));
    EXPECT_TRUE(Reader::FirstLine("").isEmpty());
}
