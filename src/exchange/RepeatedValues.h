#pragma once

#include <QStringView>

#include <array>
#include <cstdint>
#include <memory>

// Spots the short values that a card file repeats (cities, countries, first
// names), so that the cards share one string for each instead of allocating
// it again: fewer allocations while importing, and less memory after.
//
// The reading thread keeps the table and makes the string of a value seen
// first; the thread that makes the cards keeps it in a slot of strings
// beside the table, and a repeat takes the slot's string. Both follow the
// same order of values. Each value has one slot, by its hash; a different
// value with the same slot takes it over.
class RepeatedValues
{
public:
    static constexpr int kSlots = 4096;
    // Longer values are seldom repeated and are not looked at.
    static constexpr qsizetype kMostChars = 15;

    // What to do with a value's string.
    struct Verdict
    {
        std::int16_t slot = -1; // -1: a string of its own, not kept
        bool repeat = false;    // true: the slot's string; false: make it and keep it there
    };

    RepeatedValues();

    Verdict Look(QStringView value);

private:
    // The text padded with zeros, so that whole entries are compared.
    struct Entry
    {
        std::array<char16_t, kMostChars + 1> text{};
        std::uint32_t size = 0; // 0: empty slot
    };
    std::unique_ptr<std::array<Entry, kSlots>> m_entries;
};
