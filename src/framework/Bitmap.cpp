#include "Bitmap.h"

#include <algorithm>

bool TBitmap::SetSize(int newWidth, int newHeight, COLORREF fill)
{
    if (newWidth <= 0 || newHeight <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap nextBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDC nextDC(::CreateCompatibleDC(nullptr));
    if (!nextBitmap || !nextDC || !bits) return false;
    ::SelectObject(nextDC.get(), nextBitmap.get());

    Clear();
    dc = std::move(nextDC);
    bitmap = std::move(nextBitmap);
    canvas = std::make_unique<TCanvas>(dc.get());
    pixels = static_cast<std::uint32_t*>(bits);
    width = newWidth;
    height = newHeight;
    const COLORREF c = fill & 0xFFFFFF;
    std::fill_n(pixels, static_cast<std::size_t>(width) * height,
                static_cast<std::uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
    return true;
}

COLORREF TBitmap::Pixel(int x, int y) const
{
    if (!pixels || x < 0 || y < 0 || x >= width || y >= height) return 0;
    ::GdiFlush();
    const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept
{
    if (this != &other) {
        Clear();
        bitmap = std::move(other.bitmap);
        dc = std::move(other.dc);
        canvas = std::move(other.canvas);
        pixels = other.pixels;
        width = other.width;
        height = other.height;
        other.pixels = nullptr;
        other.width = other.height = 0;
    }
    return *this;
}

// A selected bitmap cannot be deleted: the canvas restores the DC, the DC goes, then the bitmap.
void TBitmap::Clear() noexcept
{
    canvas.reset();
    dc.reset();
    bitmap.reset();
    pixels = nullptr;
    width = height = 0;
}
