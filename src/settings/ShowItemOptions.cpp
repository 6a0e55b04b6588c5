#include "ShowItemOptions.h"

#include "../package/Convert.h"

ShowItemOptions ShowItemOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    return DecodeBlock<kSize, ShowItemOptions>(bytes, size, [](auto& o, auto visit) { ForEachField(o, visit); });
}

std::vector<std::uint8_t> ShowItemOptions::ToBytes() const
{
    return EncodeBlock<kSize>(*this, [](auto& o, auto visit) { ForEachField(o, visit); });
}
