#pragma once

#include <cstdint>
#include <vector>

// How many items of a tree carry each id. An open-addressing table of
// (id, count) pairs with linear probing: one allocation for the whole
// index instead of a node per id, which matters with 100,000 items. The
// hash is seeded per process, so ids chosen by a hostile file cannot be
// lined up to collide.
class IdIndex
{
public:
    IdIndex();

    bool Contains(std::int32_t id) const;
    void Add(std::int32_t id);
    // Drops one carrier of the id; the id leaves when none is left.
    void Remove(std::int32_t id);
    // Number of distinct ids held.
    int Size() const { return m_used; }

private:
    struct Slot
    {
        std::int32_t id = 0;
        std::int32_t count = 0; // 0: the slot is free
    };

    std::size_t Home(std::int32_t id) const;
    std::size_t Find(std::int32_t id) const; // the id's slot, or a free one
    void Grow();

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    int m_used = 0;
    std::uint64_t m_seed;
};
