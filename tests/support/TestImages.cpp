#include "TestImages.h"

#include "../../src/framework/ImageWriter.h"

#include <wincodec.h>

#include <fstream>

namespace {

const GUID& Container(ImageFormat format)
{
    switch (format) {
        case ImageFormat::Bmp:
            return GUID_ContainerFormatBmp;
        case ImageFormat::Png:
            return GUID_ContainerFormatPng;
        case ImageFormat::Jpeg:
            return GUID_ContainerFormatJpeg;
        case ImageFormat::Gif:
            return GUID_ContainerFormatGif;
        default:
            return GUID_ContainerFormatTiff;
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeImage(ImageFormat format, int width, int height, const PixelFunction& pixel)
{
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixel(x, y);
            std::uint8_t* p = &rows[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    return EncodeImage(Container(format), width, height, rows);
}

std::string WriteImage(const std::string& path, ImageFormat format, int width, int height, const PixelFunction& pixel)
{
    const std::vector<std::uint8_t> bytes = EncodeImage(format, width, height, pixel);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

COLORREF PatternPixel(int x, int y)
{
    return RGB((x * 7 + y) & 0xFF, (y * 5 + x / 3) & 0xFF, (x ^ y) & 0xFF);
}
