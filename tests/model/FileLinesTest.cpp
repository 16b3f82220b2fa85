#include "model/Exceptions.h"
#include "model/FileLines.h"
#include "FileBytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QList<QString> AllLines(const QString& path, qsizetype pieceBytes)
{
    RegularFile::Reader file;
    QString error;
    EXPECT_EQ(file.Open(path, RegularFile::kMaxBytes, error), RegularFile::ReadStatus::Read) << error.toStdString();
    FileLines lines(file, pieceBytes);
    QList<QString> out;
    QString line;
    while (lines.Next(line))
        out.append(line);
    return out;
}

} // namespace

// Read in pieces, a file gives the lines it gives read whole, wherever the
// pieces happen to end: inside a CR LF, inside a multi-byte character,
// right after a byte order mark, in a long line, or in a file whose lines
// end in CR alone.
TEST(FileLines, PiecesGiveTheLinesOfTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    QByteArray mixed = "\xEF\xBB\xBF" "first\r\nsecond\nthird\r\r\nZo\xC3\xAB\r\n\r\ncaf\xE9 1252\nlast without end";
    mixed += "\r\n" + QByteArray(5000, 'x') + "\n\xEF\xBB\xBFnot a mark here\n";
    const QList<QByteArray> files = {
        mixed,
        "one\rtwo\rthree\r",                                   // CR alone
        "\xFF\xFE" + QByteArray("a\0\r\0\n\0b\0\n\0", 10),     // UTF-16 with its mark
        "ends with two\n\n",
        "",
    };
    for (const QByteArray& bytes : files) {
        WriteAll(path, bytes);
        const QList<QString> whole = TextCodec::SplitLines(bytes);
        for (qsizetype piece : {1, 2, 3, 7, 64, 1 << 20})
            EXPECT_EQ(AllLines(path, piece), whole) << "piece " << piece << " of " << bytes.toStdString();
    }
}

// A file that grows beyond the cap while it is read stops the reading
// with a reason, instead of taking memory without end.
TEST(FileLines, AFileBeyondTheCapStopsTheRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    WriteAll(path, QByteArray(100, 'a') + '\n');
    RegularFile::Reader file;
    QString error;
    ASSERT_EQ(file.Open(path, 64, error), RegularFile::ReadStatus::Read);
    FileLines lines(file, 16);
    QString line;
    try {
        while (lines.Next(line)) {
        }
        FAIL() << "read past the cap";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), u"the file is larger than 64 bytes");
    }
    RegularFile::Reader missing;
    EXPECT_EQ(missing.Open(dir.filePath(QStringLiteral("none")), 64, error), RegularFile::ReadStatus::Missing);
    EXPECT_EQ(missing.Open(dir.path(), 64, error), RegularFile::ReadStatus::Failed);
    EXPECT_TRUE(error.contains(u"directory")) << error.toStdString();
}
