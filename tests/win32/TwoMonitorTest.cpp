// The picture player on two monitors: a composition per monitor, by the user's monitor mode.
// Run on an Xvfb whose two monitors (1024 × 768 and 800 × 600) both start at 0, 0, so monitor
// 2's composition lies over the top-left part of monitor 1's.
#include "../../src/framework/MonitorGeometry.h"
#include "../../src/slideshow/ImageSlideShowPlayer.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../support/PictureShows.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(220, 30, 30), kGreen = RGB(30, 200, 60), kBlue = RGB(40, 60, 230);

struct TwoMonitors : ::testing::Test {
    void SetUp() override { ASSERT_EQ(2, MonitorCount()) << "needs two monitors"; }

    // Runs the first change of a show in `mode`; the show then waits a minute.
    std::unique_ptr<PictureShow> Run(int mode, std::vector<PictureItem> items)
    {
        auto show = std::make_unique<PictureShow>(items);
        show->settings.monitorMode = mode;
        show->project.options.mediaPauseSeconds = 60;
        show->Open(smProgram);
        EXPECT_TRUE(show->WaitForLog("end a transition show"));
        return show;
    }
    static std::vector<PictureItem> ThreeColours()
    {
        return {ColourItem("red.bmp", kRed), ColourItem("green.bmp", kGreen), ColourItem("blue.bmp", kBlue)};
    }
    static COLORREF Shown(PictureShow& show, int x, int y) { return PixelOf(show.Player()->pictures[1], x, y); }
};

TEST_F(TwoMonitors, DifferentImagesShowTheNextItemOnTheSecondMonitor)
{
    auto show = Run(0, ThreeColours());
    EXPECT_EQ(kRed, Shown(*show, 900, 700));   // monitor 1 only
    EXPECT_EQ(kGreen, Shown(*show, 400, 300));  // monitor 2
    EXPECT_EQ(1, show->form->showSetting.CurrentItem());
    EXPECT_EQ(1, show->LogCount("begin a transition show"));
}

TEST_F(TwoMonitors, SameImageOnBothMonitors)
{
    auto show = Run(1, ThreeColours());
    EXPECT_EQ(kRed, Shown(*show, 900, 700));
    EXPECT_EQ(kRed, Shown(*show, 400, 300));
    EXPECT_EQ(0, show->form->showSetting.CurrentItem());
}

TEST_F(TwoMonitors, CloneCentresTheFirstMonitorOnTheSecond)
{
    std::vector<PictureItem> items = ThreeColours();
    // Red on the left half, green on the right: stretched over monitor 1 the edge is at x = 512.
    items[0].bytes = MakeBitmapFile(64, 16, [](int x, int) { return x < 32 ? 0x1E1EDCu : 0x3CC81Eu; });
    auto show = Run(2, items);
    EXPECT_EQ(kRed, Shown(*show, 440, 700));    // monitor 1 beside monitor 2: still its own
    EXPECT_EQ(kGreen, Shown(*show, 900, 700));
    // Monitor 2 shows monitor 1's middle 800 columns (from x = 112): its edge moves to x = 400.
    EXPECT_EQ(kRed, Shown(*show, 350, 300));
    EXPECT_EQ(kGreen, Shown(*show, 450, 300));
    EXPECT_EQ(0, show->form->showSetting.CurrentItem());
}

TEST_F(TwoMonitors, AcrossScreensIsOneComposition)
{
    std::vector<PictureItem> items = ThreeColours();
    items[0].bytes = MakeBitmapFile(64, 16, [](int x, int) { return x < 32 ? 0x1E1EDCu : 0x3CC81Eu; });
    auto show = Run(3, items);
    EXPECT_EQ(kRed, Shown(*show, 450, 300));  // the picture stretched over the whole window
    EXPECT_EQ(kGreen, Shown(*show, 600, 300));
}

}  // namespace
