#include "model/TextRules.h"

#include "model/CharLanes.h"
#include "model/SharedTexts.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace TextRules {

namespace {
using CharLanes::HasBelow;
using CharLanes::HasLane;

bool NeedsCleaning(QStringView text)
{
    const auto needs = [](char16_t c) { return c == u'~' || c == u'\r' || c == u'\n'; };
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype at = 0;
#if defined(__SSE2__)
    // Eight characters a step, then four: every text an item takes passes
    // here, and nearly all need nothing.
    const __m128i tilde = _mm_set1_epi16(u'~');
    const __m128i thirteen = _mm_set1_epi16(13);
    for (; at + 8 <= size; at += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + at));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(eight, tilde)) != 0)
            return true;
        const __m128i upTo13 = _mm_cmpeq_epi16(_mm_subs_epu16(eight, thirteen), _mm_setzero_si128());
        if (_mm_movemask_epi8(upTo13) != 0) {
            for (qsizetype i = at; i < at + 8; ++i) {
                if (needs(chars[i]))
                    return true;
            }
        }
    }
#endif
    for (; at + 4 <= size; at += 4) {
        const std::uint64_t word = CharLanes::Load(chars + at);
        // Line ends are among the few characters below 14: only then are
        // the four looked at one by one.
        if (HasLane(word, u'~') ||
            (HasBelow(word, 14) && (needs(chars[at]) || needs(chars[at + 1]) || needs(chars[at + 2]) || needs(chars[at + 3]))))
            return true;
    }
    for (; at < size; ++at) {
        if (needs(chars[at]))
            return true;
    }
    return false;
}

QString Cleaned(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out.append(u' ');
        } else if (c == u'~') {
            if (!out.endsWith(u'~'))
                out.append(c);
        } else {
            out.append(c);
        }
    }
    if (out.endsWith(u'~'))
        out.chop(1);
    return out;
}
} // namespace

QString CleanFilled(const QString& text)
{
    return NeedsCleaning(text) ? Cleaned(text) : text;
}

QString CleanFilled(QString&& text)
{
    return NeedsCleaning(text) ? Cleaned(text) : std::move(text);
}

QString CleanField(QStringView field)
{
    return NeedsCleaning(field) ? Cleaned(field) : SharedTexts::Text(field);
}

namespace {
// The position of the next "~" at or after from, or the text's size. Four
// characters are tested at a time (a zero lane of word ^ "~~~~" shows in
// the high bits): a load splits hundreds of thousands of short fields,
// and Qt's general search costs more per call than most of them take.
qsizetype NextTilde(const char16_t* chars, qsizetype size, qsizetype from)
{
    qsizetype at = from;
    for (; at + 4 <= size; at += 4) {
        const std::uint64_t word = CharLanes::Load(chars + at);
        if (HasLane(word, u'~'))
            break;
    }
    for (; at < size; ++at) {
        if (chars[at] == u'~')
            return at;
    }
    return size;
}
} // namespace

void SplitFieldViews(QStringView text, FieldViews& fields)
{
    fields.clear();
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype at = NextTilde(chars, size, 0);
    while (at + 1 < size) {
        if (chars[at + 1] != u'~') {
            at = NextTilde(chars, size, at + 2);
            continue;
        }
        fields.append(text.sliced(start, at - start));
        start = at + 2;
        at = NextTilde(chars, size, start);
    }
    fields.append(text.sliced(start));
}

QList<QString> SplitFields(QStringView text)
{
    FieldViews views;
    SplitFieldViews(text, views);
    QList<QString> fields;
    fields.reserve(views.size());
    for (QStringView view : views)
        fields.append(view.toString());
    return fields;
}

namespace {
// Writes the digits at the end of room and gives where they begin.
template <typename Char, std::size_t N>
std::size_t PutNumber(std::int64_t value, std::array<Char, N>& room)
{
    // Two digits a step: every record carries three or four numbers, ids
    // of ten digits among them.
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    std::size_t at = room.size();
    // Levels, class codes and most categories: one digit.
    if (value >= 0 && value < 10) {
        room[--at] = static_cast<Char>('0' + value);
        return at;
    }
    // Counted in the unsigned range, so the lowest value has its digits too.
    std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    while (rest >= 10) {
        const char* pair = kPairs + 2 * (rest % 100);
        room[--at] = static_cast<Char>(pair[1]);
        room[--at] = static_cast<Char>(pair[0]);
        rest /= 100;
    }
    if (rest != 0 || at == room.size())
        room[--at] = static_cast<Char>('0' + rest);
    if (value < 0)
        room[--at] = static_cast<Char>('-');
    return at;
}
} // namespace

QStringView NumberText(std::int64_t value, NumberRoom& room)
{
    const std::size_t at = PutNumber(value, room);
    return QStringView(room.data() + at, static_cast<qsizetype>(room.size() - at));
}

std::string_view NumberText(std::int64_t value, NumberBytes& room)
{
    const std::size_t at = PutNumber(value, room);
    return std::string_view(room.data() + at, room.size() - at);
}

ScannedInteger ScanInteger(QStringView text)
{
    ScannedInteger result;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    bool hex = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i < text.size() && text[i] == u'$') {
        hex = true;
        ++i;
    }
    const std::int64_t limit = hex ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
    std::int64_t value = 0;
    bool complete = true;
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            break;
        const std::int64_t next = value * (hex ? 16 : 10) + digit;
        if (next > limit) {
            complete = false;
            break;
        }
        value = next;
        result.ok = true;
        ++i;
    }
    result.consumed = i;
    if (complete && negative)
        value = -value;
    // Hexadecimal texts name the bit pattern of a 32-bit value.
    result.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFLL));
    if (!complete)
        result.ok = false;
    return result;
}

std::int32_t ParseInteger(QStringView text)
{
    const ScannedInteger scanned = ScanInteger(text);
    if (scanned.ok && scanned.consumed == text.size())
        return scanned.value;
    // Incomplete: the digits read so far count, without the minus sign.
    return scanned.value < 0 && scanned.value != INT32_MIN ? -scanned.value : scanned.value;
}

bool IsUrl(const QString& text)
{
    // The old schemes, and those that addresses carry today.
    static const std::array<QStringView, 13> schemes = {
        u"http:", u"wais:", u"news:", u"ftp:", u"mailto:", u"gopher:", u"telnet:",
        u"https:", u"ftps:", u"sftp:", u"file:", u"irc:", u"ircs:"};
    if (text.size() <= 7)
        return false;
    for (QStringView scheme : schemes) {
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool IsInternetMail(const QString& address)
{
    return address.contains(u'@');
}

QString DigitsOnly(QStringView text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    }
    return digits;
}

namespace {
char16_t LowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}
} // namespace

int CompareWithoutCase(QStringView a, QStringView b)
{
    const auto lower = LowerAscii;
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80) // the rest with the full folding, from a whole character on
            return a.sliced(i).compare(b.sliced(i), Qt::CaseInsensitive);
        if (lower(x) != lower(y))
            return int(lower(x)) - int(lower(y));
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {
// Each Latin-1 character as the comparison without case takes it (A as a,
// Ë as ë), or 0 where that lies beyond Latin-1 (µ folds to a Greek
// letter) and for NUL, which would pack as the end does.
const std::array<std::uint8_t, 256>& FoldedLatin1()
{
    static const std::array<std::uint8_t, 256> table = [] {
        std::array<std::uint8_t, 256> folded{};
        for (char16_t c = 1; c < 256; ++c) {
            const char16_t f = QChar::toCaseFolded(c);
            folded[c] = f < 256 ? static_cast<std::uint8_t>(f) : 0;
        }
        return folded;
    }();
    return table;
}
} // namespace

CasePrefix CasePrefixOf(QStringView text)
{
    constexpr int kChars = 16;
    const auto& folded = FoldedLatin1();
    CasePrefix prefix;
    prefix.exact = kChars;
    for (int i = 0; i < kChars && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const std::uint8_t packed = c < 256 ? folded[c] : 0;
        if (packed == 0) {
            prefix.exact = i;
            break;
        }
        std::uint64_t& word = i < 8 ? prefix.high : prefix.low;
        word |= std::uint64_t(packed) << (8 * (7 - i % 8));
    }
    prefix.whole = prefix.exact == kChars && text.size() <= kChars;
    return prefix;
}

int CompareWithoutCase(const CasePrefix& pa, QStringView a, const CasePrefix& pb, QStringView b)
{
    // The first character where the prefixes differ decides when both hold
    // it as it compares. The end of a text packs as 0, below every
    // character, so the text that ends there comes first, as it should.
    const int exact = std::min(pa.exact, pb.exact);
    if (const std::uint64_t differ = pa.high ^ pb.high) {
        if (std::countl_zero(differ) / 8 < exact)
            return pa.high < pb.high ? -1 : 1;
    } else if (const std::uint64_t differLow = pa.low ^ pb.low) {
        if (8 + std::countl_zero(differLow) / 8 < exact)
            return pa.low < pb.low ? -1 : 1;
    } else if (pa.whole && pb.whole) {
        return 0;
    }
    return CompareWithoutCase(a, b);
}

} // namespace TextRules
