// The orders in which the cell-based transition effects visit their grids.
#include "../../src/slideshow/EffectCellOrders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

namespace {

// Every cell of a size × size grid once, each next to the one before.
void ExpectOneWalkOverTheGrid(const std::vector<GridCell>& cells, int size)
{
    ASSERT_EQ(static_cast<std::size_t>(size * size), cells.size());
    std::set<std::pair<int, int>> visited;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const GridCell& c = cells[k];
        ASSERT_TRUE(c.row >= 0 && c.row < size && c.column >= 0 && c.column < size) << k;
        EXPECT_TRUE(visited.insert({c.row, c.column}).second) << k;
        if (k > 0) {
            EXPECT_EQ(1, std::abs(c.row - cells[k - 1].row) + std::abs(c.column - cells[k - 1].column)) << k;
        }
    }
}

TEST(BlockSpiral, StartsAtTheCentreAndEndsUpTheRightColumn)
{
    const std::vector<GridCell> cells = BlockSpiral();
    ExpectOneWalkOverTheGrid(cells, 8);
    const std::vector<GridCell> first{{3, 3}, {4, 3}, {4, 4}, {3, 4}, {2, 4}, {2, 3}, {2, 2}, {3, 2}};
    EXPECT_EQ(first, std::vector<GridCell>(cells.begin(), cells.begin() + 8));
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ((GridCell{6 - k, 7}), cells[57 + k]) << k;
}

TEST(SnakePath, StartsAtTheNamedLineAndTurnsBackAtEveryLineEnd)
{
    const struct {
        bool columns, fromFarEnd;
        GridCell first, endOfFirstLine, startOfSecondLine;
    } cases[] = {
        {false, false, {0, 0}, {0, 19}, {1, 19}},    // down: top row left to right
        {false, true, {19, 0}, {19, 19}, {18, 19}},  // up: bottom row left to right
        {true, false, {0, 0}, {19, 0}, {19, 1}},     // right: left column top to bottom
        {true, true, {0, 19}, {19, 19}, {19, 18}},   // left: right column top to bottom
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.columns << c.fromFarEnd);
        const std::vector<GridCell> cells = SnakePath(20, c.columns, c.fromFarEnd);
        ExpectOneWalkOverTheGrid(cells, 20);
        EXPECT_EQ(c.first, cells[0]);
        EXPECT_EQ(c.endOfFirstLine, cells[19]);
        EXPECT_EQ(c.startOfSecondLine, cells[20]);
    }
}

}  // namespace
