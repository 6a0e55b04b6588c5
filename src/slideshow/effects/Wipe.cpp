// Wipe: right triangles of the picture's proportions grow from corners (their hypotenuse
// sweeping across the picture), or the picture appears outside two triangles that shrink into
// opposite corners. The shown part only grows, so each frame draws what it adds.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <vector>

namespace {

struct Corner {
    bool right, bottom;
};

// The triangle at a corner whose horizontal leg is b, its vertical leg in proportion.
std::vector<POINT> Triangle(Corner corner, int b, int w, int h)
{
    const int x = corner.right ? w : 0, y = corner.bottom ? h : 0;
    const int v = static_cast<int>(static_cast<double>(b) * h / w);
    return {{x, y}, {corner.right ? x - b : x + b, y}, {x, corner.bottom ? y - v : y + v}};
}

UniqueRegion Triangles(std::vector<Corner> corners, int b, int w, int h)
{
    std::vector<POINT> points;
    for (Corner corner : corners) {
        const std::vector<POINT> triangle = Triangle(corner, b, w, h);
        points.insert(points.end(), triangle.begin(), triangle.end());
    }
    return PolygonsRegion(points, std::vector<INT>(corners.size(), 3));
}

std::vector<Corner> Pair(bool topRightPair)
{
    if (topRightPair) return {{true, false}, {false, true}};
    return {{false, false}, {true, true}};
}

}  // namespace

void CTransitionEffects::WipeFromCorner(bool rightCorner, bool bottomCorner)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const std::vector<Corner> corner{{rightCorner, bottomCorner}};
    for (int b = 0; b < 2 * w; b += step) {
        UniqueRegion added =
            b == 0 ? Triangles(corner, b, w, h) : Minus(Triangles(corner, b, w, h), Triangles(corner, b - step, w, h));
        if (added) RevealRegion(added.get());
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}

void CTransitionEffects::WipeFromCorners(bool topRightPair)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const std::vector<Corner> corners = Pair(topRightPair);
    for (int b = 0; b < w; b += step) {
        UniqueRegion added = b == 0 ? Triangles(corners, b, w, h)
                                    : Minus(Triangles(corners, b, w, h), Triangles(corners, b - step, w, h));
        if (added) RevealRegion(added.get());
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}

void CTransitionEffects::WipeToCorners(bool topRightPair)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const std::vector<Corner> corners = Pair(topRightPair);
    for (int b = w; b > 0; b -= step) {
        UniqueRegion added = b == w ? Outside(Triangles(corners, b, w, h), w, h)
                                    : Minus(Triangles(corners, b + step, w, h), Triangles(corners, b, w, h));
        if (added) RevealRegion(added.get());
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}
