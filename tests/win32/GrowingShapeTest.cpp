// The frame loop of the growing region effects, handed shapes that cannot be made, or drawings
// that do not reach the surfaces, on some frames.
#include "../../src/slideshow/effects/GrowingShape.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A square growing from the origin by 3 pixels a frame.
UniqueRegion Square(int frame)
{
    return UniqueRegion(::CreateRectRgn(0, 0, 3 * frame + 3, 3 * frame + 3));
}

struct Failures {
    std::set<int> noShape, notDrawn;  // frames whose shape is null, or whose drawing is refused
    bool skipFailedFrames;
    int framesEnded;
};
const Failures kFailures[] = {
    {{0}, {}, false, 6}, {{2}, {}, false, 6}, {{}, {2}, false, 6}, {{2, 3}, {}, true, 4}, {{1}, {3}, true, 4}};

// After every frame that drew, the surfaces show exactly that frame's shape: nothing of what a
// failed frame left out stays uncovered.
TEST(GrowingShape, AFrameAfterAFailedOneDrawsWhatThatOneLeftOut)
{
    for (const Failures& f : kFailures) {
        UniqueRegion shown(::CreateRectRgn(0, 0, 0, 0));
        int frame = -1, lastDrawn = -1, ended = 0;
        const auto shape = [&](int k) {
            frame = k;
            return f.noShape.count(k) ? UniqueRegion() : Square(k);
        };
        const auto draw = [&](HRGN added) {
            if (f.notDrawn.count(frame)) return false;
            ::CombineRgn(shown.get(), shown.get(), added, RGN_OR);
            lastDrawn = frame;
            return true;
        };
        const auto endFrame = [&] {
            ++ended;
            EXPECT_TRUE(lastDrawn < 0 || ::EqualRgn(shown.get(), Square(lastDrawn).get())) << "frame " << frame;
            return true;
        };
        RevealGrowingShape(6, shape, draw, endFrame, f.skipFailedFrames);
        EXPECT_EQ(f.framesEnded, ended);
        EXPECT_EQ(5, lastDrawn);
    }
}

}  // namespace
