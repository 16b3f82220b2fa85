#include "exchange/RepeatedValues.h"

#include <cstring>

RepeatedValues::RepeatedValues() : m_entries(std::make_unique<std::array<Entry, kSlots>>()) {}

RepeatedValues::Verdict RepeatedValues::Look(QStringView value)
{
    const qsizetype size = value.size();
    if (size == 0 || size > kMostChars)
        return {};
    Entry seen;
    seen.size = static_cast<std::uint32_t>(size);
    std::memcpy(seen.text.data(), value.utf16(), static_cast<size_t>(size) * sizeof(char16_t));
    // The four 64-bit words of the padded text, mixed by multiplication.
    std::uint64_t words[4];
    std::memcpy(words, seen.text.data(), sizeof words);
    std::uint64_t hash = (words[0] * 0x9E3779B97F4A7C15ULL) ^ (words[1] * 0xC2B2AE3D27D4EB4FULL) ^
                         (words[2] * 0x165667B19E3779F9ULL) ^ (words[3] * 0xD6E8FEB86659FD93ULL) ^ seen.size;
    hash ^= hash >> 29;
    const auto slot = static_cast<std::int16_t>((hash ^ (hash >> 32)) & (kSlots - 1));
    Entry& entry = (*m_entries)[static_cast<size_t>(slot)];
    if (entry.size == seen.size && entry.text == seen.text)
        return {slot, true};
    entry = seen;
    return {slot, false};
}
