#include "../soak/Growth.h"

#include <gtest/gtest.h>

namespace {
struct GrowthCase {
    const char* behaviour;
    std::vector<double> samples;
    double bound;
    double first, last;
    bool grew;
};

class GrowthTest : public testing::TestWithParam<GrowthCase> {};

TEST_P(GrowthTest, JudgesTheQuartersByTheirMedians)
{
    const GrowthCase& c = GetParam();
    const Growth g = JudgeGrowth(c.samples, c.bound);
    EXPECT_EQ(g.first, c.first) << c.behaviour;
    EXPECT_EQ(g.last, c.last) << c.behaviour;
    EXPECT_EQ(g.grew, c.grew) << c.behaviour;
}

INSTANTIATE_TEST_SUITE_P(
    Soak, GrowthTest,
    testing::Values(GrowthCase{"steady", {5, 5, 5, 5, 5, 5, 5, 5}, 0, 5, 5, false},
                    GrowthCase{"a climb beyond the bound", {1, 2, 3, 4, 5, 6, 7, 8}, 5, 1.5, 7.5, true},
                    GrowthCase{"a climb up to the bound", {1, 2, 3, 4, 5, 6, 7, 8}, 6, 1.5, 7.5, false},
                    GrowthCase{"one spike in the last quarter", {4, 4, 4, 4, 4, 4, 4, 4, 4, 90, 4, 4}, 1, 4, 4, false},
                    GrowthCase{"a fall", {9, 9, 8, 8, 3, 3, 2, 2}, 0, 9, 2, false},
                    GrowthCase{"too few samples", {1, 100, 1000}, 0, 0, 0, false}),
    [](const testing::TestParamInfo<GrowthCase>& info) { return "case" + std::to_string(info.index); });
}  // namespace
