// The orders in which the cell-based transition effects visit the cells of their grid.
#pragma once

#include <vector>

struct GridCell {
    int row, column;
    bool operator==(const GridCell& other) const { return row == other.row && column == other.column; }
};

// The 64 cells of an 8 × 8 grid in a square spiral from row 3, column 3: runs of 1, 1, 2, 2, …,
// 6, 6, 7, 7, 7 cells turning down, right, up, left, so it ends with the right column from row 6
// up to row 0.
std::vector<GridCell> BlockSpiral();

// Every cell of a size × size grid along a snake: lines one after another from the first line
// (the top row, or the left column when `columns`) or from the last one (`fromFarEnd`); the first
// line runs left to right (top to bottom for columns) and every next line turns back along the
// one before it.
std::vector<GridCell> SnakePath(int size, bool columns, bool fromFarEnd);
