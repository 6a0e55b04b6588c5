// Fan wipe: four blades turn around the centre at once, one from the middle of each edge. Each
// first sweeps along its edge to the next corner, then carries round that corner along the
// next edge until it meets the following blade's start. The last phase ends with the final copy.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <vector>

namespace {

// The four blades at travel t (u on the vertical edges, in proportion), as polygons around the
// centre C. Clockwise, the top blade runs right, the right one down, the bottom one left, the
// left one up; anticlockwise mirrors each blade's direction about its own edge's middle.
std::vector<POINT> Blades(bool clockwise, bool roundTheCorner, int t, int u, int w, int h)
{
    const int cx = (w + 2) / 2, cy = (h + 2) / 2;
    const POINT c{cx, cy};
    if (clockwise && !roundTheCorner)
        return {c, {cx, 0}, {cx + t, 0}, c, {w, cy}, {w, cy + u}, c, {cx, h}, {cx - t, h}, c, {0, cy}, {0, cy - u}};
    if (clockwise)
        return {c, {cx, 0}, {w, 0}, {w, u},     c, {w, cy}, {w, h}, {w - t, h},
                c, {cx, h}, {0, h}, {0, h - u}, c, {0, cy}, {0, 0}, {t, 0}};
    if (!roundTheCorner)
        return {c, {cx, 0}, {cx - t, 0}, c, {0, cy}, {0, cy + u}, c, {cx, h}, {cx + t, h}, c, {w, cy}, {w, cy - u}};
    return {c, {cx, 0}, {0, 0}, {0, u},     c, {0, cy}, {0, h}, {t, h},
            c, {cx, h}, {w, h}, {w, h - u}, c, {w, cy}, {w, 0}, {w - t, 0}};
}

}  // namespace

void CTransitionEffects::FanWipe(bool clockwise)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight, cx = (w + 2) / 2;
    bool roundTheCorner = false;
    int t = 1;
    for (;;) {
        const int u = static_cast<int>(static_cast<double>(t) * h / w) + 1;
        const std::vector<POINT> points = Blades(clockwise, roundTheCorner, t, u, w, h);
        const std::vector<INT> counts(4, static_cast<INT>(points.size() / 4));
        UniqueRegion blades = PolygonsRegion(points, counts);
        if (blades) RevealRegion(blades.get());

        t += step;
        if (t > cx) {
            if (roundTheCorner) {
                FinalCopy();
                break;
            }
            roundTheCorner = true;
            t = 0;
        }
        if (!EndFrame(2)) break;
    }
}
