// Wedge wipe: a wedge with its point at the centre opens at one edge, its arms sweep down the
// side edges, and what is left of the start picture closes to a wedge at the opposite edge.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <utility>
#include <vector>

void CTransitionEffects::WedgeWipe(bool sideways, bool fromFarEdge)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    // The figure is made for a wedge that opens at the top edge of a picture of cw x ch, then
    // turned: transposed to open at the left edge, mirrored to open at the far edge.
    const int cw = sideways ? h : w, ch = sideways ? w : h, cx = (cw + 2) / 2, cy = (ch + 2) / 2;
    const auto place = [=](std::vector<POINT> points) {
        for (POINT& p : points) {
            if (sideways) std::swap(p.x, p.y);
            if (fromFarEdge && sideways) p.x = w - p.x;
            if (fromFarEdge && !sideways) p.y = h - p.y;
        }
        return points;
    };
    const auto figure = [=](int phase, int c) -> std::vector<POINT> {
        switch (phase) {
            case 0:  // the wedge opens at the top edge
                return {{cx + c, 0}, {cx, cy}, {cx - c, 0}};
            case 1:  // its arms run down the side edges
                return {{0, c}, {cx, cy}, {cw, c}, {cw, 0}, {0, 0}};
            default:  // the start picture closes to the bottom edge
                return {{cx - c, ch}, {cx, cy}, {cx + c, ch}, {cw, ch}, {cw, 0}, {0, 0}, {0, ch}};
        }
    };

    // One figure per frame, through the three phases.
    std::vector<std::vector<POINT>> figures;
    int phase = 0, c = 1;
    for (bool last = false; !last;) {
        figures.push_back(place(figure(phase, c)));
        c += phase == 2 ? -step : step;
        if (phase == 0 && c > cx) {
            phase = 1, c = 0;
        } else if (phase == 1 && c > ch) {
            phase = 2, c = cx;
        } else if (phase == 2 && c < 0) {
            last = true;
        }
    }
    RevealGrowing(static_cast<int>(figures.size()), 2, [&](int k) { return PolygonRegion(figures[k]); });
    FinalCopy();
}
