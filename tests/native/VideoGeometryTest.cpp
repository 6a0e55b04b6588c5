// The displayed size of a video for each size mode, and where it is placed.
#include "../../src/players/VideoGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct SizeCase {
    int mode;
    VideoSize natural, client, expected;
};

class VideoSizeModes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(VideoSizeModes, GiveTheDisplayedSize)
{
    const SizeCase& c = GetParam();
    const VideoSize size = DisplayedVideoSize(c.mode, c.natural, c.client);
    EXPECT_EQ(c.expected.width, size.width);
    EXPECT_EQ(c.expected.height, size.height);
}

INSTANTIATE_TEST_SUITE_P(
    OnA1024Window, VideoSizeModes,
    ::testing::Values(SizeCase{0, {320, 240}, {1024, 768}, {320, 240}},    // natural size
                      SizeCase{0, {1280, 800}, {1024, 768}, {1024, 768}},  // at most the window's
                      SizeCase{1, {320, 240}, {1024, 768}, {640, 480}},    // twice
                      SizeCase{1, {800, 600}, {1024, 768}, {1600, 1200}},  // larger than the window
                      SizeCase{2, {320, 240}, {1024, 768}, {256, 192}},    // a quarter, same aspect
                      SizeCase{3, {320, 240}, {1024, 768}, {512, 384}},    // half
                      SizeCase{4, {320, 240}, {1024, 768}, {724, 543}},    // trunc(1024 × 0.70711356) = 724
                      SizeCase{5, {320, 180}, {1024, 768}, {1024, 576}},   // the whole width
                      SizeCase{5, {0, 0}, {1024, 768}, {1024, 1024}},      // no size: aspect 1
                      SizeCase{9, {320, 240}, {1024, 768}, {320, 240}},    // unknown modes: natural
                      SizeCase{-1, {320, 240}, {1024, 768}, {320, 240}}),
    [](const ::testing::TestParamInfo<SizeCase>& info) {
        const SizeCase& c = info.param;
        return "Case" + std::to_string(info.index) + "Mode" + (c.mode < 0 ? "Negative" : std::to_string(c.mode));
    });

TEST(VideoSizeMode, ValuesOutsideTheModesCountAsNaturalSize)
{
    EXPECT_EQ(5, VideoSizeMode(5));
    EXPECT_EQ(0, VideoSizeMode(6));
    EXPECT_EQ(0, VideoSizeMode(-3));
}

TEST(VideoPlacement, CentresOrPlacesAtTheTickWithinTheFreeSpace)
{
    const VideoSize client{1024, 768};
    EXPECT_EQ(352, PlaceVideo(false, client, {320, 240}, 5, 5).x);
    EXPECT_EQ(264, PlaceVideo(false, client, {320, 240}, 5, 5).y);
    // Larger than the window: centred, overhanging both edges equally.
    EXPECT_EQ(-288, PlaceVideo(false, client, {1600, 1200}, 0, 0).x);
    EXPECT_EQ(-216, PlaceVideo(false, client, {1600, 1200}, 0, 0).y);
    const VideoPoint random = PlaceVideo(true, client, {320, 240}, 1000, 1000);
    EXPECT_EQ(1000 % 704, random.x);
    EXPECT_EQ(1000 % 528, random.y);
    EXPECT_EQ(0, PlaceVideo(true, client, {1024, 240}, 1000, 1000).x);  // no free space
    const VideoPoint larger = PlaceVideo(true, client, {1600, 240}, 1000, 1000);
    EXPECT_EQ(-288, larger.x);  // larger on this axis only: centred there
    EXPECT_EQ(1000 % 528, larger.y);
}
}  // namespace
