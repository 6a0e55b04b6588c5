// The orientation a camera records in a JPEG's EXIF data (tag 274 of the first IFD): how the
// stored pixels must be turned or mirrored to show the picture the right way up.
//
//   1 as stored             2 mirrored left-right   3 turned half round     4 mirrored top-bottom
//   5 mirrored on the main diagonal (rows become columns)
//   6 turned a quarter clockwise                     7 mirrored on the other diagonal
//   8 turned a quarter anticlockwise
//
// A picture that is not a JPEG, has no EXIF segment, or whose segment is damaged anywhere on the
// way to the tag (or holds a value outside 1..8) is shown as stored: 1.
#pragma once

#include "../platform/File.h"

#include <cstddef>
#include <cstdint>

constexpr int kOrientationAsStored = 1;

// The orientation in a TIFF structure (the EXIF segment after its "Exif\0\0" header): byte order
// mark, magic number, the first IFD and its entries, every offset checked against `size`.
int ParseExifOrientation(const std::uint8_t* tiff, std::size_t size);

// The orientation of a whole JPEG in memory: the markers are walked from the start to the first
// APP1 segment that holds EXIF data, up to the start of the compressed data.
int JpegOrientation(const std::uint8_t* bytes, std::size_t size);

// The same from an open file, reading only the marker headers on the way and the EXIF segment.
int JpegOrientation(SharedReadFile& file);
