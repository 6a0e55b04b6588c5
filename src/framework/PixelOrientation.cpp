#include "PixelOrientation.h"

#include <algorithm>
#include <cstddef>

namespace {

bool SwapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The target pixel (x, y) is source[origin + x * stepX + y * stepY].
struct SourceWalk {
    std::ptrdiff_t origin, stepX, stepY;
};

SourceWalk WalkFor(int orientation, std::ptrdiff_t width, std::ptrdiff_t height)
{
    const std::ptrdiff_t lastRow = (height - 1) * width, lastColumn = width - 1;
    switch (orientation) {
    case 2: return {lastColumn, -1, width};                     // mirrored left-right
    case 3: return {lastRow + lastColumn, -1, -width};          // half a turn
    case 4: return {lastRow, 1, -width};                        // mirrored top-bottom
    case 5: return {0, width, 1};                               // rows become columns
    case 6: return {lastRow, -width, 1};                        // a quarter clockwise
    case 7: return {lastRow + lastColumn, -width, -1};          // the other diagonal
    case 8: return {lastColumn, width, -1};                     // a quarter anticlockwise
    default: return {0, 1, width};
    }
}

// Square tiles keep both the rows read and the rows written in the cache when a turn walks the
// source down its columns.
constexpr int kTile = 64;

}  // namespace

OrientedSize OrientSize(int width, int height, int orientation)
{
    return SwapsSides(orientation) ? OrientedSize{height, width} : OrientedSize{width, height};
}

void OrientPixels(const std::uint32_t* source, int width, int height, int orientation, std::uint32_t* target)
{
    if (width <= 0 || height <= 0) return;
    const OrientedSize size = OrientSize(width, height, orientation);
    const SourceWalk walk = WalkFor(orientation, width, height);
    for (int tileY = 0; tileY < size.height; tileY += kTile) {
        const int endY = std::min(size.height, tileY + kTile);
        for (int tileX = 0; tileX < size.width; tileX += kTile) {
            const int endX = std::min(size.width, tileX + kTile);
            for (int y = tileY; y < endY; ++y) {
                std::uint32_t* out = target + static_cast<std::ptrdiff_t>(y) * size.width + tileX;
                std::ptrdiff_t at = walk.origin + y * walk.stepY + tileX * walk.stepX;
                for (int x = tileX; x < endX; ++x, at += walk.stepX)
                    *out++ = source[at];
            }
        }
    }
}
