#include "ExifBytes.h"

namespace {

class Writer {
public:
    explicit Writer(bool bigEndian) : bigEndian(bigEndian) {}
    void U16(std::uint32_t value)
    {
        const std::uint8_t high = static_cast<std::uint8_t>(value >> 8), low = static_cast<std::uint8_t>(value);
        bytes.insert(bytes.end(), bigEndian ? std::initializer_list<std::uint8_t>{high, low}
                                            : std::initializer_list<std::uint8_t>{low, high});
    }
    void U32(std::uint32_t value)
    {
        if (bigEndian) {
            U16(value >> 16);
            U16(value & 0xFFFF);
        } else {
            U16(value & 0xFFFF);
            U16(value >> 16);
        }
    }
    std::vector<std::uint8_t> bytes;

private:
    bool bigEndian;
};

void AppendSegment(std::vector<std::uint8_t>& jpeg, std::uint8_t marker, const std::vector<std::uint8_t>& payload)
{
    const std::size_t length = payload.size() + 2;
    jpeg.insert(jpeg.end(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
    jpeg.insert(jpeg.end(), payload.begin(), payload.end());
}

}  // namespace

std::vector<std::uint8_t> TiffBytes(bool bigEndian, const std::vector<IfdEntry>& entries, std::uint32_t nextIfd)
{
    Writer out(bigEndian);
    out.bytes = bigEndian ? std::vector<std::uint8_t>{'M', 'M'} : std::vector<std::uint8_t>{'I', 'I'};
    out.U16(42);
    out.U32(8);
    out.U16(static_cast<std::uint32_t>(entries.size()));
    for (const IfdEntry& entry : entries) {
        out.U16(entry.tag);
        out.U16(entry.type);
        out.U32(entry.count);
        if (entry.type == 3) {
            out.U16(entry.value);
            out.U16(0);
        } else {
            out.U32(entry.value);
        }
    }
    out.U32(nextIfd);
    return out.bytes;
}

std::vector<std::uint8_t> OrientationTiff(bool bigEndian, std::uint16_t orientation)
{
    return TiffBytes(bigEndian, {{kOrientationTagNumber, 3, 1, orientation}});
}

std::vector<std::uint8_t> JpegHead(const std::vector<std::uint8_t>& tiff)
{
    std::vector<std::uint8_t> jpeg{0xFF, 0xD8};
    AppendSegment(jpeg, 0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    std::vector<std::uint8_t> exif{'E', 'x', 'i', 'f', 0, 0};
    exif.insert(exif.end(), tiff.begin(), tiff.end());
    AppendSegment(jpeg, 0xE1, exif);
    AppendSegment(jpeg, 0xFE, {'h', 'e', 'a', 'd'});
    AppendSegment(jpeg, 0xDA, {1, 1, 0, 0, 63, 0});
    return jpeg;
}
