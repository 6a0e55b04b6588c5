// The exit rules that need no window: the close key, the move threshold, the run time limit.
#include "../../src/screen/ExitRules.h"

#include <gtest/gtest.h>

namespace {
struct KeyCase {
    std::int32_t closeKey;
    std::int32_t typed;
    bool closes;
};

class CloseKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CloseKey, ComparesTheLowBytesOfTheTypedCharacterAndTheStoredKey)
{
    SaverOptions options;
    options.closeOnAnyEvent = 0;
    options.closeOnKey = 1;
    options.closeKey = GetParam().closeKey;
    const char* name = CloseEventName(ExitInput::Character, options, GetParam().typed);
    EXPECT_EQ(GetParam().closes, name != nullptr) << GetParam().closeKey << " " << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(ExitRules, CloseKey,
                         ::testing::Values(KeyCase{65, 65, true}, KeyCase{65, 97, false},
                                           KeyCase{0x141, 65, true},   // a key stored with a high byte
                                           KeyCase{65, 0x241, true},   // a character with a high byte
                                           KeyCase{0xE9, 0xE9, true},  // beyond ASCII, signed on both sides
                                           KeyCase{0, 65, false}));

TEST(ExitRules, NegativeThresholdCountsAsZero)
{
    SaverOptions options;
    options.thresholdPosition = -3;
    EXPECT_EQ(0, MoveThreshold(options));
    EXPECT_FALSE(MovedBeyond(10, 10, 10, 10, MoveThreshold(options))) << "a mouse message without a move";
    EXPECT_TRUE(MovedBeyond(10, 10, 11, 10, MoveThreshold(options)));
    options.thresholdPosition = 5;
    EXPECT_EQ(20, MoveThreshold(options));
}

TEST(ExitRules, RunTimeLimitNeverWrapsIntoAShortInterval)
{
    EXPECT_EQ(180000u, RunTimeLimitMilliseconds(3));
    EXPECT_EQ(35791u * 60000u, RunTimeLimitMilliseconds(35791));
    for (std::uint32_t minutes : {35792u, 71583u, 0xFFFFFFFFu})
        EXPECT_EQ(0x7FFFFFFFu, RunTimeLimitMilliseconds(minutes)) << minutes;
}
}  // namespace
