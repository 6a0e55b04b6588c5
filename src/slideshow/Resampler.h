// Scaling a picture for the screen: area averaging where it shrinks (each new pixel is the mean
// of the source area it covers), linear interpolation where it grows. The picture quality of a
// halftone stretch at a fraction of its cost, on 32-bit 0x00RRGGBB pixels; the fourth byte of
// every written pixel is 0.
//
//   ResamplePixels({photo.data(), 6000, 4000, 6000}, {0, 0, 6000, 4000},
//                  {screen.data(), 1920, 1080, 1920}, {150, 0, 1620, 1080});
#pragma once

#include <cstdint>

template <typename Pixel>
struct Plane {
    Pixel* pixels = nullptr;
    int width = 0, height = 0;
    int stride = 0;  // pixels from one row to the next
};
using SourcePlane = Plane<const std::uint32_t>;
using TargetPlane = Plane<std::uint32_t>;

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The source rectangle (inside the source plane) scaled to the target rectangle, of which only
// the part inside the target plane is written. Nothing happens for an empty or outside rectangle.
void ResamplePixels(const SourcePlane& source, PixelRect from, const TargetPlane& target, PixelRect to);
