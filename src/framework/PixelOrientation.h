// Turning and mirroring 32-bit pixel buffers into the orientation a picture is shown in (the
// EXIF orientations 1 to 8, see ExifOrientation.h).
#pragma once

#include <cstdint>

struct OrientedSize {
    int width = 0, height = 0;
};

// The size of a width × height picture after the orientation: 5 to 8 swap the sides.
OrientedSize OrientSize(int width, int height, int orientation);

// Writes the width × height pixels of `source` (rows top first) to `target` turned upright for
// the orientation; `target` holds OrientSize(...) pixels and is not `source`. An orientation
// outside 2..8 copies the pixels as they are.
void OrientPixels(const std::uint32_t* source, int width, int height, int orientation, std::uint32_t* target);
