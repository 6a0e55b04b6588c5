// The box an author names, the size a picture is fitted to, the reduced JPEG decode that serves
// it, and the area averaging of transparent pictures.
#include "../../tools/scrpack/FitSize.h"
#include "../../tools/scrpack/Picture.h"

#include <gtest/gtest.h>

namespace {

TEST(FitBox, ParsesWidthByHeightAndRefusesTheRest)
{
    PictureSize box;
    EXPECT_TRUE(ParseFitBox("3840x2160", box));
    EXPECT_EQ((PictureSize{3840, 2160}), box);
    EXPECT_TRUE(ParseFitBox("800X600", box));
    for (const char* bad : {"", "3840", "x2160", "3840x", "0x100", "100x0", "-5x10", "65536x10", "38 40x2160", "4kx2k"})
        EXPECT_FALSE(ParseFitBox(bad, box)) << bad;
}

struct FitCase {
    PictureSize picture, box, fitted;
    int denominator;  // of the JPEG decode that still holds the fitted size
};

TEST(FitInside, ShrinksLargerPicturesKeepingTheirProportionsAndDecodesAtTheLeastScale)
{
    const FitCase cases[] = {
        {{6000, 4000}, {3840, 2160}, {3240, 2160}, 1},  // height limits; 1/2 would be too small
        {{8000, 6000}, {1920, 1080}, {1440, 1080}, 4}, {{4000, 6000}, {3840, 2160}, {1440, 2160}, 2},
        {{1920, 1080}, {3840, 2160}, {1920, 1080}, 1},  // fits already: unchanged
        {{3841, 100}, {3840, 2160}, {3840, 100}, 1},   {{20000, 3}, {100, 100}, {100, 1}, 8},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(c.fitted, FitInside(c.picture, c.box)) << c.picture.width << "x" << c.picture.height;
        EXPECT_EQ(c.denominator, JpegScaleDenominator(c.picture, c.fitted)) << c.picture.width;
    }
}

TEST(ResizePicture, AveragesTransparentPicturesWithoutDarkFringes)
{
    // Opaque red beside fully transparent black: halved, the pair is half-opaque pure red.
    Picture source;
    source.Allocate(4, 2);
    source.hasAlpha = true;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            source.pixels[y * 4 + x] = x % 2 == 0 ? 0xFFFF0000u : 0x00000000u;
    Picture target;
    ResizePicture(source, {2, 1}, target);
    ASSERT_EQ((PictureSize{2, 1}), target.Size());
    EXPECT_TRUE(target.hasAlpha);
    for (std::uint32_t pixel : target.pixels) {
        EXPECT_EQ(0xFF0000u, pixel & 0xFFFFFFu) << std::hex << pixel;
        EXPECT_NEAR(0x80, pixel >> 24, 1) << std::hex << pixel;
    }
}

}  // namespace
