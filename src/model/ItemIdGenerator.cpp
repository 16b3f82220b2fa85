#include "model/ItemIdGenerator.h"

#include <algorithm>

#include <sys/random.h>
#include <time.h>
#include <unistd.h>

namespace {
// A 64-bit mixer (splitmix64's finaliser): every input bit moves every output bit.
std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}
} // namespace

std::pair<int, int> ItemIdGenerator::FreshSeeds()
{
    std::uint64_t entropy = 0;
    if (::getrandom(&entropy, sizeof entropy, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof entropy))
        entropy = 0;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::uint64_t x = Mix(entropy ^ Mix(static_cast<std::uint64_t>(now.tv_sec) * 1000000000ULL +
                                        static_cast<std::uint64_t>(now.tv_nsec)));
    x = Mix(x ^ static_cast<std::uint64_t>(::getpid()));
    const int ij = static_cast<int>((x & 0xFFFFFFFFULL) % 31329);
    const int kl = static_cast<int>((x >> 32) % 30082);
    return {ij, kl};
}

ItemIdGenerator::ItemIdGenerator()
{
    const auto [ij, kl] = FreshSeeds();
    Seed(ij, kl);
}

ItemIdGenerator::ItemIdGenerator(int ij, int kl)
{
    Seed(ij, kl);
}

void ItemIdGenerator::Seed(int ij, int kl)
{
    ij = std::clamp(ij, 0, 31328);
    kl = std::clamp(kl, 0, 30081);
    int i = (ij / 177) % 177 + 2;
    int j = ij % 177 + 2;
    int k = (kl / 169) % 178 + 1;
    int l = kl % 169;
    for (double& cell : m_u) {
        double s = 0.0;
        double t = 0.5;
        for (int bit = 0; bit < 24; ++bit) {
            const int m = (((i * j) % 179) * k) % 179;
            i = j;
            j = k;
            k = m;
            l = (53 * l + 1) % 169;
            if ((l * m) % 64 >= 32)
                s += t;
            t *= 0.5;
        }
        cell = s;
    }
    m_c = 362436.0 / 16777216.0;
    m_cd = 7654321.0 / 16777216.0;
    m_cm = 16777213.0 / 16777216.0;
    m_i97 = 96;
    m_j97 = 32;
}

ItemIdGenerator::Step ItemIdGenerator::Upcoming() const
{
    Step step;
    step.cell = m_u[static_cast<size_t>(m_i97)] - m_u[static_cast<size_t>(m_j97)];
    if (step.cell < 0.0)
        step.cell += 1.0;
    step.carry = m_c - m_cd;
    if (step.carry < 0.0)
        step.carry += m_cm;
    step.value = step.cell - step.carry;
    if (step.value < 0.0)
        step.value += 1.0;
    return step;
}

double ItemIdGenerator::Next()
{
    const Step step = Upcoming();
    m_u[static_cast<size_t>(m_i97)] = step.cell;
    if (--m_i97 < 0)
        m_i97 = 96;
    if (--m_j97 < 0)
        m_j97 = 96;
    m_c = step.carry;
    return step.value;
}

std::int32_t ItemIdGenerator::NextId()
{
    return IdOf(Next());
}

std::int32_t ItemIdGenerator::PeekId() const
{
    // The cells the next draw reads are not the one it writes.
    return IdOf(Upcoming().value);
}

std::int32_t ItemIdGenerator::IdOf(double value)
{
    // Not negative, so truncating is taking the whole part.
    return static_cast<std::int32_t>(value * 2147450880.0);
}

ItemIdGenerator& ItemIdGenerator::Shared()
{
    static ItemIdGenerator generator;
    return generator;
}
