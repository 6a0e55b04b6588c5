// The pure arithmetic of pictures: decoder choice by name, gradient colours, caption placement
// and the fitting of pictures into frames.
#include "../../src/slideshow/CaptionLayout.h"
#include "../../src/slideshow/Gradient.h"
#include "../../src/slideshow/ImageType.h"
#include "../../src/slideshow/PictureFit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ImageType, GroupsMatchAnywhereInTheLowerCasedName)
{
    const struct {
        const char* name;
        int type;
    } cases[] = {
        {"holiday.bmp.png", 1}, {"x.jpeg", 2},  {"Sunset.JPG", 2}, {"notes.txt", -1},
        {"map.tiff", 5},        {"map.tif", 5}, {"a.DIB", 1},      {"scan.rgba", 3},
        {"pic.gif", 11},        {"x.png", 15},  {"old.pcx", 7},    {"shot.scr", 7},
        {"x.psd", 13},          {"x.psp", 14},  {"", -1},          {"C:\\my.jpg.files\\photo.png", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.type, GetImageType(c.name)) << c.name;
    EXPECT_TRUE(IsBuiltInImageType(1));
    EXPECT_TRUE(IsBuiltInImageType(11));
    EXPECT_FALSE(IsBuiltInImageType(15));
    EXPECT_FALSE(IsBuiltInImageType(-1));
}

TEST(GradientRamp, ChannelsStepInSinglePrecisionAndWrap)
{
    const GradientRamp grey(0x000000, 0xFFFFFF, 255.0f);
    for (int y : {0, 1, 100, 254})
        EXPECT_EQ(static_cast<std::uint32_t>(y * 0x010101), grey.At(y));
    EXPECT_EQ(0xFEFEFEu, GradientRamp(0x000000, 0xFFFFFF, 256.0f).At(255));

    // 51 × (255 / 50.5) = 257.5…: red wraps to 1.
    EXPECT_EQ(0x000001u, GradientRamp(0x000000, 0x0000FF, 50.5f).At(51));
    // Falling channels truncate toward zero too, and high bytes are ignored.
    EXPECT_EQ(0x0000F0u, GradientRamp(0xFF0000FF, 0x00000000, 17.0f).At(1));
}

TEST(GradientPlan, DivisorsCountsAndDirections)
{
    const struct {
        int type, width, height;
        float divisor;
        int count;
        bool swap;
    } cases[] = {
        {0, 10, 255, 255.0f, 255, false},    {1, 10, 255, 255.0f, 255, true},    {2, 80, 5, 80.0f, 80, false},
        {3, 80, 5, 80.0f, 80, true},         {5, 101, 4, 50.5f, 51, false},      {6, 10, 7, 3.5f, 4, false},
        {8, 1920, 1080, 960.0f, 960, false}, {10, 100, 300, 150.0f, 150, false},
    };
    for (const auto& c : cases) {
        const GradientPlan plan = PlanGradient(c.type, c.width, c.height);
        EXPECT_TRUE(plan.valid) << c.type;
        EXPECT_EQ(c.divisor, plan.divisor) << c.type;
        EXPECT_EQ(c.count, plan.count) << c.type;
        EXPECT_EQ(c.swap, plan.swapColours) << c.type;
    }
    EXPECT_FALSE(PlanGradient(12, 10, 10).valid);
    EXPECT_FALSE(PlanGradient(-1, 10, 10).valid);

    EXPECT_EQ(51.0L, GradientParameter(5, 51, 0));
    EXPECT_EQ(0.0L, GradientParameter(9, 51, 0));
    EXPECT_EQ(3.0L, GradientParameter(11, 51, 3));
}

TEST(GradientPlan, RingInsetsFollowTheShorterSide)
{
    for (int i : {0, 1, 15, 16, 959}) {
        const GradientInsets wide = RingInsets(1920, 1080, i);
        EXPECT_EQ(i, wide.a);
        EXPECT_EQ(static_cast<int>(i * 0.5625), wide.b);
    }
    const GradientInsets tall = RingInsets(100, 300, 30);
    EXPECT_EQ(10, tall.a);
    EXPECT_EQ(30, tall.b);
}

TEST(CaptionLayout, PositionsOnTheTarget)
{
    const struct {
        int position, x, y;
    } cases[] = {
        {0, 810, 0},   {1, 0, 0},   {2, 1600, 0},   {3, 810, 1040}, {4, 0, 1040}, {5, 1600, 1040},
        {6, 810, 520}, {7, 0, 520}, {8, 1600, 520}, {9, -5, 77},    {10, 0, 0},   {-1, 0, 0},
    };
    for (const auto& c : cases) {
        const CaptionOrigin origin = PlaceCaption(c.position, 1920, 1080, 300, 40, -5, 77);
        EXPECT_EQ(c.x, origin.x) << c.position;
        EXPECT_EQ(c.y, origin.y) << c.position;
    }
    // Odd leftovers halve toward zero, also when the block is larger than the target.
    EXPECT_EQ(-1, PlaceCaption(6, 100, 100, 103, 10, 0, 0).x);
}

TEST(CaptionLayout, LinesBreakAtEveryKindOfLineBreak)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Lines({"two", "words"}), CaptionLines("two\r\nwords\r\n"));
    EXPECT_EQ(Lines({"two", "words"}), CaptionLines("two\r\nwords\r\n\r\n"));  // one line fewer
    EXPECT_EQ(Lines({"a", "b", "c"}), CaptionLines("a\rb\nc"));
    EXPECT_EQ(Lines({"a", "", "b"}), CaptionLines("a\n\nb"));
    EXPECT_EQ(Lines(), CaptionLines(""));
    EXPECT_EQ(Lines(), CaptionLines("\r\n"));
}

TEST(PictureFit, FitInsideKeepsProportions)
{
    const struct {
        int a, b, c, d, w, h;
    } cases[] = {
        {3000, 2000, 1920, 1080, 1620, 1080}, {400, 300, 1920, 1080, 1440, 1080},  {1000, 1200, 1920, 1080, 900, 1080},
        {1920, 1080, 1920, 1080, 1920, 1080}, {4000, 1000, 1920, 1080, 1920, 480}, {10, 10, 7, 5, 5, 5},
    };
    for (const auto& c : cases) {
        const FitSize size = FitInside(c.a, c.b, c.c, c.d);
        EXPECT_EQ(c.w, size.width) << c.a << "x" << c.b;
        EXPECT_EQ(c.h, size.height) << c.a << "x" << c.b;
    }
}

TEST(PictureFit, FrameCutTakesTheFramesProportions)
{
    FitSize cut = FrameCut(3000, 2000, 1920, 1080);
    EXPECT_EQ(3555, cut.width);  // ⌊(1920 / 1080) × 2000⌋: wider than the picture
    EXPECT_EQ(2000, cut.height);
    cut = FrameCut(1000, 1200, 1920, 1080);
    EXPECT_EQ(1000, cut.width);
    EXPECT_EQ(562, cut.height);
}

TEST(PictureFit, RandomBelowIsZeroWithoutRoom)
{
    EXPECT_EQ(0, RandomBelow(0));
    EXPECT_EQ(0, RandomBelow(-5));
    std::srand(3);
    for (int i = 0; i < 100; ++i) {
        const int r = RandomBelow(7);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 7);
    }
}

}  // namespace

namespace {

TEST(PictureFit, FittingRuleByMode)
{
    const struct {
        int fit, imgW, imgH;
        PictureFrame expected;
    } cases[] = {
        {0, 800, 600, {800, 600, 800, 600}},                                               // smaller: its own size
        {0, 3000, 2000, {1620, 1080, 3000, 2000}},                                         // larger: shrunk
        {1, 3000, 2000, {1620, 1080, 3000, 2000}}, {1, 400, 300, {1440, 1080, 400, 300}},  // scaled up
        {2, 3000, 2000, {1920, 1080, 1620, 1080}},  // larger: the source is fitted inside
        {2, 1000, 1200, {1920, 1080, 900, 1080}},   // taller than the frame: fitted too
        {2, 800, 600, {1920, 1080, 1066, 600}},     // smaller: a frame-shaped cut, past its right edge
        {3, 400, 300, {1920, 1080, 400, 300}},      // stretched, proportions ignored
        {7, 4000, 300, {4000, 300, 4000, 300}},     // unknown: own size
    };
    for (const auto& c : cases) {
        const PictureFrame f = FitPicture(c.fit, c.imgW, c.imgH, 1920, 1080);
        EXPECT_EQ(c.expected.outWidth, f.outWidth) << c.fit << ": " << c.imgW << "x" << c.imgH;
        EXPECT_EQ(c.expected.outHeight, f.outHeight) << c.fit << ": " << c.imgW << "x" << c.imgH;
        EXPECT_EQ(c.expected.sourceWidth, f.sourceWidth) << c.fit << ": " << c.imgW << "x" << c.imgH;
        EXPECT_EQ(c.expected.sourceHeight, f.sourceHeight) << c.fit << ": " << c.imgW << "x" << c.imgH;
    }
}

TEST(PictureFit, PlacementCentresOrPicksAtRandomInsideTheFrame)
{
    PicturePlace place = PlacePicture(1920, 1080, 800, 600, false);
    EXPECT_EQ(560, place.x);
    EXPECT_EQ(240, place.y);
    place = PlacePicture(1920, 1080, 1620, 1080, false);
    EXPECT_EQ(150, place.x);
    EXPECT_EQ(0, place.y);
    place = PlacePicture(1920, 1080, 1919, 1079, false);  // odd leftovers truncate
    EXPECT_EQ(0, place.x);

    std::srand(11);
    place = PlacePicture(1920, 1080, 1920, 1080, true);  // stretched to the frame: no room
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);
    bool yVaried = false;
    for (int i = 0; i < 50; ++i) {
        place = PlacePicture(1920, 1080, 1920, 600, true);  // as wide as the frame: only y moves
        EXPECT_EQ(0, place.x);
        EXPECT_GE(place.y, 0);
        EXPECT_LT(place.y, 480);
        yVaried = yVaried || place.y != 0;
    }
    EXPECT_TRUE(yVaried);
    place = PlacePicture(100, 100, 300, 300, true);  // larger than the frame: anchored at its corner
    EXPECT_EQ(0, place.x);
}

}  // namespace
