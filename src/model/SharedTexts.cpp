#include "model/SharedTexts.h"

#include <cstring>
#include <random>

namespace {
// Longer texts rarely repeat (names, numbers, addresses, comments). The table never
// grows past kSlots, half of them used at most, so a load of any size pays
// a fixed amount for it and a hostile file cannot grow it.
constexpr qsizetype kLongestShared = 16;
constexpr std::size_t kSlots = 1 << 14;

thread_local SharedTexts::Scope* t_scope = nullptr;

// A multiply-and-fold hash over the characters, seeded per scope so that a
// hostile file cannot line its texts up on one probe run.
std::uint64_t Hash(QStringView text, std::uint64_t seed)
{
    std::uint64_t h = seed ^ static_cast<std::uint64_t>(text.size());
    const char16_t* p = text.utf16();
    qsizetype left = text.size();
    while (left >= 4) {
        std::uint64_t chunk;
        std::memcpy(&chunk, p, sizeof chunk);
        h = (h ^ chunk) * 0x9E3779B97F4A7C15ULL;
        h ^= h >> 29;
        p += 4;
        left -= 4;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, p, static_cast<std::size_t>(left) * sizeof(char16_t));
    h = (h ^ tail) * 0x9E3779B97F4A7C15ULL;
    return h ^ (h >> 32);
}
} // namespace

SharedTexts::Scope::Scope() : m_outer(t_scope), m_seed(std::random_device{}())
{
    t_scope = this;
}

SharedTexts::Scope::~Scope()
{
    t_scope = m_outer;
}

QString SharedTexts::Scope::Find(QStringView text)
{
    if (m_slots.empty())
        m_slots.resize(kSlots);
    const std::uint64_t hash = Hash(text, m_seed);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    std::size_t at = hash & (kSlots - 1);
    while (!m_slots[at].text.isNull()) {
        if (m_slots[at].tag == tag && m_slots[at].text == text)
            return m_slots[at].text;
        at = (at + 1) & (kSlots - 1);
    }
    QString copy = text.toString();
    if (m_used < kSlots / 2) {
        m_slots[at] = {tag, copy};
        ++m_used;
    }
    return copy;
}

QString SharedTexts::Text(QStringView text)
{
    if (!t_scope || text.isEmpty() || text.size() > kLongestShared)
        return text.toString();
    return t_scope->Find(text);
}
