// EXIF data written byte by byte, for the orientation tests and the fuzzer's first inputs.
#pragma once

#include <cstdint>
#include <vector>

struct IfdEntry {
    std::uint16_t tag, type;
    std::uint32_t count, value;  // a short (type 3) value is written in the first two bytes
};

constexpr std::uint16_t kOrientationTagNumber = 274;

// A TIFF structure in the byte order: the header, then the first IFD at offset 8 with the
// entries and the offset of the next IFD.
std::vector<std::uint8_t> TiffBytes(bool bigEndian, const std::vector<IfdEntry>& entries, std::uint32_t nextIfd = 0);

// The orientation entry alone, in the byte order.
std::vector<std::uint8_t> OrientationTiff(bool bigEndian, std::uint16_t orientation);

// The head of a JPEG: SOI, a JFIF APP0, an APP1 "Exif\0\0" segment holding `tiff`, a comment
// and the start of the scan.
std::vector<std::uint8_t> JpegHead(const std::vector<std::uint8_t>& tiff);
