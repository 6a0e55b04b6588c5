// Number and text conversions for numbers stored as text in the package.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Raised when a stored text that must be a number is not one.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text without leading and trailing blanks and control characters.
std::string_view Trim(std::string_view text);

// A decimal 32-bit integer: an optional sign and digits, nothing else. Anything else, or a value
// outside the 32-bit range, raises EConvertError.
std::int32_t StrToInt(std::string_view text);

// Little-endian integers, assembled as unsigned values so no shift is undefined.
inline std::uint32_t ReadLE32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}
inline void WriteLE32(std::uint8_t* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A stored block of fixed layout, read by offset: a shorter stored value leaves the rest zero and
// bytes beyond N are ignored.
template <std::size_t N>
class FixedBlock {
public:
    FixedBlock(const std::uint8_t* stored, std::size_t size) { std::copy_n(stored, std::min(size, N), bytes.begin()); }
    std::uint8_t U8(std::size_t offset) const { return bytes[offset]; }
    std::uint32_t U32(std::size_t offset) const { return ReadLE32(&bytes[offset]); }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

private:
    std::array<std::uint8_t, N> bytes{};
};

// Fixed-layout option blocks whose fields are listed once, with their offsets, by a function
// forEachField(options, visit) that calls visit(offset, field, name) for each: one-byte fields are
// stored as bytes, the others as little-endian 32-bit values.
template <std::size_t N, class Options, class ForEachField>
Options DecodeBlock(const std::uint8_t* stored, std::size_t size, ForEachField forEachField)
{
    const FixedBlock<N> block(stored, size);
    Options options;
    forEachField(options, [&block](std::size_t offset, auto& field, const char*) {
        using Field = std::remove_reference_t<decltype(field)>;
        field = sizeof(Field) == 1 ? static_cast<Field>(block.U8(offset)) : static_cast<Field>(block.U32(offset));
    });
    return options;
}

template <std::size_t N, class Options, class ForEachField>
std::vector<std::uint8_t> EncodeBlock(const Options& options, ForEachField forEachField)
{
    std::vector<std::uint8_t> bytes(N);
    forEachField(options, [&bytes](std::size_t offset, const auto& field, const char*) {
        if (sizeof field == 1)
            bytes[offset] = static_cast<std::uint8_t>(field);
        else
            WriteLE32(&bytes[offset], static_cast<std::uint32_t>(field));
    });
    return bytes;
}
