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

// Turns the picture upright for an EXIF orientation (1 to 8; others leave it as it is). `scratch`
// holds the turned pixels on the way and the old ones after: one buffer reused picture after picture
// keeps the memory flat.
void OrientPicture(Picture& picture, int orientation, std::vector<std::uint32_t>& scratch);
void OrientPicture(Picture& picture, int orientation);

// `source` scaled to `size` by area averaging (the player's resampler) into `target`, whose buffer
// is reused. Colours of transparent pixels are weighed by their opacity, so no dark fringes grow at
// the edges of what is opaque.
void ResizePicture(const Picture& source, PictureSize size, Picture& target);
