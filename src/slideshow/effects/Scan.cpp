// Scan: lines revealed in place, from an edge, from both edges to the middle, or from the middle
// to both edges. Two lines of one frame can lie far apart: the window gets each on its own.
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

constexpr int kLine = 2;

}  // namespace

// Lines of `thickness` from the entry edge; the 2-pixel scans advance by a step of 2.
void CTransitionEffects::Scan(Heading heading, int thickness, int delay, bool finalCopy)
{
    StepOverride stepOverride(*this, thickness == kLine ? kLine : step);
    const bool rows = heading == Heading::Down || heading == Heading::Up;
    const int size = rows ? targetHeight : targetWidth, advance = thickness == kLine ? step : thickness;
    for (int q = 0; q < size; q += advance) {
        const RECT line = Across(heading, q, q + thickness);
        Reveal(line.left, line.top, line.right - line.left, line.bottom - line.top);
        if (!EndFrame(delay)) break;
    }
    if (finalCopy) FinalCopy();
}

void CTransitionEffects::ScanToCenter(bool rows)
{
    StepOverride stepOverride(*this, kLine);
    const Heading heading = rows ? Heading::Down : Heading::Right;
    const int size = rows ? targetHeight : targetWidth;
    for (int q = 0; q <= size / 2 + 1; q += step) {
        for (const RECT& line : {Across(heading, q, q + kLine), Across(heading, size - q - kLine, size - q)}) {
            Reveal(line.left, line.top, line.right - line.left, line.bottom - line.top);
            FlushFrame();
        }
        if (!EndFrame(5)) break;
    }
    FinalCopy();
}

void CTransitionEffects::ScanToEdge(bool rows)
{
    StepOverride stepOverride(*this, kLine);
    const Heading heading = rows ? Heading::Down : Heading::Right;
    const int size = rows ? targetHeight : targetWidth, middle = size / 2 + 1;
    for (int q = 0; q < middle; q += step) {
        for (const RECT& line : {Across(heading, std::max(0, middle - q - kLine), middle - q),
                                 Across(heading, middle + q, std::min(size, middle + q + kLine))}) {
            Reveal(line.left, line.top, line.right - line.left, line.bottom - line.top);
            FlushFrame();
        }
        if (!EndFrame(5)) break;
    }
    FinalCopy();
}
