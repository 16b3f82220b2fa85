#include "model/IdIndex.h"

#include <random>

namespace {
constexpr std::size_t kInitialSlots = 64;
}

IdIndex::IdIndex() : m_slots(kInitialSlots, kFree), m_mask(kInitialSlots - 1), m_seed(std::random_device{}() | 1U)
{
}

std::size_t IdIndex::Home(std::int32_t id) const
{
    // A 64-bit finalizer over the seeded id spreads sequential and
    // clustered ids alike.
    std::uint64_t h = static_cast<std::uint32_t>(id) ^ (m_seed << 17);
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return static_cast<std::size_t>(h) & m_mask;
}

std::size_t IdIndex::Find(std::int32_t id) const
{
    std::size_t at = Home(id);
    while (m_slots[at] != kFree && m_slots[at] != id)
        at = (at + 1) & m_mask;
    return at;
}

bool IdIndex::Contains(std::int32_t id) const
{
    if (id == kFree)
        return m_freeMarkCarriers > 0;
    return m_slots[Find(id)] == id;
}

void IdIndex::Add(std::int32_t id)
{
    if (id == kFree) {
        ++m_freeMarkCarriers;
        return;
    }
    std::int32_t& slot = m_slots[Find(id)];
    if (slot == id) {
        ++m_moreCarriers[id];
        return;
    }
    slot = id;
    ++m_used;
    // Kept at most three quarters full, so probes stay short.
    if (static_cast<std::size_t>(m_used) * 4 > m_slots.size() * 3)
        Grow();
}

void IdIndex::Remove(std::int32_t id)
{
    if (id == kFree) {
        if (m_freeMarkCarriers > 0)
            --m_freeMarkCarriers;
        return;
    }
    std::size_t hole = Find(id);
    if (m_slots[hole] != id)
        return;
    if (const auto more = m_moreCarriers.find(id); more != m_moreCarriers.end()) {
        if (--more->second == 0)
            m_moreCarriers.erase(more);
        return;
    }
    --m_used;
    // Backward-shift deletion: later members of the probe run move into the
    // hole when their home lies at or before it, so no tombstones build up.
    std::size_t next = (hole + 1) & m_mask;
    while (m_slots[next] != kFree) {
        const std::size_t home = Home(m_slots[next]);
        if (((next - home) & m_mask) >= ((next - hole) & m_mask)) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
        next = (next + 1) & m_mask;
    }
    m_slots[hole] = kFree;
}

void IdIndex::Reserve(int count)
{
    std::size_t slots = m_slots.size();
    while (static_cast<std::size_t>(count) * 4 > slots * 3)
        slots *= 2;
    if (slots != m_slots.size())
        Rehash(slots);
}

void IdIndex::Grow()
{
    Rehash(m_slots.size() * 2);
}

void IdIndex::Rehash(std::size_t slots)
{
    std::vector<std::int32_t> old(slots, kFree);
    old.swap(m_slots);
    m_mask = m_slots.size() - 1;
    for (const std::int32_t id : old) {
        if (id != kFree)
            m_slots[Find(id)] = id;
    }
}
