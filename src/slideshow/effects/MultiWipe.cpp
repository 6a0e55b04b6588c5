// Multi-Wipe: a 10 x 10 grid of cells, each wiped by a right triangle that grows from the same
// corner of every cell, its legs along the cell's edges in the picture's proportions.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <vector>

// Triangles are not cut to their cells: the part of a triangle that reaches into the next cell
// lies inside that cell's own triangle, so the picture looks the same either way.
void CTransitionEffects::MultiWipe(bool rightCorner, bool bottomCorner)
{
    const int w = targetWidth, h = targetHeight;
    const int cellWidth = (w + 10) / 10, cellHeight = (h + 10) / 10;
    const int sx = rightCorner ? -1 : 1, sy = bottomCorner ? -1 : 1;  // from the corner into the cell
    const auto triangles = [&](int t) {
        const int v = static_cast<int>(static_cast<double>(t) * h / w);
        std::vector<POINT> points;
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 10; ++column) {
                const POINT corner{(column + (rightCorner ? 1 : 0)) * cellWidth,
                                   (row + (bottomCorner ? 1 : 0)) * cellHeight};
                points.insert(points.end(), {corner, {corner.x + sx * t, corner.y}, {corner.x, corner.y + sy * v}});
            }
        return PolygonsRegion(points, std::vector<INT>(100, 3));
    };
    RevealGrowing(cellWidth, 1, [&](int k) { return triangles(2 * k); });  // t = 0, 2, ... below 2 cellWidth
    FinalCopy();
}
