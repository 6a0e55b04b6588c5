// Block: an 8 x 8 grid of cells revealed one cell per frame along a square spiral from the
// centre, or along the same spiral backwards, from the outside in.
#include "../EffectCellOrders.h"
#include "../TransitionEffects.h"

#include <algorithm>
#include <vector>

void CTransitionEffects::BlockSpiralCells(bool toCenter)
{
    // Cells reach past the picture in the last row and column; copies are cut to it.
    const int cellWidth = targetWidth / 8 + 1, cellHeight = targetHeight / 8 + 1;
    std::vector<GridCell> cells = BlockSpiral();
    if (toCenter) std::reverse(cells.begin(), cells.end());
    for (const GridCell& cell : cells) {
        Reveal(cell.column * cellWidth, cell.row * cellHeight, cellWidth, cellHeight);
        if (!EndFrame(30)) break;
    }
}
