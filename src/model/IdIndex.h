#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

// How many items of a tree carry each id. An open-addressing table of ids
// with linear probing: one allocation of four bytes per slot for the whole
// index instead of a node per id, which matters with 100,000 items. The
// hash is seeded per process, so ids chosen by a hostile file cannot be
// lined up to collide.
class IdIndex
{
public:
    IdIndex();

    bool Contains(std::int32_t id) const;
    // Starts loading the id's home slot into the cache. New ids are drawn
    // at random, so each one's first look into a table of 100,000 ids
    // waits on memory; fetched ahead, the wait overlaps other work.
    void Prefetch(std::int32_t id) const { __builtin_prefetch(m_slots.data() + Home(id)); }
    void Add(std::int32_t id);
    // Drops one carrier of the id; the id leaves when none is left.
    void Remove(std::int32_t id);
    // Room for count distinct ids in all, made at once: a bulk import that
    // knows roughly how many items come spares the table its rehashing.
    void Reserve(int count);
    // Number of distinct ids held.
    int Size() const { return m_used + (m_freeMarkCarriers > 0 ? 1 : 0); }

private:
    // Marks a free slot. Items that carry this very id are only counted.
    static constexpr std::int32_t kFree = INT32_MIN;

    std::size_t Home(std::int32_t id) const;
    std::size_t Find(std::int32_t id) const; // the id's slot, or a free one
    void Grow();
    void Rehash(std::size_t slots);

    std::vector<std::int32_t> m_slots;
    // Carriers beyond the first of an id, for files that repeat ids: rare,
    // so they stay out of the table.
    std::unordered_map<std::int32_t, int> m_moreCarriers;
    int m_freeMarkCarriers = 0;
    std::size_t m_mask = 0;
    int m_used = 0;
    std::uint64_t m_seed;
};
