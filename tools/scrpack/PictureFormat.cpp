#include "PictureFormat.h"

#include <cstring>
#include <fstream>

namespace {

bool StartsWith(const std::uint8_t* head, std::size_t size, std::size_t at, const char* magic, std::size_t length)
{
    return size >= at + length && std::memcmp(head + at, magic, length) == 0;
}

// An ISO base media file ("....ftyp" then the major brand and, after a version, the compatible
// brands): AVIF when a brand says AV1 still picture, HEIF for the HEVC and image-file brands.
PictureFormat FromFileTypeBox(const std::uint8_t* head, std::size_t size)
{
    if (!StartsWith(head, size, 4, "ftyp", 4)) return PictureFormat::Unknown;
    const std::size_t box = static_cast<std::size_t>(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
    const std::size_t end = box < size ? box : size;
    bool heif = false;
    for (std::size_t at = 8; at + 4 <= end; at += 4) {
        if (at == 12) continue;  // the minor version
        const char* brand = reinterpret_cast<const char*>(head + at);
        if (!std::memcmp(brand, "avif", 4) || !std::memcmp(brand, "avis", 4)) return PictureFormat::Avif;
        for (const char* known : {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"})
            heif = heif || !std::memcmp(brand, known, 4);
    }
    return heif ? PictureFormat::Heif : PictureFormat::Unknown;
}

}  // namespace

PictureFormat SniffPicture(const std::uint8_t* head, std::size_t size)
{
    if (StartsWith(head, size, 0, "\xFF\xD8\xFF", 3)) return PictureFormat::Jpeg;
    if (StartsWith(head, size, 0, "\x89PNG\r\n\x1A\n", 8)) return PictureFormat::Png;
    if (StartsWith(head, size, 0, "GIF87a", 6) || StartsWith(head, size, 0, "GIF89a", 6)) return PictureFormat::Gif;
    if (StartsWith(head, size, 0, "BM", 2) && size >= 14) return PictureFormat::Bmp;
    if (StartsWith(head, size, 0, "II*\0", 4) || StartsWith(head, size, 0, "MM\0*", 4)) return PictureFormat::Tiff;
    if (StartsWith(head, size, 0, "RIFF", 4) && StartsWith(head, size, 8, "WEBP", 4)) return PictureFormat::Webp;
    return FromFileTypeBox(head, size);
}

PictureFormat SniffPictureFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::uint8_t head[64] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    return SniffPicture(head, static_cast<std::size_t>(in.gcount()));
}

bool PlayerReads(PictureFormat format)
{
    switch (format) {
        case PictureFormat::Jpeg:
        case PictureFormat::Png:
        case PictureFormat::Gif:
        case PictureFormat::Bmp:
        case PictureFormat::Tiff:
            return true;
        default:
            return false;
    }
}

const char* FormatName(PictureFormat format)
{
    static const char* const kNames[] = {"unknown", "JPEG", "PNG", "GIF", "BMP", "TIFF", "HEIF", "AVIF", "WebP"};
    return kNames[static_cast<int>(format)];
}

const char* StoredExtension(PictureFormat format)
{
    static const char* const kExtensions[] = {"", ".jpg", ".png", ".gif", ".bmp", ".tif", ".heic", ".avif", ".webp"};
    return kExtensions[static_cast<int>(format)];
}
