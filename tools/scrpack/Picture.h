// A decoded picture in memory: 32-bit pixels 0xAARRGGBB, rows top first, no gaps between rows.
#pragma once

#include "FitSize.h"

#include <cstdint>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    bool hasAlpha = false;  // false: every alpha byte is 0xFF

    PictureSize Size() const { return {width, height}; }
    void Allocate(int w, int h)
    {
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0xFF000000u);
    }
};

// Turns the picture upright for an EXIF orientation (1 to 8; others leave it as it is).
void OrientPicture(Picture& picture, int orientation);

// Scales the picture to `size` by area averaging (the player's resampler). Colours of transparent
// pixels are weighed by their opacity, so no dark fringes grow at the edges of what is opaque.
void ResizePicture(Picture& picture, PictureSize size);
