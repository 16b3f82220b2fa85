#include "model/TextCodec.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {
// A line as UTF-8 decodes it whole, or as Windows-1252 where it is not UTF-8.
QString Whole(QByteArrayView line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(line);
    return utf8.hasError() ? TextCodec::DecodeWindows1252(line) : text;
}

void ExpectAppended(const QByteArray& line)
{
    QString out = QStringLiteral("kept");
    TextCodec::AppendLine(line, out);
    EXPECT_EQ(out, QStringLiteral("kept") + Whole(line)) << line.toHex().toStdString();
}
} // namespace

// A line is appended as decoding it whole gives, however long it is and
// wherever its first character beyond ASCII, a byte order mark or a byte
// that is not UTF-8 stands: the ASCII start is widened in steps of sixteen
// bytes, the rest decoded from the first such byte on.
TEST(TextCodec, AnAppendedLineIsTheLineDecodedWhole)
{
    for (int size = 0; size <= 40; ++size) {
        QByteArray ascii;
        for (int i = 0; i < size; ++i)
            ascii.append(char('a' + i % 26));
        ExpectAppended(ascii);
        for (int at = 0; at <= size; ++at) {
            for (const QByteArray& inner : {QByteArray("\xC3\xA9"), QByteArray("\xE2\x82\xAC"),
                                            QByteArray("\xF0\x9F\x98\x80"), QByteArray("\xEF\xBB\xBF"),
                                            QByteArray("\xFF"), QByteArray("\xC3")}) {
                QByteArray line = ascii;
                line.insert(at, inner);
                ExpectAppended(line);
            }
        }
    }
    // An initial mark is dropped, one inside the line kept.
    QString out;
    TextCodec::AppendLine("\xEF\xBB\xBFx", out);
    TextCodec::AppendLine("y\xEF\xBB\xBFz", out);
    EXPECT_EQ(out, QStringLiteral("xy\uFEFFz"));
}
