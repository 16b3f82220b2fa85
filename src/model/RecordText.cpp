#include "model/RecordText.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// A UTF-16 unit takes three bytes of UTF-8 at most, a pair of them four.
constexpr qsizetype kBytesPerUnit = 3;
constexpr qsizetype kLineEnd = 2;

char* Encode(char* to, const char16_t* from, const char16_t* end)
{
    auto* out = reinterpret_cast<unsigned char*>(to);
    for (; from != end; ++from) {
        const char16_t c = *from;
        if (c < 0x80) {
            *out++ = static_cast<unsigned char>(c);
        } else if (c < 0x800) {
            *out++ = static_cast<unsigned char>(0xC0 | (c >> 6));
            *out++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && end - from >= 2 && QChar::isLowSurrogate(from[1])) {
            const char32_t u = QChar::surrogateToUcs4(c, from[1]);
            ++from;
            *out++ = static_cast<unsigned char>(0xF0 | (u >> 18));
            *out++ = static_cast<unsigned char>(0x80 | ((u >> 12) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            *out++ = '?'; // as QString::toUtf8 writes a lone half
        } else {
            *out++ = static_cast<unsigned char>(0xE0 | (c >> 12));
            *out++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        }
    }
    return reinterpret_cast<char*>(out);
}
} // namespace

void RecordText::Reserve(qsizetype units)
{
    if (m_text) {
        const qsizetype start = m_text->size();
        m_text->resize(start + units + kLineEnd);
        m_wide = reinterpret_cast<char16_t*>(m_text->data()) + start;
    } else {
        const qsizetype start = m_bytes->size();
        m_bytes->resize(start + kBytesPerUnit * units + kLineEnd);
        m_narrow = m_bytes->data() + start;
    }
}

void RecordText::Finish()
{
    if (m_text && m_wide)
        m_text->truncate(m_wide - reinterpret_cast<const char16_t*>(m_text->constData()));
    else if (m_bytes && m_narrow)
        m_bytes->truncate(m_narrow - m_bytes->constData());
}

// Most texts are ASCII: they are narrowed eight characters at a time (four
// where SSE2 is missing), and only from the first character beyond ASCII on
// encoded one at a time.
char* RecordText::PutUtf8(char* to, const char16_t* from, const char16_t* end)
{
#if defined(__SSE2__)
    const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
    for (; end - from >= 8; from += 8, to += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(chars, high), _mm_setzero_si128())) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(chars, chars));
    }
#endif
    constexpr std::uint64_t kHighBits = 0xFF80FF80FF80FF80ULL;
    for (; end - from >= 4; from += 4, to += 4) {
        std::uint64_t word;
        std::memcpy(&word, from, sizeof word);
        if (word & kHighBits)
            break;
        to[0] = static_cast<char>(word);
        to[1] = static_cast<char>(word >> 16);
        to[2] = static_cast<char>(word >> 32);
        to[3] = static_cast<char>(word >> 48);
    }
    for (; from != end; ++from, ++to) {
        if (*from >= 0x80)
            return Encode(to, from, end);
        *to = static_cast<char>(*from);
    }
    return to;
}
