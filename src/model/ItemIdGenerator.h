#pragma once

#include <array>
#include <cstdint>
#include <utility>

// Marsaglia and Zaman's universal random generator (RANMAR), the source of
// new item ids. The same seeds give the same sequence as the published
// algorithm, so ids drawn here match those of earlier installations.
class ItemIdGenerator
{
public:
    // Seeds from the system's random source mixed with the time and the
    // process id, so runs started together still draw different ids.
    ItemIdGenerator();
    ItemIdGenerator(int ij, int kl);

    // The next uniform value in [0, 1).
    double Next();
    // The whole part of Next() x 7FFF8000h: an id for a new item.
    std::int32_t NextId();
    // The id NextId() returns next, without drawing it.
    std::int32_t PeekId() const;

    // The generator that CreateItem draws from, made on first use.
    static ItemIdGenerator& Shared();

    // The seeds ItemIdGenerator() uses: ij in [0, 31328], kl in [0, 30081].
    static std::pair<int, int> FreshSeeds();

private:
    // What the next draw computes: the lag table's new cell, the new carry
    // and the value drawn.
    struct Step
    {
        double cell = 0;
        double carry = 0;
        double value = 0;
    };

    void Seed(int ij, int kl);
    Step Upcoming() const;
    static std::int32_t IdOf(double value);

    // Every value the generator holds or returns is a multiple of 2^-24 in
    // [0, 1), and an id is below 2^31 with nine bits of fraction: a double
    // holds them all exactly, so it gives the very sequence that wider
    // types give, without the x87 arithmetic they cost.
    std::array<double, 97> m_u{};
    double m_c = 0;
    double m_cd = 0;
    double m_cm = 0;
    int m_i97 = 96;
    int m_j97 = 32;
};
