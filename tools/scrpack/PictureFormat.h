// Pictures recognised by their first bytes, whatever their names say, and what the player can do
// with each kind.
//
//   PictureFormat format = SniffPicture(head.data(), head.size());
//   if (!PlayerReads(format)) ...convert it, or refuse it
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class PictureFormat { Unknown, Jpeg, Png, Gif, Bmp, Tiff, Heif, Avif, Webp };

// The format that the leading bytes of a file announce; 32 bytes are enough for every kind.
PictureFormat SniffPicture(const std::uint8_t* head, std::size_t size);
// The same from a file; Unknown when it cannot be read.
PictureFormat SniffPictureFile(const std::string& path);

// True for the formats the player decodes itself or through its image library.
bool PlayerReads(PictureFormat format);

// "JPEG", "HEIF", ... for messages.
const char* FormatName(PictureFormat format);

// The extension a file of the format is stored with (".jpg"); the player picks its reader by it.
const char* StoredExtension(PictureFormat format);
