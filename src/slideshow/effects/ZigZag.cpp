// Zig-zag: a 20 x 20 grid of cells revealed one cell per frame along a snake that runs along a
// line of cells and turns back along the next one.
#include "../EffectCellOrders.h"
#include "../TransitionEffects.h"

void CTransitionEffects::ZigZag(bool columns, bool fromFarEnd)
{
    const int cellWidth = (targetWidth + 20) / 20, cellHeight = (targetHeight + 20) / 20;
    for (const GridCell& cell : SnakePath(20, columns, fromFarEnd)) {
        Reveal(cell.column * cellWidth, cell.row * cellHeight, cellWidth, cellHeight);
        if (!EndFrame(25)) break;
    }
    FinalCopy();
}
