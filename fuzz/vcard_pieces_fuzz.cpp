#include "exchange/CardFilePieces.h"
#include "exchange/VCardParser.h"
#include "model/Card.h"

#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

// Reads arbitrary bytes as a card file in pieces of a few bytes, so that
// pieces end everywhere a card may begin. Where the whole file decides
// nothing differently (an LF in the first piece, no soft line break before a
// card's begin, no UTF-16), the cards must be those of the bytes read whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    file.resize(0);
    file.seek(0);
    file.write(bytes.data(), bytes.size());
    file.flush();
    constexpr qsizetype kBlock = 16;
    CardFilePieces pieces(kBlock);
    QString error;
    if (pieces.Open(file.fileName(), qint64(1) << 20, error) != RegularFile::ReadStatus::Read)
        return 0;
    std::vector<TCard> inPieces;
    VCardParser::Parse(pieces, [&inPieces](TCard& card) { inPieces.push_back(std::move(card)); });
    // A soft line break ("=" at a line's end) right before a card's begin
    // joins the two lines only when the file is read whole.
    const QByteArray upper = bytes.toByteArray().toUpper();
    const bool comparable = bytes.first(std::min<qsizetype>(bytes.size(), kBlock)).contains('\n') &&
                            !upper.contains("=\nBEGIN:") && !upper.contains("=\r\nBEGIN:") &&
                            !upper.contains("=\r\r\nBEGIN:") && !bytes.startsWith("\xFF") &&
                            !bytes.startsWith("\xFE") && (bytes.size() < 2 || (bytes[0] != 0 && bytes[1] != 0));
    if (comparable) {
        std::vector<TCard> whole;
        VCardParser::Parse(bytes, whole);
        if (!(whole == inPieces))
            std::abort();
    }
    return 0;
}
