// The transition engine and the built effect families, run against a real window with a pacer
// that records each frame's delay instead of sleeping.
#include "../../src/diagnostics/FileLog.h"
#include "../../src/framework/Handles.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/EffectCellOrders.h"
#include "../../src/slideshow/FramePacer.h"
#include "../../src/slideshow/TransitionEffects.h"
#include "../support/GdiObjects.h"
#include "../support/TempDir.h"
#include "../support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

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

// Records like RecordingPacer and lets a test look at the surfaces after every frame.
class WatchingPacer : public RecordingPacer {
public:
    explicit WatchingPacer(std::function<void()> watch) : watch(std::move(watch)) {}
    bool EndFrame(int delay) override
    {
        watch();
        return RecordingPacer::EndFrame(delay);
    }

private:
    std::function<void()> watch;
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

// What the description of each family fixes: its delay, whether a final copy follows the frame
// loop (so an aborted change still ends with the whole picture), and its frame count.
struct Family {
    int first, last;
    int delay;
    bool finalCopyAfterLoop;
    int (*frames)(int w, int h, int step);  // the most frames the description allows
    bool exact;                             // the description fixes the frame count
};

int Larger(int a, int b)
{
    return a > b ? a : b;
}

int Loose(int w, int h, int)
{
    return 2 * (w + h) + 10;
}

int TwentyStrips(int w, int h, int)
{
    return 20 * (Larger(w, h) + 2);
}

const Family kFamilies[] = {
    {0, 19, 0, false, [](int w, int h, int s) { return (Larger(w, h) + 51) / s + 1; }, false},  // Band
    {20, 21, 30, false, [](int, int, int) { return 64; }, true},                                // Block
    {22, 23, 5, true, [](int w, int h, int) { return (w < h ? w : h) / 2 + 1; }, false},        // Center
    {24, 31, 20, false, [](int, int, int) { return 40; }, true},                                // Checkerboard
    {32, 37, 1, false, [](int w, int h, int) { return w + h + 4; }, false},                     // Circle
    {38, 39, 2, true, [](int w, int, int) { return w / 2 + 2; }, false},                        // Cross wipe
    {40, 41, 2, true, [](int w, int, int) { return w + 1; }, false},                            // Diamond
    {42, 42, 2, true, [](int w, int h, int) { return (w + h) / 2 + 2; }, false},                // Ellipse
    {43, 43, 2, true, [](int w, int h, int) { return (w < h ? w : h) / 2 + 1; }, false},
    {44, 44, 2, true, [](int w, int h, int) { return w + h; }, false},
    {45, 46, 2, false, [](int w, int, int) { return w / 2 + 3; }, false},   // Fan wipe
    {47, 47, 10, true, [](int, int, int) { return 100; }, true},            // Increase show
    {48, 49, 10, false, [](int, int h, int) { return h / 2 + 3; }, false},  // Line down
    {50, 53, 5, false, [](int w, int, int) { return w / 2 + 3; }, false},   // Line left, right
    {54, 55, 5, false, [](int, int h, int) { return h / 2 + 3; }, false},   // Line up
    {56, 56, 8, false, [](int, int h, int) { return h / 2 + 1; }, true},    // Lines
    {57, 57, 8, false, [](int w, int, int) { return w / 2 + 1; }, true},
    {58, 58, 8, false, [](int, int, int) { return 400; }, true},                         // Mosaic
    {89, 90, 2, true, [](int w, int, int) { return w / 20 + 2; }, false},                // Multi-Box
    {91, 94, 1, true, [](int w, int, int) { return w / 10 + 2; }, false},                // Multi-Wipe
    {99, 99, 5, false, [](int w, int, int) { return w / 2 + 1; }, true},                 // Random crossLines
    {120, 128, 2, true, [](int w, int h, int) { return Larger(w, h) / 2 + 1; }, false},  // Stretch
    {141, 144, 2, true, [](int w, int h, int) { return (w + h) / 2 + 4; }, false},       // Wedge wipe
    {145, 148, 30, false, [](int, int, int) { return 20; }, true},                       // Window blind
    {149, 156, 2, true, [](int w, int, int) { return w + 1; }, false},                   // Wipe
    {157, 160, 25, true, [](int, int, int) { return 400; }, true},                       // Zig-zag
    // Moves, rains, rolls, scans, shows, shutters, sweeps and bars: their own cases hold their exact
    // frame counts; here a bound that any runaway loop would pass.
    {64, 64, 2, false, TwentyStrips, false},  // the "5" members: twenty strips, each on its own way
    {74, 74, 2, false, TwentyStrips, false},
    {81, 81, 2, false, TwentyStrips, false},
    {87, 87, 2, false, TwentyStrips, false},
    {59, 88, 2, false, Loose, false},    // Move
    {95, 98, 1, true, Loose, false},     // Rain
    {100, 103, 5, true, Loose, false},   // Roll
    {104, 104, 2, false, Loose, false},  // Scan down
    {105, 106, 5, false, Loose, false},  // Scan left, right
    {107, 111, 5, true, Loose, false},   // Scan to center, to edge, up
    {112, 115, 5, true, Loose, false},   // Show from a corner
    {116, 119, 2, true, Loose, false},   // Show combs, Shutter
    {129, 132, 30, true, Loose, false},  // Sweep
    {133, 140, 2, false, Loose, false},  // Tow bar, Two bar
};

const Family& FamilyOf(int index)
{
    for (const Family& family : kFamilies)
        if (index >= family.first && index <= family.last) return family;
    throw std::out_of_range("no expectations for a built effect");
}

// The Band family's delays differ by member.
int DelayOf(int index)
{
    static const int bandDelays[] = {20, 20, 20, 20, 10, 10, 20, 20, 10, 10, 10, 10, 10, 10, 15, 15, 15, 15, 15, 15};
    return index <= 19 ? bandDelays[index] : FamilyOf(index).delay;
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

struct Placement {
    int width, height, left, top;
};
// Even and odd sizes, the whole window, smaller than it and away from its corner, wide and tall.
const Placement kPlacements[] = {{120, 90, 0, 0}, {61, 37, 23, 31}, {50, 40, 7, 9}, {37, 71, 60, 11}};

class EveryEffect : public ::testing::TestWithParam<int> {};

TEST_P(EveryEffect, RevealsTheWholeTargetOnlyInItsPlaceAtItsDelayWithinItsFrames)
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
        const Family& family = FamilyOf(index);
        const int frames = family.frames(p.width, p.height, 25);
        if (family.exact)
            EXPECT_EQ(frames, pacer.calls);
        else
            EXPECT_LE(pacer.calls, frames);
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
    EXPECT_EQ("", stage.BufferMismatch(FamilyOf(index).finalCopyAfterLoop));
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

TEST(Effects, LogShowsTheRequestedIndex)
{
    TempDir dir;
    dir.Write("vesk.log", std::string());
    CFileLog log(dir.Path("show.scr"));
    g_fileLog = &log;
    Stage stage(120, 90);
    RecordingPacer pacer;
    stage.Run(7, 61, 37, 23, 31, 25, pacer, false);
    g_fileLog = nullptr;
    EXPECT_EQ("", stage.BufferMismatch(true));
    const std::string text = ReadFileText(dir.Path("vesk.log"));
    EXPECT_NE(std::string::npos, text.find("begin a transition show , transition effect index = 7 "));
    EXPECT_NE(std::string::npos, text.find("end a transition show"));
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
    {
        RecordingPacer pacer;
        stage.Run(40, 10000, 2, 0, 0, 25, pacer);  // Diamond from center: two regions every frame
        EXPECT_EQ(10000, pacer.calls);
        EXPECT_EQ(stage.objectsBefore, stage.objectsAfter);
    }
}

// Cells of a grid over the target of the stage: which are shown whole, which not at all.
struct Grid {
    int cellWidth, cellHeight, width, height;

    // 1: every pixel of the cell (cut to the target) shows the target; 0: none does; -1: some.
    int Shown(Stage& stage, int row, int column) const
    {
        int shown = 0, total = 0;
        for (int y = row * cellHeight; y < (row + 1) * cellHeight && y < height; ++y)
            for (int x = column * cellWidth; x < (column + 1) * cellWidth && x < width; ++x, ++total)
                shown += stage.TargetPixelShown(x, y);
        return shown == total ? 1 : shown == 0 ? 0 : -1;
    }
};

TEST(EffectFamilies, BlockRevealsOneWholeCellPerFrameAlongTheSpiral)
{
    for (int index : {20, 21}) {
        SCOPED_TRACE(index);
        Stage stage(120, 90);
        const Grid grid{120 / 8 + 1, 90 / 8 + 1, 120, 90};
        std::vector<GridCell> order;
        std::vector<bool> seen(64, false);
        WatchingPacer pacer([&] {
            for (int cell = 0; cell < 64; ++cell) {
                const int shown = grid.Shown(stage, cell / 8, cell % 8);
                ASSERT_NE(-1, shown) << "cell " << cell << " is half shown";
                if (shown && !seen[cell]) order.push_back({cell / 8, cell % 8});
                seen[cell] = seen[cell] || shown;
            }
        });
        stage.Run(index, 120, 90, 0, 0, 25, pacer);
        std::vector<GridCell> spiral = BlockSpiral();
        if (index == 21) std::reverse(spiral.begin(), spiral.end());
        EXPECT_EQ(spiral, order);  // one new cell per frame, each once
    }
}

TEST(EffectFamilies, CheckerboardShowsACheckerboardAfterThe1stPassAndThePictureAfterThe2nd)
{
    for (int index = 24; index <= 31; ++index) {
        SCOPED_TRACE(index);
        Stage stage(120, 90);
        const Grid grid{(120 + 20) / 20, (90 + 20) / 20, 120, 90};
        int frame = 0;
        WatchingPacer pacer([&] {
            if (++frame != 20) return;
            for (int row = 0; row * grid.cellHeight < 90; ++row)
                for (int column = 0; column * grid.cellWidth < 120; ++column)
                    ASSERT_EQ((row + column) % 2 == 0, grid.Shown(stage, row, column) == 1) << row << ", " << column;
        });
        stage.Run(index, 120, 90, 0, 0, 25, pacer);
        EXPECT_EQ(40, frame);
        EXPECT_EQ("", stage.BufferMismatch(true));
    }
}

// Every frame shows exactly one line (a pair of rows or columns) that was not shown before.
TEST(EffectFamilies, LinesAndRandomCrossLinesCopyEveryPairOfLinesOnce)
{
    const struct {
        int index;
        bool columns;
    } cases[] = {{56, false}, {57, true}, {99, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        // Random crossLines copies a random row pair too, but 26 pairs cannot cover 90 rows, so
        // only the columns become whole.
        Stage stage(120, 90);
        const int width = 51, height = c.index == 99 ? 90 : 37;
        const int lines = (c.columns ? width : height);
        std::vector<bool> seen(lines, false);
        std::vector<int> pairs;
        WatchingPacer pacer([&] {
            std::vector<int> added;
            for (int line = 0; line < lines; ++line) {
                bool whole = true;
                for (int along = 0; along < (c.columns ? height : width) && whole; ++along)
                    whole = c.columns ? stage.TargetPixelShown(line, along) : stage.TargetPixelShown(along, line);
                if (whole && !seen[line]) added.push_back(line);
                seen[line] = seen[line] || whole;
            }
            ASSERT_FALSE(added.empty());
            ASSERT_EQ(0, added.front() % 2);
            ASSERT_EQ(added.front() + 1 < lines ? 2u : 1u, added.size());
            pairs.push_back(added.front() / 2);
        });
        stage.Run(c.index, width, height, 0, 0, 25, pacer);
        EXPECT_EQ(static_cast<std::size_t>(lines / 2 + 1), pairs.size());
        EXPECT_EQ("", stage.BufferMismatch(true));
    }
}

TEST(EffectFamilies, EllipseRandomGrowsItsCircleFromAPointOfThePictureWhereverItIsPlaced)
{
    // A small picture far from the window's corner: a centre taken in window coordinates would
    // lie outside it, and the first frames would show nothing.
    Stage stage(120, 90);
    int shown = 0, frame = 0;
    WatchingPacer pacer([&] {
        if (++frame != 4) return;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                shown += stage.TargetPixelShown(x, y);
    });
    stage.Run(44, 20, 20, 90, 60, 25, pacer);
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, 400);
    EXPECT_EQ("", stage.BufferMismatch(false));
}

}  // namespace
