#include "Stream.h"

bool TMemoryStream::Write(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), bytes, bytes + size);
    return true;
}

void TMemoryStream::Reserve(std::uint64_t size)
{
    if (size <= bytes_.max_size() - bytes_.size()) bytes_.reserve(bytes_.size() + static_cast<std::size_t>(size));
}
