#include "DateTaken.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size) : data(data), size(size)
    {
        valid = size >= 8 && (!std::memcmp(data, "II*\0", 4) || !std::memcmp(data, "MM\0*", 4));
        little = valid && data[0] == 'I';
    }
    bool valid = false;

    // True when `n` bytes from `at` lie inside the data (written so that nothing wraps).
    bool Holds(std::size_t at, std::size_t n) const { return at <= size && n <= size - at; }

    std::uint32_t U16(std::size_t at) const
    {
        if (!Holds(at, 2)) return 0;
        return little ? data[at] | data[at + 1] << 8 : data[at] << 8 | data[at + 1];
    }
    std::uint32_t U32(std::size_t at) const
    {
        if (!Holds(at, 4)) return 0;
        return little ? U16(at) | U16(at + 2) << 16 : U16(at) << 16 | U16(at + 2);
    }
    // The entry of `tag` in the IFD at `ifd`: the offset of its 12 bytes, or 0.
    std::size_t Entry(std::size_t ifd, std::uint32_t tag) const
    {
        if (ifd == 0 || !Holds(ifd, 2)) return 0;
        const std::uint32_t count = U16(ifd);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = ifd + 2 + 12 * static_cast<std::size_t>(i);
            if (!Holds(entry, 12)) return 0;
            if (U16(entry) == tag) return entry;
        }
        return 0;
    }
    // An ASCII date entry of 20 bytes ("YYYY:MM:DD HH:MM:SS\0"): its text, or empty.
    std::string Date(std::size_t ifd, std::uint32_t tag) const
    {
        const std::size_t entry = Entry(ifd, tag);
        if (!entry || U16(entry + 2) != 2 || U32(entry + 4) < 19) return {};
        const std::size_t at = U32(entry + 8);
        if (!Holds(at, 19)) return {};
        const std::string text(reinterpret_cast<const char*>(data + at), 19);
        // A camera without a clock writes blanks or zeros.
        return text[0] >= '1' && text[0] <= '9' ? text : std::string();
    }

private:
    const std::uint8_t* data;
    std::size_t size;
    bool little = false;
};

}  // namespace

std::string ExifDateTaken(const std::uint8_t* tiff, std::size_t size)
{
    const TiffReader reader(tiff, size);
    if (!reader.valid) return {};
    const std::size_t first = reader.U32(4);
    if (const std::size_t pointer = reader.Entry(first, 0x8769)) {
        const std::string original = reader.Date(reader.U32(pointer + 8), 0x9003);
        if (!original.empty()) return original;
    }
    return reader.Date(first, 0x0132);
}

std::string FileDateTaken(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The EXIF data follows "Exif\0\0" in JPEG, HEIF and AVIF, and the chunk header "EXIF" and its
    // length in WebP; the TIFF structure starts with its byte order mark.
    for (std::size_t at = 0; at + 8 < bytes.size(); ++at) {
        std::size_t tiff = 0;
        if (!std::memcmp(&bytes[at], "Exif\0\0", 6))
            tiff = at + 6;
        else if (!std::memcmp(&bytes[at], "EXIF", 4))
            tiff = at + 8;
        else
            continue;
        const std::string date = ExifDateTaken(bytes.data() + tiff, bytes.size() - tiff);
        if (!date.empty()) return date;
    }
    return {};
}
