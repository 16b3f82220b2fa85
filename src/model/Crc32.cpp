#include "model/Crc32.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ZENDRIVO_CRC_FOLDING 1
#endif

namespace Crc32 {

namespace {

std::uint32_t ByTable(std::uint32_t crc, const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        const auto step = static_cast<uInt>(std::min<std::size_t>(size, std::numeric_limits<uInt>::max()));
        crc = static_cast<std::uint32_t>(::crc32(crc, data, step));
        data += step;
        size -= step;
    }
    return crc;
}

#if defined(ZENDRIVO_CRC_FOLDING)
#define ZENDRIVO_FOLDING_TARGET __attribute__((target("pclmul,sse4.1")))

ZENDRIVO_FOLDING_TARGET inline __m128i Load(const unsigned char* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// lane times x^k (the two halves of by), plus next
ZENDRIVO_FOLDING_TARGET inline __m128i FoldInto(__m128i lane, __m128i by, __m128i next)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(lane, by, 0x00), _mm_clmulepi64_si128(lane, by, 0x11)),
                         next);
}

// The running remainder (zlib's crc inverted) over size bytes, size a
// multiple of 16 and at least 64. Four lanes of 128 bits are folded forward
// by 512 bits a step, then into one lane, which is reduced to 32 bits with a
// bit-reflected Barrett step. The constants are powers of x modulo the
// polynomial 0x104C11DB7 (bit-reflected, shifted by one).
ZENDRIVO_FOLDING_TARGET std::uint32_t Fold(std::uint32_t remainder, const unsigned char* data, std::size_t size)
{
    const __m128i by512 = _mm_set_epi64x(0x1c6e41596, 0x154442bd4);
    const __m128i by128 = _mm_set_epi64x(0x0ccaa009e, 0x1751997d0);
    const __m128i by64 = _mm_set_epi64x(0, 0x163cd6124);
    const __m128i barrett = _mm_set_epi64x(0x1f7011641, 0x1db710641);
    const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);
    __m128i a = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(remainder)));
    __m128i b = Load(data + 16);
    __m128i c = Load(data + 32);
    __m128i d = Load(data + 48);
    data += 64;
    size -= 64;
    for (; size >= 64; data += 64, size -= 64) {
        a = FoldInto(a, by512, Load(data));
        b = FoldInto(b, by512, Load(data + 16));
        c = FoldInto(c, by512, Load(data + 32));
        d = FoldInto(d, by512, Load(data + 48));
    }
    a = FoldInto(a, by128, b);
    a = FoldInto(a, by128, c);
    a = FoldInto(a, by128, d);
    for (; size >= 16; data += 16, size -= 16)
        a = FoldInto(a, by128, Load(data));

    // 128 bits to 64, then to 32 plus the bits Barrett's step removes.
    a = _mm_xor_si128(_mm_srli_si128(a, 8), _mm_clmulepi64_si128(by128, a, 0x01));
    a = _mm_xor_si128(_mm_srli_si128(a, 4), _mm_clmulepi64_si128(_mm_and_si128(a, low32), by64, 0x00));
    __m128i t = _mm_clmulepi64_si128(_mm_and_si128(a, low32), barrett, 0x10);
    t = _mm_clmulepi64_si128(_mm_and_si128(t, low32), barrett, 0x00);
    return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(a, t), 1));
}

bool CanFold()
{
    static const bool can = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    return can;
}
#endif

} // namespace

std::uint32_t Update(std::uint32_t crc, const char* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
#if defined(ZENDRIVO_CRC_FOLDING)
    if (size >= 64 && CanFold()) {
        const std::size_t folded = size & ~std::size_t(15);
        crc = ~Fold(~crc, bytes, folded);
        bytes += folded;
        size -= folded;
    }
#endif
    return ByTable(crc, bytes, size);
}

} // namespace Crc32
