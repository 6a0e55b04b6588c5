#include "Crc32.h"

#include <array>

namespace {
std::array<std::uint32_t, 256> MakeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}
const std::array<std::uint32_t, 256> kTable = MakeTable();
}  // namespace

bool TCrc32Stream::Write(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i)
        state = kTable[(state ^ bytes[i]) & 0xFFu] ^ (state >> 8);
    length += size;
    return true;
}
