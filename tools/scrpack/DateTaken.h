// The date a photo was taken, from its EXIF data ("2024:07:14 18:03:22"), wherever the file keeps
// it: a JPEG's APP1 segment, a WebP's EXIF chunk, a HEIF or AVIF Exif item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// DateTimeOriginal of the EXIF sub-IFD, else DateTime of the first IFD, from a TIFF structure (the
// EXIF data after its "Exif\0\0" header); empty when there is none.
std::string ExifDateTaken(const std::uint8_t* tiff, std::size_t size);

// The same from a whole file; empty when it holds no EXIF data with a date.
std::string FileDateTaken(const std::string& path);
