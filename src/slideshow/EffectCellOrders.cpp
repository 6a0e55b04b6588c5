#include "EffectCellOrders.h"

std::vector<GridCell> BlockSpiral()
{
    static const int kRuns[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7};
    static const GridCell kDirections[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};  // down, right, up, left
    std::vector<GridCell> cells{{3, 3}};
    GridCell at{3, 3};
    int turn = 0;
    for (int run : kRuns) {
        const GridCell d = kDirections[turn++ % 4];
        for (int i = 0; i < run; ++i) {
            at = {at.row + d.row, at.column + d.column};
            cells.push_back(at);
        }
    }
    return cells;
}

std::vector<GridCell> SnakePath(int size, bool columns, bool fromFarEnd)
{
    std::vector<GridCell> cells;
    for (int k = 0; k < size; ++k) {
        const int line = fromFarEnd ? size - 1 - k : k;
        for (int j = 0; j < size; ++j) {
            const int along = k % 2 == 0 ? j : size - 1 - j;
            cells.push_back(columns ? GridCell{along, line} : GridCell{line, along});
        }
    }
    return cells;
}
