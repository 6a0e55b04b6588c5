#include "Bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

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
    // A new DIB section comes zeroed from the system: black needs no fill.
    const COLORREF c = fill & 0xFFFFFF;
    if (c != 0)
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

HDC TBitmap::Detach()
{
    canvas.reset();
    bitmap.release();
    HDC detached = dc.release();
    Clear();
    return detached;
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

void CopyPixels(const TBitmap& source, int sourceX, int sourceY, TBitmap& target, int x, int y, int width, int height)
{
    // Cut to the target and to the source at once, each side moving with the other.
    const int left = std::max({x, 0, x - sourceX}), top = std::max({y, 0, y - sourceY});
    const int right = std::min({x + width, target.Width(), x - sourceX + source.Width()});
    const int bottom = std::min({y + height, target.Height(), y - sourceY + source.Height()});
    if (right <= left || bottom <= top) return;
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * 4;
    for (int row = top; row < bottom; ++row)
        std::memcpy(
            target.Pixels() + static_cast<std::size_t>(row) * target.Width() + left,
            source.Pixels() + static_cast<std::size_t>(row - y + sourceY) * source.Width() + (left - x + sourceX),
            rowBytes);
}

void StretchPixels(const TBitmap& source, TBitmap& target, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0 || source.Empty()) return;
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + width, target.Width()), bottom = std::min(y + height, target.Height());
    if (right <= left || bottom <= top) return;
    std::vector<int> columns(static_cast<std::size_t>(right - left));
    for (int column = left; column < right; ++column)
        columns[column - left] = static_cast<int>((2LL * (column - x) + 1) * source.Width() / (2LL * width));
    // Each target pixel takes the source pixel under its centre.
    for (int row = top; row < bottom; ++row) {
        const long long sourceRow = (2LL * (row - y) + 1) * source.Height() / (2LL * height);
        const std::uint32_t* from =
            source.Pixels() +
            static_cast<std::size_t>(std::min<long long>(sourceRow, source.Height() - 1)) * source.Width();
        std::uint32_t* to = target.Pixels() + static_cast<std::size_t>(row) * target.Width();
        for (int column = left; column < right; ++column)
            to[column] = from[std::min(columns[column - left], source.Width() - 1)];
    }
}
