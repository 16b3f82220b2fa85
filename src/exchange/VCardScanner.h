#pragma once

#include "exchange/RepeatedValues.h"
#include "exchange/VCardLineReader.h"
#include "exchange/VCardValue.h"

#include <QLatin1StringView>
#include <QString>

#include <cstdint>
#include <vector>

// The first of the two stages of reading a card file: the bytes become the
// lines that matter, each with its value decoded to text. The second stage
// (VCardParser) makes cards of them. The stages hand over whole cards in
// chunks, so that they can run on two threads. The first keeps the room of
// its chunks from one chunk to the next and makes the strings of the values
// the second takes over; what one thread makes, the other seldom frees:
// values the cards drop (a formatted name, say) are the exception.
namespace VCardScan {

// More properties than this in one card are dropped.
inline constexpr int kMaxPropertiesPerCard = 10000;

// A value: where it stands in a chunk's text and, unless it repeats one
// made before, its string, made by the reading thread so that the thread
// making the cards only takes it over.
struct Piece
{
    qsizetype start = 0;
    qsizetype size = 0;
    RepeatedValues::Verdict shared;
    QString made;
};

// One line that matters. A card's lines are split into values once the card
// is whole, since its version, which may come last, tells how.
struct Line
{
    enum class Kind : std::uint8_t { Begin, Version, Property, End };
    Kind kind = Kind::Begin;
    VCardValue::Escapes escapes = VCardValue::Escapes::Plain; // the version's
    std::int8_t known = -1; // the name as an index of KnownName, or -1: it is in the text
    std::uint32_t parameters = 0;
    QLatin1StringView scheme; // "tel:" or "mailto:" that 4.0 writes before the value
    qsizetype nameStart = 0;
    qsizetype nameSize = 0;
    qsizetype textStart = 0;
    qsizetype textSize = 0;
    // The values, in the chunk's pieces; at a card's begin, how many
    // properties the card has.
    qsizetype valuesStart = 0;
    qsizetype valueCount = 0;
};

// Lines of whole cards, and the text their values point into.
struct Chunk
{
    std::vector<Line> lines;
    std::vector<Piece> pieces;
    QString text;

    // With room for a chunk of typical cards, made where the chunk is made:
    // the reading thread then rarely allocates at all.
    Chunk();

    QStringView TextOf(const Piece& piece) const { return QStringView(text).sliced(piece.start, piece.size); }
    QStringView NameOf(const Line& line) const { return QStringView(text).sliced(line.nameStart, line.nameSize); }
    // Keeps the room for the next chunk. The strings the cards took over
    // are empty by now; the others are freed by the thread that made them.
    void Clear()
    {
        lines.clear();
        pieces.clear();
        text.resize(0);
    }
};

// The names read, as shared strings; n from Line::known.
const QString& KnownName(int n);

// What the reading had to leave out.
struct Dropped
{
    int cutCards = 0;      // cards with more than kMaxPropertiesPerCard properties
    int cutProperties = 0; // the properties those cards lost
    int longLines = 0;     // lines longer than the reader takes
};

// Reads the lines of a card file into chunks, remembering the card it is
// in from one chunk and one piece of the file to the next.
class Scanner
{
public:
    // A chunk is handed on after the first card end past this many lines.
    static constexpr size_t kChunkLines = 1024;

    // Reads the whole of a file held in memory.
    explicit Scanner(QByteArrayView bytes) : m_reader(bytes) {}
    // Reads a file a piece at a time, each given with Continue.
    Scanner() : m_reader(QByteArrayView(), '\n', false), m_last(false) {}

    // Goes on with the next piece of the file (see VCardLineReader). A card
    // may go on from one piece into the next; the last piece ends it.
    void Continue(const VCardLineReader& piece, bool last);
    // Adds the lines of whole cards to the chunk: true when it holds enough
    // to be handed on, false when the piece is read to its end.
    bool Fill(Chunk& chunk);
    // Whether the last piece is read.
    bool AtEnd() const { return m_last && m_ended; }
    // Valid at the end.
    const Dropped& Counts() const { return m_dropped; }

private:
    void Take(Chunk& chunk, QByteArrayView line, const VCardHead& head);
    void EndCard(Chunk& chunk);
    void SplitValues(Chunk& chunk, Line& line, VCardValue::Escapes escapes);

    VCardLineReader m_reader;
    RepeatedValues m_repeats;
    Dropped m_dropped;
    std::vector<QStringView> m_values; // of the line being split
    QString m_room;                    // where its values are unescaped
    size_t m_begin = 0;   // the current card's first line in the chunk
    int m_properties = 0; // of the current card
    int m_cut = 0;        // of the current card
    bool m_inCard = false;
    bool m_last = true;   // the piece read is the file's last
    bool m_ended = false; // and it is read to its end
};

} // namespace VCardScan
