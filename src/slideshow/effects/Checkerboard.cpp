// Checkerboard: a 20 x 20 grid of cells. The first pass reveals, line by line, the cells whose
// row + column is even, leaving a complete checkerboard; the second pass reveals the odd cells.
#include "../TransitionEffects.h"

namespace {

constexpr int kLines = 20;

}  // namespace

void CTransitionEffects::Checkerboard(bool columns, bool fromLastLine, bool rebound)
{
    const int cellWidth = (targetWidth + 20) / 20, cellHeight = (targetHeight + 20) / 20;
    for (int pass = 0; pass < 2; ++pass) {
        const bool backward = pass == 0 ? fromLastLine : fromLastLine != rebound;
        for (int k = 0; k < kLines; ++k) {
            const int line = backward ? kLines - 1 - k : k;
            for (int across = (line + pass) % 2; across < kLines; across += 2) {
                const int row = columns ? across : line, column = columns ? line : across;
                Reveal(column * cellWidth, row * cellHeight, cellWidth, cellHeight);
            }
            if (!EndFrame(20)) return;
        }
    }
}
