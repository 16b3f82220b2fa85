#include "model/Crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <vector>

namespace {

std::uint32_t Reference(std::uint32_t crc, const char* data, std::size_t size)
{
    return static_cast<std::uint32_t>(::crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(size)));
}

std::vector<char> RandomBytes(std::size_t size)
{
    std::mt19937 random(20261210);
    std::vector<char> bytes(size);
    for (char& b : bytes)
        b = static_cast<char>(random());
    return bytes;
}

} // namespace

// The folded sum must agree with the table at every length around the
// folding steps (64 and 16 bytes), from every alignment, and when a sum is
// continued over several pieces.
TEST(Crc32, AgreesWithZlibAtEveryLengthAlignmentAndContinuation)
{
    const std::vector<char> bytes = RandomBytes(1 << 20);
    EXPECT_EQ(Crc32::Update(0, "123456789", 9), 0xCBF43926u) << "the standard check value";
    EXPECT_EQ(Crc32::Update(0, bytes.data(), 0), 0u);
    for (std::size_t offset = 0; offset < 16; ++offset) {
        for (std::size_t size = 0; size <= 300; ++size)
            ASSERT_EQ(Crc32::Update(0, bytes.data() + offset, size), Reference(0, bytes.data() + offset, size))
                << "offset " << offset << ", size " << size;
    }
    EXPECT_EQ(Crc32::Update(0, bytes.data(), bytes.size()), Reference(0, bytes.data(), bytes.size()));
    const std::uint32_t first = Crc32::Update(0, bytes.data(), 1000);
    EXPECT_EQ(Crc32::Update(first, bytes.data() + 1000, bytes.size() - 1000), Reference(0, bytes.data(), bytes.size()));
    // A buffer of nothing but zeros or ones keeps no lane from cancelling.
    for (const char fill : {'\0', '\xFF'}) {
        const std::vector<char> same(4099, fill);
        EXPECT_EQ(Crc32::Update(0, same.data(), same.size()), Reference(0, same.data(), same.size()));
    }
}
