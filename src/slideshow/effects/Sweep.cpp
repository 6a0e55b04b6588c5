// Sweep: a graded sweep. A group of 20 bands, 20 pixels apart and 20 down to 1 pixels thick (the
// thinnest in front), moves 20 pixels per frame, so each 20-line block fills from 1 line to all 20.
// A band covers what the band ahead of it covered a frame before, and one line more: only that
// line is new, and only it is copied.
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

constexpr int kBands = 20;
constexpr int kSpacing = 20;
constexpr int kGroup = kBands * kSpacing;

}  // namespace

void CTransitionEffects::Sweep(Heading heading)
{
    StepOverride stepOverride(*this, 20);
    const bool rows = heading == Heading::Down || heading == Heading::Up;
    const int size = rows ? targetHeight : targetWidth;
    const auto frame = [&](int offset) {
        for (int i = 0; i < kBands; ++i) {
            const int newest = offset + kSpacing * i + kSpacing - 1 - i;  // band i's last line
            if (newest < 0) continue;
            const RECT line = Across(heading, newest, newest + 1);
            Reveal(line.left, line.top, line.right - line.left, line.bottom - line.top);
        }
        return EndFrame(30);
    };
    if (heading == Heading::Down || heading == Heading::Right) {
        for (int o = -kGroup; o < size; o += step)
            if (!frame(o)) break;
    } else {
        // The mirror image from the far edge; its last 21 frames find nothing left to show.
        for (int o = size + kGroup; o > -kGroup - kSpacing; o -= step)
            if (!frame(size - o)) break;
    }
    FinalCopy();
}
