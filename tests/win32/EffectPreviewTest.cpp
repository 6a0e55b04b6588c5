// The configuration dialog's effect preview: its pictures come from the show, its worker rests
// without running when inactive, and its GDI objects stay flat over many runs of every effect.
#include "../../src/dialogs/EffectPreview.h"
#include "../../src/dialogs/PreviewPictures.h"
#include "../../src/framework/Handles.h"
#include "../../src/slideshow/ComPicture.h"
#include "../support/GdiObjects.h"
#include "../support/MessagePump.h"
#include "../support/PictureShows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kWidth = 120, kHeight = 80;

// A window for the preview to draw into, shown so that its DC is a real one.
UniqueWindow PaneWindow()
{
    UniqueWindow window(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr));
    return window;
}

}  // namespace

TEST(PreviewPictures, AreTheShowsFirstTwoPicturesElseComputedOnes)
{
    const COLORREF red = RGB(200, 0, 0), green = RGB(0, 200, 0), blue = RGB(0, 0, 200);
    const COLORREF dusk = PixelOf(*ComputedPreviewPicture(0, kWidth, kHeight), kWidth / 2, kHeight / 2);
    const COLORREF checker = PixelOf(*ComputedPreviewPicture(1, kWidth, kHeight), kWidth / 2, kHeight / 2);
    struct Case {
        std::vector<PictureItem> items;
        COLORREF first, second;
    };
    const Case cases[] = {
        {{}, dusk, checker},
        {{ColourItem("red.bmp", red)}, red, checker},
        {{ColourItem("red.bmp", red), ColourItem("green.bmp", green), ColourItem("blue.bmp", blue)}, red, green}};
    for (const Case& c : cases) {
        PictureShow show(c.items);
        show.project.SetDatabase(show.db);
        const auto pictures = MakePreviewPictures(show.project, kWidth, kHeight);
        ASSERT_EQ(kWidth, pictures[1]->Width());
        EXPECT_EQ(c.first, PixelOf(*pictures[0], kWidth / 2, kHeight / 2)) << c.items.size() << " items";
        EXPECT_EQ(c.second, PixelOf(*pictures[1], kWidth / 2, kHeight / 2)) << c.items.size() << " items";
        // The square pictures are fitted whole: black beside them.
        EXPECT_EQ(c.items.empty() ? dusk : RGB(0, 0, 0), PixelOf(*pictures[0], 2, kHeight / 2));
    }
}

// Without an effect, or inactive, the worker waits and no run happens.
TEST(EffectPreview, RunsOnlyWhileActiveWithAnEffect)
{
    const UniqueWindow pane = PaneWindow();
    CEffectPreview preview(pane.get(), PreviewPace{0, false});
    preview.SetPictures({ComputedPreviewPicture(0, kWidth, kHeight), ComputedPreviewPicture(1, kWidth, kHeight)});
    const std::function<void(CEffectPreview&)> stops[] = {[](CEffectPreview& p) { p.SetActive(false); },
                                                          [](CEffectPreview& p) { p.Play(-1); }};
    for (const auto& stop : stops) {
        preview.Play(40);
        preview.SetActive(true);
        const int before = preview.Runs();
        ASSERT_TRUE(PumpUntil([&] { return preview.Runs() > before + 3; }, 60000));
        stop(preview);
        ASSERT_TRUE(PumpUntil([&] { return preview.Idle(); }, 60000));
        const int stopped = preview.Runs();
        PumpFor(300);
        EXPECT_TRUE(preview.Idle());
        EXPECT_EQ(stopped, preview.Runs());
    }
}

// 1,000 runs through every effect, the effect changed as soon as a run ends, often in the middle
// of the next one.
TEST(EffectPreview, GdiObjectsStayFlatOverAThousandRuns)
{
    const UniqueWindow pane = PaneWindow();
    CEffectPreview preview(pane.get(), PreviewPace{0, false});
    preview.SetPictures({ComputedPreviewPicture(0, kWidth, kHeight), ComputedPreviewPicture(1, kWidth, kHeight)});
    preview.Play(0);
    preview.SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return preview.Runs() >= 20; }, 120000));
    const int before = GdiObjectCount();
    int effect = 0, seen = preview.Runs();
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (preview.Runs() != seen) {
                seen = preview.Runs();
                preview.Play(effect = (effect + 1) % 161);
            }
            return seen >= 1020;
        },
        600000));
    preview.SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return preview.Idle(); }, 60000));
    EXPECT_LE(GdiObjectCount() - before, 2);
}
