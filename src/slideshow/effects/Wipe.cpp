// Wipe: right triangles of the picture's proportions grow from corners (their hypotenuse
// sweeping across the picture), or the picture appears outside two triangles that shrink into
// opposite corners.
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

// The frames of a leg running 0, step, 2 step, ... while below `length`.
int FramesBelow(int length, int step)
{
    return (length + step - 1) / step;
}

}  // namespace

void CTransitionEffects::WipeFromCorner(bool rightCorner, bool bottomCorner)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const std::vector<Corner> corner{{rightCorner, bottomCorner}};
    RevealGrowing(FramesBelow(2 * w, step), 2, [&](int k) { return Triangles(corner, k * step, w, h); });
    FinalCopy();
}

void CTransitionEffects::WipeFromCorners(bool topRightPair)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const std::vector<Corner> corners = Pair(topRightPair);
    RevealGrowing(FramesBelow(w, step), 2, [&](int k) { return Triangles(corners, k * step, w, h); });
    FinalCopy();
}

void CTransitionEffects::WipeToCorners(bool topRightPair)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const std::vector<Corner> corners = Pair(topRightPair);
    // The legs run from w down by the step while above 0.
    const auto outside = [&](int k) { return Outside(Triangles(corners, w - k * step, w, h), w, h); };
    RevealGrowing(FramesBelow(w, step), 2, outside);
    FinalCopy();
}
