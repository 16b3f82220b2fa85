#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 (the one of zip and PNG), continued from crc over size bytes the
// way zlib's crc32() does. Start with 0. Large buffers are folded sixteen
// bytes a step with carry-less multiplication where the processor has it:
// the journal sums every saved database, several megabytes, before anything
// is written.
namespace Crc32 {

std::uint32_t Update(std::uint32_t crc, const char* data, std::size_t size);

} // namespace Crc32
