// A drawing surface: a 32-bpp top-down DIB section selected into its own memory DC, with a
// canvas on that DC. Pixels are addressable, so they can be read back and filled directly.
//
//   TBitmap bitmap;
//   if (bitmap.SetSize(640, 480, RGB(0, 0, 0)))
//       BitBlt(window, 0, 0, 640, 480, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
#pragma once

#include "Canvas.h"
#include "Handles.h"

#include <cstdint>
#include <memory>

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap() { Clear(); }

    // Makes a new surface of the size filled with `fill`; false (and nothing changed) when the
    // size is not positive or the system has no memory for it.
    bool SetSize(int width, int height, COLORREF fill);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return !bitmap; }
    TCanvas& Canvas() { return *canvas; }
    HDC Handle() const { return dc.get(); }

    // Hands the memory DC, with the bitmap still selected, to the caller, who deletes the DC and
    // then the bitmap (GetCurrentObject(dc, OBJ_BITMAP)); the surface is empty afterwards.
    HDC Detach();

    // Row-major 0x00RRGGBB pixels, `Width()` per row, top row first.
    std::uint32_t* Pixels() { return pixels; }
    const std::uint32_t* Pixels() const { return pixels; }
    // The pixel as a GDI colour (0x00BBGGRR); 0 outside the surface.
    COLORREF Pixel(int x, int y) const;

private:
    void Clear() noexcept;

    // Declared so that the canvas goes first, then the DC, then the bitmap it had selected.
    UniqueBitmap bitmap;
    UniqueMemoryDC dc;
    std::unique_ptr<TCanvas> canvas;
    std::uint32_t* pixels = nullptr;
    int width = 0, height = 0;
};

// Direct pixel work between surfaces, for drawing loops where a GDI call per rectangle costs
// more than the copy. Both cut the rectangle to the two surfaces. Call GdiFlush before, when GDI
// has drawn on either surface since the last flush.
void CopyPixels(const TBitmap& source, int sourceX, int sourceY, TBitmap& target, int x, int y, int width, int height);
// The whole source resampled (nearest pixel) into width × height at (x, y) of the target.
void StretchPixels(const TBitmap& source, TBitmap& target, int x, int y, int width, int height);
