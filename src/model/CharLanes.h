#pragma once

#include <cstdint>
#include <cstring>

// Tests on four UTF-16 characters at once, read as one 64-bit word. Every
// field of every item, and every value of a card file, passes through the
// searches built on them; Qt's general searches cost more per call than
// most of these short texts take.
namespace CharLanes {

inline constexpr std::uint64_t kOnes = 0x0001000100010001ULL;
inline constexpr std::uint64_t kHighs = 0x8000800080008000ULL;

inline std::uint64_t Load(const char16_t* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Whether one of the four characters in word is c: a lane of word ^ c*4
// that is zero shows in the high bits.
inline bool HasLane(std::uint64_t word, char16_t c)
{
    const std::uint64_t x = word ^ (kOnes * c);
    return ((x - kOnes) & ~x & kHighs) != 0;
}

// Whether one of the four characters in word is below c (c at most 0x8000).
inline bool HasBelow(std::uint64_t word, char16_t c)
{
    return ((word - kOnes * c) & ~word & kHighs) != 0;
}

} // namespace CharLanes
