// The CRC-32 of zlib and PNG (reflected polynomial 0xEDB88320), as a stream that values are copied into.
#pragma once

#include "../../src/platform/Stream.h"

#include <cstdint>

class TCrc32Stream : public TStream {
public:
    bool Write(const void* data, std::size_t size) override;
    std::uint32_t Crc() const { return ~state; }
    std::uint64_t Length() const { return length; }

private:
    std::uint32_t state = 0xFFFFFFFFu;
    std::uint64_t length = 0;
};
