#include "ExifOrientation.h"

#include <cstring>
#include <vector>

namespace {

// JPEG markers.
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kTem = 0x01;
constexpr std::uint8_t kRestart0 = 0xD0, kRestart7 = 0xD7;

constexpr char kExifHeader[] = {'E', 'x', 'i', 'f', '\0', '\0'};
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint16_t kOrientationTag = 274;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kTiffHeaderSize = 8;
constexpr std::size_t kEntrySize = 12;
// Real files have a handful of segments before the picture data; a walk that has not reached the
// EXIF segment after this many markers and fill bytes gives up rather than read a whole file.
constexpr int kMaxMarkerSteps = 1024;

class TiffReader {
public:
    TiffReader(const std::uint8_t* bytes, bool bigEndian) : bytes(bytes), bigEndian(bigEndian) {}
    std::uint16_t U16(std::size_t at) const
    {
        return static_cast<std::uint16_t>(bigEndian ? bytes[at] << 8 | bytes[at + 1] : bytes[at + 1] << 8 | bytes[at]);
    }
    std::uint32_t U32(std::size_t at) const
    {
        const std::uint32_t high = U16(at), low = U16(at + 2);
        return bigEndian ? high << 16 | low : low << 16 | high;
    }

private:
    const std::uint8_t* bytes;
    bool bigEndian;
};

// Walks the markers of a JPEG through `read(position, buffer, count)` (which returns how many
// bytes it could give) and returns the orientation of the first EXIF segment.
template <typename Read>
int WalkMarkers(Read read)
{
    std::uint8_t head[4];
    if (read(0, head, 2) != 2 || head[0] != 0xFF || head[1] != kStartOfImage) return kOrientationAsStored;
    std::uint64_t position = 2;
    int steps = 0;
    for (;;) {
        if (read(position, head, 2) != 2 || head[0] != 0xFF) return kOrientationAsStored;
        std::uint8_t marker = head[1];
        position += 2;
        while (marker == 0xFF) {  // fill bytes before the marker: each is read once
            if (++steps > kMaxMarkerSteps || read(position, &marker, 1) != 1) return kOrientationAsStored;
            ++position;
        }
        if (++steps > kMaxMarkerSteps) return kOrientationAsStored;
        if (marker == kTem || (marker >= kRestart0 && marker <= kRestart7)) continue;  // no length
        if (marker == kStartOfScan || marker == kEndOfImage || marker == kStartOfImage) return kOrientationAsStored;
        if (read(position, head, 2) != 2) return kOrientationAsStored;
        const std::size_t length = static_cast<std::size_t>(head[0] << 8 | head[1]);
        if (length < 2) return kOrientationAsStored;
        const std::size_t payloadSize = length - 2;
        if (marker == kApp1 && payloadSize >= sizeof kExifHeader) {
            std::uint8_t header[sizeof kExifHeader];
            if (read(position + 2, header, sizeof header) != sizeof header) return kOrientationAsStored;
            if (std::memcmp(header, kExifHeader, sizeof header) == 0) {
                if (payloadSize < sizeof kExifHeader + kTiffHeaderSize) return kOrientationAsStored;
                std::vector<std::uint8_t> tiff(payloadSize - sizeof kExifHeader);
                if (read(position + 2 + sizeof kExifHeader, tiff.data(), tiff.size()) != tiff.size())
                    return kOrientationAsStored;
                return ParseExifOrientation(tiff.data(), tiff.size());
            }
        }
        position += length;
    }
}

}  // namespace

int ParseExifOrientation(const std::uint8_t* tiff, std::size_t size)
{
    if (!tiff || size < kTiffHeaderSize) return kOrientationAsStored;
    bool bigEndian;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        bigEndian = false;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        bigEndian = true;
    else
        return kOrientationAsStored;
    const TiffReader reader(tiff, bigEndian);
    if (reader.U16(2) != kTiffMagic) return kOrientationAsStored;
    const std::uint32_t ifd = reader.U32(4);
    // The IFD starts after the header and its entry count lies inside the segment.
    if (ifd < kTiffHeaderSize || ifd > size - 2) return kOrientationAsStored;
    const std::size_t count = reader.U16(ifd);
    const std::size_t entries = ifd + 2;
    if (count > (size - entries) / kEntrySize) return kOrientationAsStored;  // entries beyond the end
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = entries + i * kEntrySize;
        if (reader.U16(entry) != kOrientationTag) continue;
        if (reader.U16(entry + 2) != kShortType || reader.U32(entry + 4) != 1) return kOrientationAsStored;
        const int value = reader.U16(entry + 8);  // a single short sits first in the value field
        return value >= 1 && value <= 8 ? value : kOrientationAsStored;
    }
    return kOrientationAsStored;
}

int JpegOrientation(const std::uint8_t* bytes, std::size_t size)
{
    if (!bytes) return kOrientationAsStored;
    return WalkMarkers([bytes, size](std::uint64_t position, std::uint8_t* buffer, std::size_t count) -> std::size_t {
        if (position >= size || count > size - position) return 0;
        std::memcpy(buffer, bytes + position, count);
        return count;
    });
}

int JpegOrientation(SharedReadFile& file)
{
    if (!file.IsOpen()) return kOrientationAsStored;
    return WalkMarkers([&file](std::uint64_t position, std::uint8_t* buffer, std::size_t count) -> std::size_t {
        if (position > static_cast<std::uint64_t>(file.Size())) return 0;
        return file.ReadAt(static_cast<std::int64_t>(position), buffer, count);
    });
}
