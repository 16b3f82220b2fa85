#include "exchange/VCardScanner.h"

#include "exchange/AsciiWords.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace VCardScan {

namespace {
using AsciiWords::StartsWith;
using VCardValue::Escapes;

constexpr int kKnownCount = 10;

// The names of KnownName as bytes. The first nine are read, as prefixes (so
// NOTE is kept too, by "N"); a name spelled exactly as one of them shares
// its string.
constexpr std::array<std::string_view, kKnownCount> kKnownBytes = {"FN",    "N",   "ADR", "TEL",  "EMAIL",
                                                                   "TITLE", "ORG", "URL", "BDAY", "NOTE"};
constexpr int kReadNames = 9;

QByteArrayView BytesOf(std::string_view name)
{
    return QByteArrayView(name.data(), static_cast<qsizetype>(name.size()));
}

// Both run for every line of a file: the first letter rules out nearly
// every name before the rest is compared.
bool IsReadName(QByteArrayView name)
{
    if (name.isEmpty())
        return false;
    const char first = AsciiWords::Upper(name.front());
    for (int n = 0; n < kReadNames; ++n) {
        const std::string_view known = kKnownBytes[static_cast<size_t>(n)];
        if (first == known.front() && StartsWith(name, BytesOf(known)))
            return true;
    }
    return false;
}

// The name's index in KnownName, or -1 for another name.
int KnownIndex(QByteArrayView name)
{
    for (int n = 0; n < kKnownCount; ++n) {
        const std::string_view known = kKnownBytes[static_cast<size_t>(n)];
        if (name.size() == static_cast<qsizetype>(known.size()) && name.front() == known.front() &&
            std::memcmp(name.data(), known.data(), known.size()) == 0)
            return n;
    }
    return -1;
}

// 4.0 writes numbers and addresses as URIs.
QLatin1StringView SchemeOf(QByteArrayView name)
{
    if (AsciiWords::Is(name, "TEL"))
        return QLatin1StringView("tel:");
    if (AsciiWords::Is(name, "EMAIL"))
        return QLatin1StringView("mailto:");
    return {};
}

Escapes EscapesOf(QByteArrayView version)
{
    if (version.startsWith("2"))
        return Escapes::Version21;
    if (version.startsWith("3") || version.startsWith("4"))
        return Escapes::Version3;
    return Escapes::Plain;
}
} // namespace

Chunk::Chunk()
{
    // A chunk ends with the card that crosses kChunkLines; cards of ten
    // lines of some thirty characters each are typical.
    constexpr qsizetype kTypicalCardLines = 10;
    constexpr qsizetype kTypicalLineText = 32;
    lines.reserve(Scanner::kChunkLines + kTypicalCardLines);
    pieces.reserve(Scanner::kChunkLines + kTypicalCardLines);
    text.reserve(static_cast<qsizetype>(Scanner::kChunkLines) * kTypicalLineText * 2);
}

const QString& KnownName(int n)
{
    // Shared by every card rather than allocated per line.
    static const QString kKnown[kKnownCount] = {
        QStringLiteral("FN"),  QStringLiteral("N"),     QStringLiteral("ADR"), QStringLiteral("TEL"),
        QStringLiteral("EMAIL"), QStringLiteral("TITLE"), QStringLiteral("ORG"), QStringLiteral("URL"),
        QStringLiteral("BDAY"), QStringLiteral("NOTE")};
    return kKnown[n];
}

void Scanner::Take(Chunk& chunk, QByteArrayView line, const VCardHead& head)
{
    Line found;
    found.parameters = head.parameters;
    if (StartsWith(head.name, "VERSION") && head.name.size() == 7) {
        // Kept: a card with a version line comes from another program.
        const QByteArrayView version = line.sliced(head.valueStart).trimmed();
        found.kind = Line::Kind::Version;
        found.escapes = EscapesOf(version);
        found.textStart = chunk.text.size();
        chunk.text.append(QLatin1StringView(version));
    } else {
        if (!IsReadName(head.name))
            return;
        if (m_properties >= kMaxPropertiesPerCard) {
            ++m_cut;
            return;
        }
        found.kind = Line::Kind::Property;
        found.known = static_cast<std::int8_t>(KnownIndex(head.name));
        if (found.known < 0) {
            found.nameStart = chunk.text.size();
            chunk.text.append(QLatin1StringView(head.name));
            found.nameSize = chunk.text.size() - found.nameStart;
        }
        found.scheme = SchemeOf(head.name);
        found.textStart = chunk.text.size();
        VCardValue::AppendDecoded(line.sliced(head.valueStart), head, chunk.text);
    }
    found.textSize = chunk.text.size() - found.textStart;
    chunk.lines.push_back(found);
    ++m_properties;
}

void Scanner::SplitValues(Chunk& chunk, Line& line, Escapes escapes)
{
    // Values that need unescaping are written to a room of the reader's own
    // and then put behind the text; most values need none and stay where
    // they are.
    if (m_room.size() < line.textSize)
        m_room.resize(line.textSize);
    const QChar* const room = m_room.constData();
    const QChar* const base = chunk.text.constData();
    m_values.clear();
    VCardValue::Split(QStringView(base + line.textStart, line.textSize), escapes, m_room.data(), m_values);
    const auto inRoom = [room, this](QStringView value) {
        return value.data() >= room && value.data() <= room + m_room.size();
    };
    qsizetype roomUsed = 0;
    for (const QStringView value : m_values) {
        if (inRoom(value))
            roomUsed = std::max(roomUsed, static_cast<qsizetype>(value.data() + value.size() - room));
    }
    const qsizetype roomStart = chunk.text.size();
    if (roomUsed > 0)
        chunk.text.append(room, roomUsed);
    line.valuesStart = static_cast<qsizetype>(chunk.pieces.size());
    line.valueCount = static_cast<qsizetype>(m_values.size());
    for (const QStringView value : m_values) {
        const qsizetype start = inRoom(value) ? roomStart + (value.data() - room) : value.data() - base;
        chunk.pieces.push_back({start, value.size(), {}, {}});
    }
    Piece& first = chunk.pieces[static_cast<size_t>(line.valuesStart)];
    // The first letter rules out nearly every value before the whole
    // scheme is compared.
    const auto firstLetterFits = [&] {
        return first.size >= line.scheme.size() && (chunk.text[first.start].unicode() | 0x20) == line.scheme.front();
    };
    if (!line.scheme.isEmpty() && firstLetterFits() && chunk.TextOf(first).startsWith(line.scheme, Qt::CaseInsensitive)) {
        first.start += line.scheme.size();
        first.size -= line.scheme.size();
    }
    for (size_t at = static_cast<size_t>(line.valuesStart); at < chunk.pieces.size(); ++at) {
        Piece& piece = chunk.pieces[at];
        piece.shared = m_repeats.Look(chunk.TextOf(piece));
        if (!piece.shared.repeat)
            piece.made = chunk.TextOf(piece).toString();
    }
}

void Scanner::EndCard(Chunk& chunk)
{
    Escapes escapes = Escapes::Plain;
    for (size_t at = m_begin + 1; at < chunk.lines.size(); ++at) {
        if (chunk.lines[at].kind == Line::Kind::Version)
            escapes = chunk.lines[at].escapes;
    }
    for (size_t at = m_begin + 1; at < chunk.lines.size(); ++at)
        SplitValues(chunk, chunk.lines[at], escapes);
    chunk.lines[m_begin].valueCount = static_cast<qsizetype>(chunk.lines.size() - m_begin - 1);
    Line end;
    end.kind = Line::Kind::End;
    chunk.lines.push_back(end);
    if (m_cut > 0) {
        ++m_dropped.cutCards;
        m_dropped.cutProperties += m_cut;
    }
    m_inCard = false;
}

void Scanner::Continue(const VCardLineReader& piece, bool last)
{
    m_dropped.longLines += m_reader.LongLines();
    m_reader = piece;
    m_last = last;
    m_ended = false;
}

bool Scanner::Fill(Chunk& chunk)
{
    QByteArrayView line;
    VCardHead head;
    while (m_reader.Next(line, head)) {
        if (!m_inCard) {
            if (StartsWith(line, "BEGIN:")) {
                m_inCard = true;
                m_properties = 0;
                m_cut = 0;
                m_begin = chunk.lines.size();
                chunk.lines.push_back(Line{});
            }
            continue;
        }
        if (StartsWith(line, "END:")) {
            EndCard(chunk);
            if (chunk.lines.size() >= kChunkLines)
                return true;
        } else if (head.valueStart >= 0) {
            Take(chunk, line, head);
        }
    }
    if (m_last && !m_ended) {
        if (m_inCard)
            EndCard(chunk);
        m_dropped.longLines += m_reader.LongLines();
        m_ended = true;
    }
    return false;
}

} // namespace VCardScan
