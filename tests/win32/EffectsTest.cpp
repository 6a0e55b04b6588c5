// The transition engine and the built effect families, run against a real window with a pacer
// that records each frame's delay instead of sleeping.
#include "../../src/diagnostics/FileLog.h"
#include "../../src/framework/Handles.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/FramePacer.h"
#include "../../src/slideshow/TransitionEffects.h"
#include "../support/GdiObjects.h"
#include "../support/TempDir.h"
#include "../support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

namespace {

class RecordingPacer : public FramePacer {
public:
    explicit RecordingPacer(int stopAtFrame = 0) : stopAtFrame(stopAtFrame) {}
    bool EndFrame(int delay) override
    {
        ++calls;
        if (stopAtFrame && calls >= stopAtFrame) return false;
        delays.push_back(delay);
        return true;
    }
    int calls = 0;
    std::vector<int> delays;

private:
    int stopAtFrame;
};

COLORREF StartPixel(int x, int y)
{
    return RGB(10, (x * 3) & 0xFF, (y * 3) & 0xFF);
}

void Paint(CComPicture& picture, int width, int height, COLORREF (*pixel)(int, int))
{
    ASSERT_EQ(1, picture.Create(width, height, 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixel(x, y);
            picture.surface->Pixels()[y * width + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
}

LRESULT CALLBACK StageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) return 1;
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// A window with its start picture, back buffer and a patterned target picture.
class Stage {
public:
    Stage(int width, int height) : width(width), height(height)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = StageProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "EffectStage";
        ::RegisterClassA(&windowClass);
        window.reset(::CreateWindowExA(WS_EX_TOOLWINDOW, "EffectStage", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                       nullptr, nullptr, windowClass.hInstance, nullptr));
        Paint(start, width, height, StartPixel);
        Paint(buffer, width, height, [](int, int) { return RGB(255, 0, 255); });
    }

    // Runs one change of a target picture of the size at (left, top).
    std::unique_ptr<CTransitionEffects> Run(int index, int targetWidth, int targetHeight, int left, int top, int step,
                                            FramePacer& pacer, bool enabled = true)
    {
        Paint(target, targetWidth, targetHeight, PatternPixel);
        placeLeft = left, placeTop = top;
        TransitionRequest request;
        request.window = window.get();
        request.startPicture = &start;
        request.targetPicture = &target;
        request.backBuffer = &buffer;
        request.effectIndex = index;
        request.enabled = enabled;
        request.left = left;
        request.top = top;
        request.step = step;
        auto engine = std::make_unique<CTransitionEffects>(pacer);
        objectsBefore = GdiObjectCount();
        engine->Assign(request);
        engine->Show();
        objectsAfter = GdiObjectCount();
        return engine;
    }

    // The first pixel of the back buffer that differs from what the change promises, as text;
    // empty when all agree. `whole`: the target is shown whole, otherwise only outside is checked.
    std::string BufferMismatch(bool whole)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool inside =
                    x >= placeLeft && y >= placeTop && x < placeLeft + target.Width() && y < placeTop + target.Height();
                if (inside && !whole) continue;
                const COLORREF expected = inside ? PatternPixel(x - placeLeft, y - placeTop) : StartPixel(x, y);
                if (buffer.surface->Pixel(x, y) != expected) {
                    std::ostringstream text;
                    text << "(" << x << ", " << y << ") " << (inside ? "inside" : "outside") << " shows " << std::hex
                         << buffer.surface->Pixel(x, y) << " instead of " << expected;
                    return text.str();
                }
            }
        return {};
    }

    // True when the window shows exactly the back buffer.
    bool WindowMatchesBuffer()
    {
        CComPicture shown;
        shown.Create(width, height, 0);
        HDC dc = ::GetDC(window.get());
        ::BitBlt(shown.dc->Handle(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
        ::ReleaseDC(window.get(), dc);
        ::GdiFlush();
        return std::equal(shown.surface->Pixels(), shown.surface->Pixels() + width * height, buffer.surface->Pixels());
    }

    bool TargetPixelShown(int x, int y)
    {
        return buffer.surface->Pixel(placeLeft + x, placeTop + y) == PatternPixel(x, y);
    }

    int width, height;
    UniqueWindow window;
    CComPicture start, target, buffer;
    int placeLeft = 0, placeTop = 0;
    int objectsBefore = 0, objectsAfter = 0;  // GDI objects around the change
};

// The delay of every built effect, by index.
int DelayOf(int index)
{
    static const std::map<int, int> delays = {
        {0, 20},  {1, 20},  {2, 20},  {3, 20},  {4, 10},  {5, 10},  {6, 20},  {7, 20},  {8, 10},  {9, 10}, {10, 10},
        {11, 10}, {12, 10}, {13, 10}, {14, 15}, {15, 15}, {16, 15}, {17, 15}, {18, 15}, {19, 15}, {22, 5}, {23, 5}};
    if (index >= 32 && index <= 37) return 1;
    if (index >= 120 && index <= 128) return 2;
    if ((index >= 59 && index <= 88) || index == 104 || (index >= 116 && index <= 119) ||
        (index >= 133 && index <= 140))
        return 2;
    if (index >= 95 && index <= 98) return 1;
    if ((index >= 100 && index <= 103) || (index >= 105 && index <= 115)) return 5;
    if (index >= 129 && index <= 132) return 30;
    return delays.at(index);
}

// The pause a Move member makes once, between its two halves; 0 for none.
int PauseOf(int index)
{
    if (index == 78) return 800;
    return index == 60 || index == 70 || index == 77 || (index >= 79 && index <= 80) || (index >= 83 && index <= 86)
               ? 1000
               : 0;
}

std::vector<int> BuiltEffects()
{
    std::vector<int> built;
    for (int i = 0; i < CTransitionEffects::kEffectCount; ++i)
        if (CTransitionEffects::IsBuilt(i)) built.push_back(i);
    return built;
}

bool FinalCopyFollowsTheLoop(int index)
{
    return index == 22 || index == 23 || (index >= 120 && index <= 128) || (index >= 95 && index <= 103) ||
           (index >= 107 && index <= 119) || (index >= 129 && index <= 132);
}

struct Placement {
    int width, height, left, top;
};
const Placement kPlacements[] = {{120, 90, 0, 0}, {61, 37, 23, 31}, {50, 40, 7, 9}};

class EveryEffect : public ::testing::TestWithParam<int> {};

TEST_P(EveryEffect, RevealsTheWholeTargetOnlyInItsPlaceAtItsDelay)
{
    const int index = GetParam();
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(::testing::Message() << p.width << " x " << p.height << " at " << p.left << ", " << p.top);
        Stage stage(120, 90);
        ::SetStretchBltMode(stage.buffer.dc->Handle(), BLACKONWHITE);
        RecordingPacer pacer;
        auto engine = stage.Run(index, p.width, p.height, p.left, p.top, 25, pacer);
        EXPECT_EQ(stage.objectsBefore, stage.objectsAfter);
        EXPECT_EQ("", stage.BufferMismatch(true));
        EXPECT_TRUE(stage.WindowMatchesBuffer());
        ASSERT_FALSE(pacer.delays.empty());
        std::vector<int> delays = pacer.delays;
        if (PauseOf(index)) {  // recorded once, among the frames
            ASSERT_EQ(1, std::count(delays.begin(), delays.end(), PauseOf(index)));
            delays.erase(std::find(delays.begin(), delays.end(), PauseOf(index)));
        }
        for (int delay : delays)
            ASSERT_EQ(DelayOf(index), delay);
        EXPECT_EQ(25, engine->step);
        EXPECT_EQ(BLACKONWHITE, ::GetStretchBltMode(stage.buffer.dc->Handle()));
    }
}

TEST_P(EveryEffect, StopsWithinOneFrameAndStillRestoresItsState)
{
    const int index = GetParam();
    Stage stage(120, 90);
    ::SetStretchBltMode(stage.buffer.dc->Handle(), BLACKONWHITE);
    RecordingPacer pacer(2);
    auto engine = stage.Run(index, 61, 37, 23, 31, 25, pacer);
    EXPECT_EQ(stage.objectsBefore, stage.objectsAfter);
    EXPECT_EQ(2, pacer.calls);  // nothing after the stop was seen
    EXPECT_EQ(1u, pacer.delays.size());
    EXPECT_EQ(25, engine->step);
    EXPECT_EQ(BLACKONWHITE, ::GetStretchBltMode(stage.buffer.dc->Handle()));
    EXPECT_EQ("", stage.BufferMismatch(FinalCopyFollowsTheLoop(index)));
    EXPECT_TRUE(stage.WindowMatchesBuffer());
}

INSTANTIATE_TEST_SUITE_P(Built, EveryEffect, ::testing::ValuesIn(BuiltEffects()));

TEST(Effects, BandDownLargeWithAStepAboveFiftyLeavesTheBottomRowsUnrevealed)
{
    Stage stage(120, 160);
    RecordingPacer pacer;
    stage.Run(0, 120, 150, 0, 0, 200, pacer);
    EXPECT_EQ(1, pacer.calls);  // p = 0 only: the next front, 200, is past H + 50
    for (int y = 50; y < 150; ++y)
        EXPECT_FALSE(stage.TargetPixelShown(60, y)) << y;
    EXPECT_EQ("", stage.BufferMismatch(false));
}

TEST(Effects, CircleLeftBottomEndsAfterTwoPhasesAndCircleCenterAfterFour)
{
    Stage stage(120, 90);
    RecordingPacer twoPhases;
    stage.Run(32, 120, 90, 0, 0, 25, twoPhases);
    // Phase 0 runs a = 90, 88, ... 0; phase 1 a = 120, ... 0; the last frame makes the final copy.
    EXPECT_EQ((90 / 2 + 1) + (120 / 2 + 1) - 1, twoPhases.calls);
    EXPECT_EQ("", stage.BufferMismatch(true));

    RecordingPacer fourPhases;
    stage.Run(36, 120, 90, 0, 0, 25, fourPhases);
    EXPECT_EQ(2 * (90 / 2 + 1) + 2 * (120 / 2 + 1) - 1, fourPhases.calls);
    EXPECT_EQ("", stage.BufferMismatch(true));
}

TEST(Effects, StepBelowOneRunsAsTheDefault)
{
    Stage stage(120, 90);
    RecordingPacer zero, standard;
    auto engine = stage.Run(0, 120, 90, 0, 0, 0, zero);
    stage.Run(0, 120, 90, 0, 0, CTransitionEffects::kDefaultStep, standard);
    EXPECT_EQ(standard.calls, zero.calls);
    EXPECT_EQ(CTransitionEffects::kDefaultStep, engine->step);
}

TEST(Effects, PlainCopiesAndIndicesOutsideTheCatalogue)
{
    Stage stage(120, 90);
    RecordingPacer pacer;
    stage.Run(-1, 61, 37, 23, 31, 25, pacer);  // an empty effect list
    EXPECT_EQ("", stage.BufferMismatch(true));
    stage.Run(5, 61, 37, 23, 31, 25, pacer, false);  // transitions off
    EXPECT_EQ("", stage.BufferMismatch(true));
    EXPECT_EQ(0, pacer.calls);

    for (int outside : {161, -2, 1000}) {
        stage.Run(outside, 61, 37, 23, 31, 25, pacer);
        for (int x = 0; x < 61; x += 5)
            EXPECT_FALSE(stage.TargetPixelShown(x, 10)) << outside;
        EXPECT_EQ("", stage.BufferMismatch(false));
        EXPECT_TRUE(stage.WindowMatchesBuffer());
    }
}

TEST(Effects, LogShowsTheRequestedIndexAndEffectsNotYetAvailable)
{
    TempDir dir;
    dir.Write("vesk.log", std::string());
    CFileLog log(dir.Path("show.scr"));
    g_fileLog = &log;
    Stage stage(120, 90);
    RecordingPacer pacer;
    stage.Run(7, 61, 37, 23, 31, 25, pacer, false);
    // An effect this build does not have yet, while there is one.
    int missing = 0;
    while (missing < CTransitionEffects::kEffectCount && CTransitionEffects::IsBuilt(missing))
        ++missing;
    const bool anyMissing = missing < CTransitionEffects::kEffectCount;
    if (anyMissing) stage.Run(missing, 61, 37, 23, 31, 25, pacer);
    g_fileLog = nullptr;
    EXPECT_EQ("", stage.BufferMismatch(true));
    const std::string text = ReadFileText(dir.Path("vesk.log"));
    EXPECT_NE(std::string::npos, text.find("begin a transition show , transition effect index = 7 "));
    EXPECT_NE(std::string::npos, text.find("end a transition show"));
    if (!anyMissing) return;
    const std::string index = std::to_string(missing);
    EXPECT_NE(std::string::npos, text.find("begin a transition show , transition effect index = " + index + " "));
    EXPECT_NE(std::string::npos, text.find("transition effect " + index + " is not available, shown as a plain copy"));
}

TEST(Effects, TenThousandFramesKeepTheGdiObjectCount)
{
    Stage stage(40, 40);
    {
        RecordingPacer pacer;
        stage.buffer.Create(8, 10000, 0);
        stage.start.Create(8, 10000, 0);
        stage.Run(120, 8, 10000, 0, 0, 1, pacer);  // Stretch from bottom, one row per frame
        EXPECT_EQ(10000, pacer.calls);
        EXPECT_EQ(stage.objectsBefore, stage.objectsAfter);
    }
    {
        RecordingPacer pacer;
        stage.buffer.Create(10000, 2, 0);
        stage.start.Create(10000, 2, 0);
        stage.Run(36, 10000, 2, 0, 0, 25, pacer);  // Circle(Center): regions every frame
        EXPECT_GT(pacer.calls, 10000);
        EXPECT_EQ(stage.objectsBefore, stage.objectsAfter);
    }
}

}  // namespace
