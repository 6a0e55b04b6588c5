// Lines and Mosaic: the picture in random order, by pairs of rows, pairs of columns or the cells
// of a 20 x 20 grid. Each frame draws one entry from a list and removes it, so every entry is
// copied exactly once.
#include "../TransitionEffects.h"

#include <vector>

namespace {

// Removes and returns the entry at a random position.
template <class T>
T TakeRandom(std::vector<T>& list, int position)
{
    const T taken = list[position];
    list.erase(list.begin() + position);
    return taken;
}

}  // namespace

void CTransitionEffects::RandomLines(bool columns)
{
    std::vector<int> pairs;
    for (int k = 0; k <= (columns ? targetWidth : targetHeight) / 2; ++k)
        pairs.push_back(k);
    while (!pairs.empty()) {
        const int k = TakeRandom(pairs, Random(static_cast<int>(pairs.size())));
        if (columns)
            Reveal(2 * k, 0, 2, targetHeight);
        else
            Reveal(0, 2 * k, targetWidth, 2);
        if (!EndFrame(8)) break;
    }
}

void CTransitionEffects::Mosaic()
{
    const int cellWidth = targetWidth / 20 + 1, cellHeight = targetHeight / 20 + 1;
    std::vector<POINT> cells;  // column by column
    for (int column = 0; column < 20; ++column)
        for (int row = 0; row < 20; ++row)
            cells.push_back({column, row});
    while (!cells.empty()) {
        const POINT cell = TakeRandom(cells, Random(static_cast<int>(cells.size())));
        Reveal(cell.x * cellWidth, cell.y * cellHeight, cellWidth, cellHeight);
        if (!EndFrame(8)) break;
    }
}
