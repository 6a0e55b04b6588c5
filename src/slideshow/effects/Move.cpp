// Move: slides. A moving part shows first its edge that lies farthest in the direction of motion.
// The motions are built once, along a heading, in lengths counted from the entry edge (the edge
// where the motion starts); Across turns them to the member's heading, so "Move left 3" is
// "Move up 3" turned. Each frame draws only the parts that moved, and puts the start picture back
// behind a part that passes through.
#include "../FramePacer.h"
#include "../TransitionEffects.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

constexpr int kMoveDelay = 2;
constexpr int kStrips = 20;

// A front runs until it is 2 past the length it travels, so its last frame shows the part home.
int LimitFor(int length)
{
    return length + 2;
}

}  // namespace

void CTransitionEffects::MoveWhole(Heading heading, int stepValue)
{
    StepOverride stepOverride(*this, stepValue);
    const bool rows = heading == Heading::Down || heading == Heading::Up;
    const int size = rows ? targetHeight : targetWidth;
    const RECT whole = Across(heading, 0, size);
    std::vector<Slide> slides{{whole, whole, Along(heading, -size)}};
    RunSlides(slides, LimitFor(size), false, kMoveDelay);
}

void CTransitionEffects::MoveFromCorner(bool rightCorner, bool bottomCorner, int stepValue)
{
    StepOverride stepOverride(*this, stepValue);
    const int w = targetWidth, h = targetHeight;
    const RECT whole{0, 0, w, h};
    std::vector<Slide> slides{{whole, whole, {rightCorner ? w : -w, bottomCorner ? h : -h}}};
    // The visible width grows by the step and its height with it, until the width reaches W + step + 1.
    RunSlides(slides, w + step + 1, true, kMoveDelay);
}

// The first half from the entry edge and the second from the far edge, together.
void CTransitionEffects::MoveHalves(bool columns)
{
    StepOverride stepOverride(*this, 2);
    const Heading heading = columns ? Heading::Right : Heading::Down;
    const int size = columns ? targetWidth : targetHeight, half = size / 2;
    const RECT first = Across(heading, 0, half), second = Across(heading, half, size);
    std::vector<Slide> slides{{first, first, Along(heading, -half)}, {second, second, Along(heading, size - half)}};
    RunSlides(slides, LimitFor(std::max(half, size - half)), false, kMoveDelay);
}

// The numbered patterns: the picture split at half its size along the motion into the entry half
// (next to the entry edge) and the far half. The split, and the strips of pattern 5, are laid from
// the top (left) edge whichever edge the motion enters at, so at an odd size the bottom (right)
// part is the longer one.
void CTransitionEffects::MovePattern(int pattern, Heading heading, int stepValue, int pause)
{
    StepOverride stepOverride(*this, stepValue);
    const int lagBefore = pacer.DroppedLag();
    const bool rows = heading == Heading::Down || heading == Heading::Up;
    const bool entersAtEnd = heading == Heading::Up || heading == Heading::Left;  // at the bottom (right) edge
    const int size = rows ? targetHeight : targetWidth;
    // Lengths below are counted from the entry edge.
    const int half = entersAtEnd ? size - size / 2 : size / 2;
    const RECT whole = Across(heading, 0, size);
    const RECT entryHalf = Across(heading, 0, half), farHalf = Across(heading, half, size);

    // One part sliding alone; false when the change was stopped.
    const auto slide = [&](const RECT& piece, const RECT& clip, int from, int length) {
        std::vector<Slide> slides{{piece, clip, Along(heading, from)}};
        return RunSlides(slides, LimitFor(length), false, kMoveDelay);
    };
    // The pause ends when it would have, had the slide before it kept to its frames' delays: the
    // time the slide fell behind and the pacer dropped is taken off (the pacer makes up the rest).
    const auto pauseOnce = [&] {
        return pause <= 0 || EndFrame(std::max(0, pause - (pacer.DroppedLag() - lagBefore)));
    };

    switch (pattern) {
        case 1:  // entry half in; pause; the far half emerges from the middle line towards the far edge
            if (slide(entryHalf, entryHalf, -half, half) && pauseOnce())
                slide(farHalf, farHalf, -(size - half), size - half);
            break;
        case 2:  // entry half in; pause; the far half in from the far edge, against the heading
            if (slide(entryHalf, entryHalf, -half, half) && pauseOnce())
                slide(farHalf, farHalf, size - half, size - half);
            break;
        case 3:  // the far half crosses the entry half's place to its own; pause; the entry half
                 // emerges from the middle line, back towards the entry edge
            if (slide(farHalf, whole, -size, size) && pauseOnce()) slide(entryHalf, entryHalf, half, half);
            break;
        case 4:  // as 3, then the entry half in from the entry edge
            if (slide(farHalf, whole, -size, size) && pauseOnce()) slide(entryHalf, entryHalf, -half, half);
            break;
        default: {  // strips, the one nearest the far edge first, each travelling to its place
            const int thickness = size / kStrips + 1;
            for (int n = 0; n < kStrips; ++n) {
                const int k = entersAtEnd ? n : kStrips - 1 - n;  // counted from the top (left) edge
                int from = k * thickness, to = std::min(from + thickness, size);
                if (from >= to) continue;  // strips past the picture's end
                if (entersAtEnd) std::tie(from, to) = std::pair(size - to, size - from);
                if (!slide(Across(heading, from, to), whole, -to, to)) break;
            }
            break;
        }
    }
}
