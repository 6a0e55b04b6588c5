#include "BitmapFile.h"

#include "../../src/package/Convert.h"

std::vector<std::uint8_t> MakeBitmapFile(int w, int h, const std::function<std::uint32_t(int x, int y)>& colour)
{
    constexpr std::uint32_t kHeaders = 14 + 40;
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(h);
    std::vector<std::uint8_t> file(kHeaders + imageSize);
    file[0] = 'B';
    file[1] = 'M';
    WriteLE32(&file[2], kHeaders + imageSize);
    WriteLE32(&file[10], kHeaders);
    WriteLE32(&file[14], 40);
    WriteLE32(&file[18], static_cast<std::uint32_t>(w));
    WriteLE32(&file[22], static_cast<std::uint32_t>(h));
    file[26] = 1;   // planes
    file[28] = 24;  // bits per pixel
    WriteLE32(&file[34], imageSize);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = &file[kHeaders + stride * static_cast<std::uint32_t>(h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = colour(x, y);
            row[3 * x + 0] = static_cast<std::uint8_t>(c >> 16);
            row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(c);
        }
    }
    return file;
}
