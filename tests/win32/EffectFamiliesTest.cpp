// Cases of single effect families: the Move patterns and their pauses, the scans, the shutters
// and the stretching effects, and where every directional member starts and which way it runs,
// watched frame by frame with a pacer that never sleeps.
#include "../../src/framework/Handles.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/EffectNames.h"
#include "../../src/slideshow/FramePacer.h"
#include "../../src/slideshow/TransitionEffects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

namespace {

constexpr int kMargin = 3;  // the window shows the start picture around the target

// Every pixel names its own coordinates, their low bytes in red and green and what lies above in
// blue; blue tells the pictures apart.
COLORREF StartColour(int x, int y)
{
    return RGB(x, y, 17 + (x >> 8) + 4 * (y >> 8));
}
COLORREF TargetColour(int x, int y)
{
    return RGB(x, y, 200 + (x >> 8) + 4 * (y >> 8));
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

// The directional members of the families, on a picture of 320 x 240: where each one first
// reaches the picture and which way it goes on. Probes are parts of the picture, most an eighth of
// it each way: an edge's middle, a corner, the centre. `reached` holds chains of probes in the order
// the change comes into them to stay (a part that passes through and leaves the start picture
// behind does not count); `whole` holds probes in the order the target comes to stand whole in
// them, for a second pass over parts already reached, or an effect that smears the whole picture
// at once. A member that ran another member's routine breaks its row or the other member's.
constexpr int kWide = 320, kHigh = 240;

constexpr RECT Eighth(int column, int row)
{
    return {column * kWide / 8, row * kHigh / 8, (column + 1) * kWide / 8, (row + 1) * kHigh / 8};
}
constexpr RECT TopLeft = Eighth(0, 0), Top = Eighth(4, 0), TopRight = Eighth(7, 0), Left = Eighth(0, 4),
               Centre = Eighth(4, 4), Right = Eighth(7, 4), BottomLeft = Eighth(0, 7), Bottom = Eighth(4, 7),
               BottomRight = Eighth(7, 7);
// Beside the centre across the middle lines.
constexpr RECT AboveCentre = Eighth(4, 3), LeftOfCentre = Eighth(3, 4);
// Beside the top edge's middle, for the fan's blades.
constexpr RECT LeftOfTop = Eighth(2, 0), RightOfTop = Eighth(5, 0);
// The first and the last 5 lines of the first 20-pixel slat, for the blinds.
constexpr RECT SlatTop{0, 0, 40, 5}, SlatBottom{0, 15, 40, 20}, SlatLeft{0, 0, 5, 30}, SlatRight{15, 0, 20, 30};
// The corners of the first 33 x 25 cell, for the multi-wipes.
constexpr RECT CellTopLeft{0, 0, 4, 4}, CellTopRight{29, 0, 33, 4}, CellBottomLeft{0, 21, 4, 25},
    CellBottomRight{29, 21, 33, 25};

struct Member {
    int index;
    const char* name;  // as users see it, odd spellings included
    std::vector<std::vector<RECT>> reached;
    std::vector<RECT> whole{};
};
const Member kMembers[] = {
    {0, "Band down large", {{Top, Centre, Bottom}}},
    {1, "Band down small", {{Top, Centre, Bottom}}},
    {2, "Band from center large", {{Centre, TopLeft}}},
    {3, "Band from center small", {{Centre, TopLeft}}},
    {4, "Band from left-bottom large", {{BottomLeft, Centre, TopLeft}, {Centre, BottomRight}}},
    {5, "Band from left-bottom small", {{BottomLeft, Centre, TopLeft}, {Centre, BottomRight}}},
    {6, "Band from left-top large", {{TopLeft, Centre, TopRight}, {Centre, BottomLeft}}},
    {7, "Band from left-top small", {{TopLeft, Centre, TopRight}, {Centre, BottomLeft}}},
    {8, "Band from right-bottom large", {{BottomRight, Centre, TopRight}, {Centre, BottomLeft}}},
    {9, "Band from right-bottom small", {{BottomRight, Centre, TopRight}, {Centre, BottomLeft}}},
    {10, "Band from right-top large", {{TopRight, Centre, TopLeft}, {Centre, BottomRight}}},
    {11, "Band from right-top small", {{TopRight, Centre, TopLeft}, {Centre, BottomRight}}},
    {12, "Band left large", {{Left, Centre, Right}}},
    {13, "Band left samll", {{Left, Centre, Right}}},
    {14, "Band right large", {{Right, Centre, Left}}},
    {15, "Band right small", {{Right, Centre, Left}}},
    {16, "Band to center large", {{TopLeft, Centre}}},
    {17, "Band to center small", {{TopLeft, Centre}}},
    {18, "Band up large", {{Bottom, Centre, Top}}},
    {19, "Band up small", {{Bottom, Centre, Top}}},
    {24, "Checkerboard down", {{Top, Centre, Bottom}}, {Top, Bottom}},
    {25, "Checkerboard down rebound", {{Top, Centre, Bottom}}, {Bottom, Top}},
    {26, "Checkerboard left", {{Left, Centre, Right}}, {Left, Right}},
    {27, "Checkerboard left rebound", {{Left, Centre, Right}}, {Right, Left}},
    {28, "Checkerboard right", {{Right, Centre, Left}}, {Right, Left}},
    {29, "Checkerboard right rebound", {{Right, Centre, Left}}, {Left, Right}},
    {30, "Checkerboard up", {{Bottom, Centre, Top}}, {Bottom, Top}},
    {31, "Checkerboard up rebound", {{Bottom, Centre, Top}}, {Top, Bottom}},
    {45, "Fan wipe", {{RightOfTop, LeftOfTop}}},
    {46, "Fan wipe(Anticlockwise)", {{LeftOfTop, RightOfTop}}},
    {48, "Line down", {{Top, Centre, Bottom}}, {Top, Bottom}},
    {49, "Line down rebound", {{Top, Centre, Bottom}}, {Bottom, Top}},
    {50, "Line left", {{Right, Centre, Left}}, {Right, Left}},
    {51, "Line left rebound", {{Right, Centre, Left}}, {Left, Right}},
    {52, "Line right", {{Left, Centre, Right}}, {Left, Right}},
    {53, "Line right rebound", {{Left, Centre, Right}}, {Right, Left}},
    {54, "Line up", {{Bottom, Centre, Top}}, {Bottom, Top}},
    {55, "Line up rebound", {{Bottom, Centre, Top}}, {Top, Bottom}},
    {59, "Move down", {{Top, Centre, Bottom}}},
    {60, "Move down 1", {{Top, Centre, Bottom}}, {Top, Bottom}},
    {61, "Move down 2", {{Top, Bottom, Centre}}, {Top, Bottom}},
    {62, "Move down 3", {{Centre, Bottom, AboveCentre, Top}}, {Bottom, Top}},
    {63, "Move down 4", {{Centre, Bottom, Top, AboveCentre}}, {Bottom, Top}},
    {64, "Move down 5", {{Bottom, Centre, Top}}, {Bottom, Centre, Top}},
    {65, "Move from bottom left", {{BottomLeft, Centre, TopLeft}, {Centre, BottomRight}}},
    {66, "Move from bottom right", {{BottomRight, Centre, TopRight}, {Centre, BottomLeft}}},
    {67, "Move from top left", {{TopLeft, Centre, TopRight}, {Centre, BottomLeft}}},
    {68, "Move from top right", {{TopRight, Centre, TopLeft}, {Centre, BottomRight}}},
    {69, "Move left", {{Right, Centre, Left}}},
    {70, "Move left 1", {{Right, LeftOfCentre, Left}}, {Right, Left}},
    {71, "Move left 2", {{Right, Left, LeftOfCentre}}, {Right, Left}},
    {72, "Move left 3", {{LeftOfCentre, Left, Centre, Right}}, {Left, Right}},
    {73, "Move left 4", {{LeftOfCentre, Left, Right, Centre}}, {Left, Right}},
    {74, "Move left 5", {{Left, Centre, Right}}, {Left, Centre, Right}},
    {75, "Move left right", {{Left, Centre}, {Right, Centre}}},
    {76, "Move right", {{Left, Centre, Right}}},
    {77, "Move right 1", {{Left, Centre, Right}}, {Left, Right}},
    {78, "Move right 2", {{Left, Right, Centre}}, {Left, Right}},
    {79, "Move right 3", {{Centre, Right, LeftOfCentre, Left}}, {Right, Left}},
    {80, "Move right 4", {{Centre, Right, Left, LeftOfCentre}}, {Right, Left}},
    {81, "Move right 5", {{Right, Centre, Left}}, {Right, Centre, Left}},
    {82, "Move up", {{Bottom, Centre, Top}}},
    {83, "Move up 1", {{Bottom, AboveCentre, Top}}, {Bottom, Top}},
    {84, "Move up 2", {{Bottom, Top, AboveCentre}}, {Bottom, Top}},
    {85, "Move up 3", {{AboveCentre, Top, Centre, Bottom}}, {Top, Bottom}},
    {86, "Move up 4", {{AboveCentre, Top, Bottom, Centre}}, {Top, Bottom}},
    {87, "Move up 5", {{Top, Centre, Bottom}}, {Top, Centre, Bottom}},
    {88, "Move up down", {{Top, Centre}, {Bottom, Centre}}},
    {91, "Multi-Wipe from bottom-left", {{CellBottomLeft, CellTopLeft, CellTopRight}}},
    {92, "Multi-Wipe from bottom-right", {{CellBottomRight, CellTopRight, CellTopLeft}}},
    {93, "Multi-Wipe from left-top", {{CellTopLeft, CellBottomLeft, CellBottomRight}}},
    {94, "Multi-Wipe from right-top", {{CellTopRight, CellBottomRight, CellBottomLeft}}},
    {95, "Rain down", {}, {Top, Centre, Bottom}},
    {96, "Rain left", {}, {Right, Centre, Left}},
    {97, "Rain right", {}, {Left, Centre, Right}},
    {98, "Rain up", {}, {Bottom, Centre, Top}},
    {100, "Roll down", {{Top, Centre, Bottom}}},
    {101, "Roll left", {{Right, Centre, Left}}},
    {102, "Roll right", {{Left, Centre, Right}}},
    {103, "Roll up", {{Bottom, Centre, Top}}},
    {104, "Scan down", {{Top, Centre, Bottom}}},
    {105, "Scan left", {{Right, Centre, Left}}},
    {106, "Scan right", {{Left, Centre, Right}}},
    {107, "Scan to center(Horizontal)", {{Top, Centre}, {Bottom, Centre}}},
    {108, "Scan to center(Vertical) ", {{Left, Centre}, {Right, Centre}}},
    {109, "Scan to edge(Horizontal)", {{Centre, Top}, {Centre, Bottom}}},
    {110, "Scan to edge(Vertical)", {{Centre, Left}, {Centre, Right}}},
    {111, "Scan up", {{Bottom, Centre, Top}}},
    {112, "Show from bottom-left", {{BottomLeft, Centre, TopLeft}, {Centre, BottomRight}}},
    {113, "Show from bottom-right", {{BottomRight, Centre, TopRight}, {Centre, BottomLeft}}},
    {114, "Show from top-left", {{TopLeft, Centre, TopRight}, {Centre, BottomLeft}}},
    {115, "Show from top-right", {{TopRight, Centre, TopLeft}, {Centre, BottomRight}}},
    {116, "Show left-right", {{Left, Centre}, {Right, Centre}}},
    {117, "Show up-dwon", {{Top, Centre}, {Bottom, Centre}}},
    {118, "Shutter(Horizontal)", {{Left, Centre}, {Right, Centre}}},
    {119, "Shutter(Vertical)", {{Top, Centre}, {Bottom, Centre}}},
    {120, "Stretch from bottom", {{Bottom, Centre, Top}}},
    {121, "Stretch from bottom-left", {{BottomLeft, Centre, TopLeft}, {Centre, BottomRight}}},
    {122, "Stretch from bottom-right", {{BottomRight, Centre, TopRight}, {Centre, BottomLeft}}},
    {123, "Stretch from center", {{Centre, TopLeft}, {Centre, BottomRight}}},
    {124, "Stretch from left", {{Left, Centre, Right}}},
    {125, "Stretch from right", {{Right, Centre, Left}}},
    {126, "Stretch from top", {{Top, Centre, Bottom}}},
    {127, "Stretch from top-left", {{TopLeft, Centre, TopRight}, {Centre, BottomLeft}}},
    {128, "Stretch from top-right", {{TopRight, Centre, TopLeft}, {Centre, BottomRight}}},
    {129, "Sweep down", {{Top, Centre, Bottom}}},
    {130, "Sweep left", {{Right, Centre, Left}}},
    {131, "Sweep right", {{Left, Centre, Right}}},
    {132, "Sweep up", {{Bottom, Centre, Top}}},
    {133, "Tow bar move down", {{TopLeft, Left, BottomLeft}, {BottomRight, Right, TopRight}}},
    {134, "Tow bar move up", {{BottomLeft, Left, TopLeft}, {TopRight, Right, BottomRight}}},
    {135, "Tow bar wipe down", {{TopLeft, Left, BottomLeft}, {BottomRight, Right, TopRight}}, {TopLeft, BottomLeft}},
    {136, "Tow bar wipe up", {{BottomLeft, Left, TopLeft}, {TopRight, Right, BottomRight}}, {BottomLeft, TopLeft}},
    {137, "Two bar move left", {{TopRight, Top, TopLeft}, {BottomLeft, Bottom, BottomRight}}},
    {138, "Two bar move right", {{TopLeft, Top, TopRight}, {BottomRight, Bottom, BottomLeft}}},
    {139, "Two bar wipe left", {{TopRight, Top, TopLeft}, {BottomLeft, Bottom, BottomRight}}, {TopRight, TopLeft}},
    {140, "Two bar wipe right", {{TopLeft, Top, TopRight}, {BottomRight, Bottom, BottomLeft}}, {TopLeft, TopRight}},
    {141, "Wedge wipe down", {{Top, Left, Bottom}}},
    {142, "Wedge wipe left", {{Right, Top, Left}}},
    {143, "Wedge wipe right", {{Left, Top, Right}}},
    {144, "Wedge wipe up", {{Bottom, Left, Top}}},
    {145, "Window blind down", {{SlatTop, SlatBottom}}},
    {146, "Window blind left", {{SlatRight, SlatLeft}}},
    {147, "Window blind right", {{SlatLeft, SlatRight}}},
    {148, "Window blind up", {{SlatBottom, SlatTop}}},
    {149, "Wipe from left-bottom", {{BottomLeft, Centre, TopRight}}},
    {150, "Wipe from left-top", {{TopLeft, Centre, BottomRight}}},
    {151, "Wipe from left-top/right-bottom", {{TopLeft, Centre, TopRight}, {BottomRight, Centre}}},
    {152, "Wipe from right-bottom", {{BottomRight, Centre, TopLeft}}},
    {153, "Wipe from right-top", {{TopRight, Centre, BottomLeft}}},
    {154, "Wipe from right-top/left-bottom", {{TopRight, LeftOfCentre, TopLeft}, {BottomLeft, LeftOfCentre}}},
    {155, "Wipe to left-top/right-bottom", {{Centre, BottomRight}, {TopRight, TopLeft}}},
    {156, "Wipe to right-top/left-bottom", {{Centre, BottomLeft}, {TopLeft, TopRight}}},
    // The grid's last row and column lie outside a picture of this size: a snake that starts there
    // shows its second line first, which runs back.
    {157, "Zig-zag down", {{TopLeft, TopRight, BottomLeft}}},
    {158, "Zig-zag left", {{BottomRight, TopRight, BottomLeft}}},
    {159, "Zig-zag right", {{TopLeft, BottomLeft, TopRight}}},
    {160, "Zig-zag up", {{BottomRight, BottomLeft, TopRight}}},
};

// When a probe was reached to stay (the frame after it last showed only the start picture) and
// when it first showed the whole target in place; frames count from 1, the state after the change
// is one frame more.
struct Times {
    int reached = 1, whole = INT_MAX;
};

std::string DirectionMismatch(const Member& member)
{
    std::vector<RECT> probes = member.whole;
    for (const auto& chain : member.reached)
        probes.insert(probes.end(), chain.begin(), chain.end());
    Stage stage(kWide, kHigh);
    std::vector<Times> times(probes.size());
    const auto look = [&](int frame) {
        for (std::size_t i = 0; i < probes.size(); ++i) {
            bool allStart = true, allTarget = true;
            for (int y = probes[i].top; y < probes[i].bottom; ++y)
                for (int x = probes[i].left; x < probes[i].right; ++x) {
                    allStart = allStart && stage.StartShown(x, y);
                    allTarget = allTarget && stage.TargetShown(x, y);
                }
            if (allStart) times[i].reached = frame + 1;
            if (allTarget) times[i].whole = std::min(times[i].whole, frame);
        }
    };
    WatchingPacer pacer;
    pacer.onFrame = [&](int) { look(pacer.calls); };
    stage.Run(member.index, pacer);
    look(pacer.calls + 1);

    const auto timeOf = [&](const RECT& probe, int Times::*which) {
        for (std::size_t i = 0;; ++i)
            if (::EqualRect(&probes[i], &probe)) return times[i].*which;
    };
    std::ostringstream text;
    const auto order = [&](const std::vector<RECT>& chain, int Times::*which, const char* what) {
        for (std::size_t i = 1; i < chain.size(); ++i)
            if (timeOf(chain[i - 1], which) >= timeOf(chain[i], which)) {
                text << what << ":";
                for (const RECT& probe : chain)
                    text << " (" << probe.left << ", " << probe.top << ") at " << timeOf(probe, which);
                text << ".";
                return;
            }
    };
    for (const auto& chain : member.reached)
        order(chain, &Times::reached, "reached");
    order(member.whole, &Times::whole, "whole");
    return text.str();
}

TEST(DirectionalMembers, StartWhereTheirNameSaysAndRunTheirWay)
{
    for (const Member& member : kMembers) {
        SCOPED_TRACE(member.name);
        EXPECT_STREQ(member.name, EffectName(member.index));
        EXPECT_EQ("", DirectionMismatch(member));
    }
}

}  // namespace
