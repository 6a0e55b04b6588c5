// Cases of single effect families: the Move patterns and their pauses, the scans, the shutters
// and the stretching effects, watched frame by frame with a pacer that never sleeps.
#include "../../src/framework/Handles.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/FramePacer.h"
#include "../../src/slideshow/TransitionEffects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kMargin = 3;  // the window shows the start picture around the target

// Every pixel names its own coordinates; blue tells the pictures apart.
COLORREF StartColour(int x, int y)
{
    return RGB(x, y, 17);
}
COLORREF TargetColour(int x, int y)
{
    return RGB(x, y, 200);
}

class WatchingPacer : public FramePacer {
public:
    bool EndFrame(int delay) override
    {
        ++calls;
        if (onFrame) onFrame(delay);
        if (stopAt && calls >= stopAt) return false;
        delays.push_back(delay);
        return true;
    }
    int DroppedLag() const override { return droppedLag; }
    std::function<void(int delay)> onFrame;
    int stopAt = 0;
    int calls = 0;
    std::vector<int> delays;
    int droppedLag = 0;  // what a test says the change fell behind
};

LRESULT CALLBACK StageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_ERASEBKGND ? 1 : ::DefWindowProcA(window, message, wParam, lParam);
}

// A target of width × height placed at (kMargin, kMargin) in a window a little larger.
class Stage {
public:
    Stage(int width, int height) : width(width), height(height)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = StageProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "EffectFamilyStage";
        ::RegisterClassA(&windowClass);
        window.reset(::CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                       width + 2 * kMargin, height + 2 * kMargin, nullptr, nullptr,
                                       windowClass.hInstance, nullptr));
        Paint(start, width + 2 * kMargin, height + 2 * kMargin, StartColour);
        Paint(target, width, height, TargetColour);
        buffer.Create(width + 2 * kMargin, height + 2 * kMargin, RGB(255, 0, 255));
    }

    std::unique_ptr<CTransitionEffects> Run(int index, WatchingPacer& pacer)
    {
        TransitionRequest request{window.get(), &start, &target, &buffer, index, true, kMargin, kMargin, 25, nullptr};
        auto engine = std::make_unique<CTransitionEffects>(pacer);
        engine->Assign(request);
        engine->Show();
        return engine;
    }

    // The back buffer's pixel at (x, y) of the target's place.
    COLORREF Shown(int x, int y) const { return buffer.surface->Pixel(kMargin + x, kMargin + y); }
    bool TargetShown(int x, int y) const { return Shown(x, y) == TargetColour(x, y); }
    bool StartShown(int x, int y) const { return Shown(x, y) == StartColour(kMargin + x, kMargin + y); }

    int width, height;
    UniqueWindow window;
    CComPicture start, target, buffer;

private:
    static void Paint(CComPicture& picture, int w, int h, COLORREF (*colour)(int, int))
    {
        picture.Create(w, h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = colour(x, y);
                picture.surface->Pixels()[y * w + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
            }
    }
};

TEST(ScanLeft, ShowsEveryColumnOnePerFrameTheLeftmostLast)
{
    Stage stage(40, 30);
    WatchingPacer whole;
    stage.Run(105, whole);
    EXPECT_EQ(40, whole.calls);
    for (int x = 0; x < 40; ++x)
        EXPECT_TRUE(stage.TargetShown(x, 29) && stage.TargetShown(x, 0)) << x;

    WatchingPacer stopped;
    stopped.stopAt = 39;
    stage.Run(105, stopped);
    EXPECT_TRUE(stage.StartShown(0, 15));
    for (int x = 1; x < 40; ++x)
        EXPECT_TRUE(stage.TargetShown(x, 15)) << x;
}

// Where the front of a heading starts, as a position counted from that edge: u along the
// heading, v across it.
struct MotionPoint {
    int u, v;
};
MotionPoint Motion(char heading, int width, int height, int x, int y)
{
    switch (heading) {
        case 'D':
            return {y, x};
        case 'U':
            return {height - 1 - y, x};
        case 'R':
            return {x, y};
        default:
            return {width - 1 - x, y};
    }
}

struct NumberedMove {
    int index;
    int pattern;
    char heading;
    int pause;  // 0: none
};
const NumberedMove kNumberedMoves[] = {{60, 1, 'D', 1000}, {61, 2, 'D', 0},    {62, 3, 'D', 0},    {63, 4, 'D', 0},
                                       {64, 5, 'D', 0},    {70, 1, 'L', 1000}, {71, 2, 'L', 0},    {72, 3, 'L', 0},
                                       {73, 4, 'L', 0},    {74, 5, 'L', 0},    {77, 1, 'R', 1000}, {78, 2, 'R', 800},
                                       {79, 3, 'R', 1000}, {80, 4, 'R', 1000}, {81, 5, 'R', 0},    {83, 1, 'U', 1000},
                                       {84, 2, 'U', 1000}, {85, 3, 'U', 1000}, {86, 4, 'U', 1000}, {87, 5, 'U', 0}};

class MovePause : public ::testing::TestWithParam<NumberedMove> {};

// The pause comes once, when the first half has arrived: the entry half for patterns 1 and 2,
// the far half for 3 and 4, the other half still showing the start picture.
TEST_P(MovePause, ComesOnceWhenTheFirstHalfHasArrived)
{
    const NumberedMove move = GetParam();
    Stage stage(30, 22);
    WatchingPacer pacer;
    int pauses = 0;
    pacer.onFrame = [&](int delay) {
        if (delay != move.pause) return;
        ++pauses;
        const int size = move.heading == 'D' || move.heading == 'U' ? 22 : 30;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool entryHalf = Motion(move.heading, 30, 22, x, y).u < size / 2;
                const bool arrived = move.pattern <= 2 ? entryHalf : !entryHalf;
                ASSERT_TRUE(arrived ? stage.TargetShown(x, y) : stage.StartShown(x, y)) << x << ", " << y;
            }
    };
    stage.Run(move.index, pacer);
    EXPECT_EQ(move.pause ? 1 : 0, pauses);
    EXPECT_EQ(move.pause ? 1 : 0,
              std::count_if(pacer.delays.begin(), pacer.delays.end(), [](int d) { return d != 2; }));
}

INSTANTIATE_TEST_SUITE_P(Numbered, MovePause, ::testing::ValuesIn(kNumberedMoves));

// A slide that fell behind its frames' delays shortens the pause after it by as much, down to none.
TEST(MovePause, LosesWhatTheSlideBeforeItFellBehind)
{
    const struct {
        int index, lagPerFrame, slideFrames, pause;
    } cases[] = {{60, 10, 13, 1000 - 13 * 10}, {78, 100, 9, 0}};  // 11 rows at step 1; 15 columns at step 2
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        Stage stage(30, 22);
        WatchingPacer pacer;
        pacer.onFrame = [&](int) { pacer.droppedLag += c.lagPerFrame; };
        stage.Run(c.index, pacer);
        ASSERT_GT(pacer.delays.size(), static_cast<std::size_t>(c.slideFrames));
        EXPECT_EQ(std::vector<int>(c.slideFrames, 2),
                  std::vector<int>(pacer.delays.begin(), pacer.delays.begin() + c.slideFrames));
        EXPECT_EQ(c.pause, pacer.delays[c.slideFrames]);
    }
}

// The part that arrives first, along the motion and counted from the top (left) edge, at a size of
// 21 along it: the halves split at 10 from the top (left) edge, and the strips, 2 thick, are laid
// from there, whichever edge the motion enters at.
struct FirstArrival {
    int index;
    bool columns;
    int from, to;
};
const FirstArrival kFirstArrivals[] = {{60, false, 0, 10}, {83, false, 10, 21}, {85, false, 0, 10}, {64, false, 20, 21},
                                       {87, false, 0, 2},  {70, true, 10, 21},  {72, true, 0, 10},  {74, true, 0, 2}};

TEST(NumberedMoves, SplitThePictureCountingFromTheTopOrLeftEdge)
{
    for (const FirstArrival& a : kFirstArrivals) {
        SCOPED_TRACE(a.index);
        const int w = a.columns ? 21 : 6, h = a.columns ? 6 : 21;
        const auto inPart = [&](int x, int y) { return (a.columns ? x : y) >= a.from && (a.columns ? x : y) < a.to; };
        Stage stage(w, h);
        WatchingPacer pacer;
        int arrivals = 0;
        pacer.onFrame = [&](int) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (inPart(x, y) && !stage.TargetShown(x, y)) return;
            if (arrivals++) return;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    EXPECT_TRUE(inPart(x, y) || stage.StartShown(x, y)) << x << ", " << y;
        };
        stage.Run(a.index, pacer);
        EXPECT_GT(arrivals, 0);
    }
}

// Every frame's picture in motion coordinates: 0 for the start picture, 1 + the target pixel's own
// position (u, v) otherwise.
std::vector<std::vector<int>> Frames(int index, char heading, int width, int height)
{
    Stage stage(width, height);
    WatchingPacer pacer;
    std::vector<std::vector<int>> frames;
    pacer.onFrame = [&](int delay) {
        if (delay != 2) return;  // a pause draws nothing
        std::vector<int> frame(static_cast<std::size_t>(width * height));
        const int across = heading == 'D' || heading == 'U' ? width : height;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const MotionPoint at = Motion(heading, width, height, x, y);
                const COLORREF c = stage.Shown(x, y);
                const MotionPoint from = Motion(heading, width, height, GetRValue(c), GetGValue(c));
                frame[at.u * across + at.v] = GetBValue(c) == 200 ? 1 + from.u * 256 + from.v : 0;
            }
        frames.push_back(frame);
    };
    stage.Run(index, pacer);
    return frames;
}

struct TurnedPair {
    int first, second;
    char firstHeading, secondHeading;
};
const TurnedPair kTurnedPairs[] = {{69, 82, 'L', 'U'}, {76, 82, 'R', 'U'}, {75, 88, 'R', 'D'}, {61, 71, 'D', 'L'},
                                   {62, 72, 'D', 'L'}, {77, 83, 'R', 'U'}, {78, 84, 'R', 'U'}, {79, 85, 'R', 'U'},
                                   {73, 80, 'L', 'R'}, {74, 87, 'L', 'U'}, {81, 87, 'R', 'U'}};

class TurnedMoves : public ::testing::TestWithParam<TurnedPair> {};

// Two members of one motion at one step show the same frames, turned. The size along the motion is
// even and a multiple of the strips' thickness (42 / 20 + 1): the halves and the strips are laid from
// the top (left) edge, which turns into the entry edge for some headings and the far edge for others.
TEST_P(TurnedMoves, ShowTheSameFrames)
{
    const TurnedPair pair = GetParam();
    const auto size = [](char heading, int along, int across) {
        return heading == 'D' || heading == 'U' ? std::pair{across, along} : std::pair{along, across};
    };
    const auto [w1, h1] = size(pair.firstHeading, 42, 23);
    const auto [w2, h2] = size(pair.secondHeading, 42, 23);
    const auto first = Frames(pair.first, pair.firstHeading, w1, h1);
    EXPECT_EQ(first, Frames(pair.second, pair.secondHeading, w2, h2));
    ASSERT_GT(first.size(), 5u);
    EXPECT_NE(first[first.size() / 2], first.back());  // the frames move
}

INSTANTIATE_TEST_SUITE_P(Move, TurnedMoves, ::testing::ValuesIn(kTurnedPairs));

TEST(MoveDown, ShowsThePicturesBottomRowsFirstOneRowPerFrame)
{
    Stage stage(20, 30);
    WatchingPacer pacer;
    pacer.onFrame = [&](int) {
        const int d = std::min(pacer.calls - 1, 30);  // the front of this frame
        for (int y = 0; y < 30; ++y)
            ASSERT_EQ(y < d ? TargetColour(7, 30 - d + y) : StartColour(kMargin + 7, kMargin + y), stage.Shown(7, y))
                << "frame " << pacer.calls << " row " << y;
    };
    stage.Run(59, pacer);
    EXPECT_EQ(32, pacer.calls);  // d = 0 .. H + 1
}

class StretchingEffect : public ::testing::TestWithParam<int> {};

// Wherever a change is stopped, the back buffer keeps its stretch mode and the engine its step.
TEST_P(StretchingEffect, LeavesTheStretchModeAsItFoundItWhereverItStops)
{
    for (int stopAt : {1, 3, 7}) {
        Stage stage(40, 30);
        ::SetStretchBltMode(stage.buffer.dc->Handle(), BLACKONWHITE);
        WatchingPacer pacer;
        pacer.stopAt = stopAt;
        auto engine = stage.Run(GetParam(), pacer);
        EXPECT_EQ(BLACKONWHITE, ::GetStretchBltMode(stage.buffer.dc->Handle())) << stopAt;
        EXPECT_EQ(25, engine->step);
    }
}

INSTANTIATE_TEST_SUITE_P(Rain, StretchingEffect, ::testing::Range(95, 99));
INSTANTIATE_TEST_SUITE_P(Stretch, StretchingEffect, ::testing::Range(120, 129));

// Under 10 pixels across its strips a shutter has one strip, wiped from one side by 2-pixel lines.
TEST(Shutter, UnderTenPixelsUsesOneStrip)
{
    for (const bool horizontal : {true, false}) {
        SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
        Stage stage(horizontal ? 40 : 7, horizontal ? 7 : 40);
        WatchingPacer watched;
        int checked = 0;
        watched.onFrame = [&](int) {
            if (watched.calls != 5) return;  // lines 0, 2, 4, 6 and 8 drawn
            ++checked;
            for (int along = 0; along < 40; ++along)
                for (int across = 0; across < 7; ++across) {
                    const int x = horizontal ? along : across, y = horizontal ? across : along;
                    ASSERT_EQ(along < 10, stage.TargetShown(x, y)) << x << ", " << y;
                }
        };
        stage.Run(horizontal ? 118 : 119, watched);
        EXPECT_EQ(1, checked);
        EXPECT_EQ(horizontal ? 22 : 21, watched.calls);  // lines while p ≤ W + 2, or p ≤ H
    }
}

}  // namespace
