#include "ProjectOptions.h"

#include "../package/Convert.h"

ProjectOptions ProjectOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    return DecodeBlock<kSize, ProjectOptions>(bytes, size, [](auto& o, auto visit) { ForEachField(o, visit); });
}

std::vector<std::uint8_t> ProjectOptions::ToBytes() const
{
    return EncodeBlock<kSize>(*this, [](auto& o, auto visit) { ForEachField(o, visit); });
}
