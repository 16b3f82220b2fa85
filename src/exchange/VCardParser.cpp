#include "exchange/VCardParser.h"

#include "exchange/CardFilePieces.h"
#include "exchange/ChunkPipe.h"
#include "exchange/VCardLineReader.h"
#include "model/CorePair.h"
#include "platform/LargePageHeap.h"

#include <algorithm>
#include <thread>

namespace VCardParser {

namespace {
using VCardScan::Chunk;
using VCardScan::Line;

// Makes the cards of a chunk's lines.
class CardBuilder
{
public:
    explicit CardBuilder(const std::function<void(TCard&)>& take) : m_take(take) {}

    void Build(Chunk& chunk)
    {
        static const QString kVersion = QStringLiteral("VERSION");
        for (const Line& line : chunk.lines) {
            switch (line.kind) {
            case Line::Kind::Begin:
                m_card = TCard();
                m_card.Reserve(static_cast<int>(line.valueCount));
                break;
            case Line::Kind::End: m_take(m_card); break;
            case Line::Kind::Version:
            case Line::Kind::Property: {
                QStringList values(line.valueCount);
                QString* value = values.data();
                for (qsizetype v = line.valuesStart; v < line.valuesStart + line.valueCount; ++v)
                    *value++ = ValueOf(chunk.pieces[static_cast<size_t>(v)]);
                const QString name = line.kind == Line::Kind::Version ? kVersion
                                     : line.known >= 0               ? VCardScan::KnownName(line.known)
                                                                     : chunk.NameOf(line).toString();
                m_card.Add(TCardProperty(name, line.parameters, std::move(values)));
                break;
            }
            }
        }
    }

private:
    // The piece's string; a value the file repeats is made once and then
    // shared from its slot.
    QString ValueOf(VCardScan::Piece& piece)
    {
        if (piece.shared.slot < 0)
            return std::move(piece.made);
        QString& kept = m_repeated[static_cast<size_t>(piece.shared.slot)];
        if (!piece.shared.repeat)
            kept = std::move(piece.made);
        return kept;
    }

    const std::function<void(TCard&)>& m_take;
    TCard m_card;
    std::vector<QString> m_repeated = std::vector<QString>(RepeatedValues::kSlots);
};

void Count(const Dropped& counts, Dropped* dropped)
{
    if (!dropped)
        return;
    dropped->cutCards += counts.cutCards;
    dropped->cutProperties += counts.cutProperties;
    dropped->longLines += counts.longLines;
}

// Gives the scanner the next piece of the file; false when there is none.
using Feed = std::function<bool(VCardScan::Scanner&)>;

// Fills chunks until the file is read: take gives a cleared chunk (null:
// stop), hand passes a filled one on.
void ReadChunks(VCardScan::Scanner& scanner, const Feed& feed, const std::function<Chunk*()>& take,
                const std::function<void(Chunk*)>& hand)
{
    Chunk* chunk = take();
    while (chunk) {
        if (scanner.Fill(*chunk)) {
            hand(chunk);
            chunk = take();
        } else if (scanner.AtEnd() || !feed(scanner)) {
            if (!chunk->lines.empty())
                hand(chunk);
            return;
        }
    }
}

// The file is read on a thread of its own, a chunk at a time, while this
// one makes and takes the cards. The reader also makes the values' strings,
// which this thread only takes over: making them was the larger part of
// this thread's work, and the reader mostly waited for empty chunks. The
// reader frees nothing that this thread allocated, and this thread frees
// only the strings the cards drop, so the threads seldom wait for each
// other's allocator. The two threads are kept on two cores; left to the
// system, they often took turns on one.
void ReadBeside(VCardScan::Scanner& scanner, const Feed& feed, CardBuilder& builder)
{
    // Enough chunks that the maker goes on while the reader, ahead, backs a
    // page of memory (below), which takes milliseconds where the host of a
    // virtual machine took the page back. With three, the maker often ran
    // dry meanwhile: 10,000 cards took 45.0 ms on average instead of 43.3,
    // and one run in ten 53.7 ms instead of 47.9.
    constexpr int kChunks = 6;
    ChunkPipe pipe(kChunks);
    // When the reader is ahead and would wait, it has the memory that the
    // cards read so far will take backed ahead of this thread, which would
    // otherwise stop each time the heap grows into fresh memory. A card and
    // the items made of it take about two kilobytes.
    constexpr std::size_t kSlack = std::size_t(4) << 20;
    constexpr std::size_t kBytesPerCard = 2048;
    const std::size_t before = LargePageHeap::InUse() + kSlack;
    std::size_t cardsRead = 0;
    pipe.SetIdleWork([&] { return LargePageHeap::BackAhead(before + cardsRead * kBytesPerCard); });
    const CorePair cores;
    std::thread reader([&] {
        cores.Aside();
        try {
            ReadChunks(
                scanner, feed,
                [&pipe] {
                    Chunk* chunk = pipe.Empty();
                    if (chunk)
                        chunk->Clear();
                    return chunk;
                },
                [&pipe, &cardsRead](Chunk* chunk) {
                    const auto& lines = chunk->lines;
                    cardsRead += static_cast<std::size_t>(
                        std::count_if(lines.begin(), lines.end(), [](const Line& l) { return l.kind == Line::Kind::End; }));
                    pipe.Filled(chunk);
                });
            pipe.Close();
        } catch (...) {
            pipe.Close(std::current_exception());
        }
    });
    try {
        while (Chunk* chunk = pipe.Next()) {
            builder.Build(*chunk);
            pipe.Done(chunk);
        }
    } catch (...) {
        pipe.Cancel();
        reader.join();
        throw;
    }
    reader.join();
}

// Large files are read beside, small ones one chunk after the other.
void Run(VCardScan::Scanner& scanner, const Feed& feed, bool beside, const std::function<void(TCard&)>& take,
         Dropped* dropped)
{
    CardBuilder builder(take);
    if (beside) {
        ReadBeside(scanner, feed, builder);
    } else {
        Chunk chunk;
        ReadChunks(
            scanner, feed,
            [&chunk] {
                chunk.Clear();
                return &chunk;
            },
            [&builder](Chunk* filled) { builder.Build(*filled); });
    }
    Count(scanner.Counts(), dropped);
}
} // namespace

void Parse(QByteArrayView bytes, const std::function<void(TCard&)>& take, Dropped* dropped)
{
    // Made on this thread, so that its room comes from this thread's allocator.
    VCardScan::Scanner scanner(bytes);
    Run(scanner, [](VCardScan::Scanner&) { return false; }, bytes.size() >= kReadBesideBytes, take, dropped);
}

void Parse(CardFilePieces& file, const std::function<void(TCard&)>& take, Dropped* dropped)
{
    VCardScan::Scanner scanner;
    const Feed feed = [&file](VCardScan::Scanner& into) {
        VCardLineReader piece(QByteArrayView(), '\n', false);
        bool last = false;
        if (!file.Next(piece, last))
            return false;
        into.Continue(piece, last);
        return true;
    };
    Run(scanner, feed, file.Size() >= kReadBesideBytes, take, dropped);
}

void Parse(QByteArrayView bytes, std::vector<TCard>& cards, Dropped* dropped)
{
    Parse(bytes, [&cards](TCard& card) { cards.push_back(std::move(card)); }, dropped);
}

QStringList Describe(const Dropped& dropped)
{
    QStringList lines;
    if (dropped.cutCards > 0)
        lines.append(QStringLiteral("%1 card(s) had more than %2 lines; %3 line(s) beyond that were left out")
                         .arg(dropped.cutCards)
                         .arg(kMaxPropertiesPerCard)
                         .arg(dropped.cutProperties));
    if (dropped.longLines > 0)
        lines.append(QStringLiteral("%1 line(s) longer than %2 bytes were left out")
                         .arg(dropped.longLines)
                         .arg(VCardLineReader::kMaxLineBytes));
    return lines;
}

} // namespace VCardParser
