// Roll: a rolling sheet. The edge moves one line per frame from the entry edge; behind it the
// picture lies in place, and the 30 lines ahead of it show the picture further on in reverse
// order, the back of the sheet as it rolls. Only the line the edge leaves and the rolled lines
// change in a frame, and only those are drawn; lines of the roll whose source lies past the
// picture keep what they showed.
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

constexpr int kRollLines = 30;

}  // namespace

void CTransitionEffects::Roll(Heading heading)
{
    const bool rows = heading == Heading::Down || heading == Heading::Up;
    const int size = rows ? targetHeight : targetWidth;
    // Line `from` of the picture (counted from the entry edge) copied to line `to`.
    const auto copyLine = [&](int to, int from) {
        const RECT target = Across(heading, to, to + 1), source = Across(heading, from, from + 1);
        RevealAt(target.left, target.top, target.right - target.left, target.bottom - target.top, source.left,
                 source.top);
    };
    for (int i = 0; i < size; ++i) {
        if (i > 0) copyLine(i - 1, i - 1);
        const int end = std::min(size, i + kRollLines);
        for (int k = i; k < end; ++k) {
            const int from = end + i - k + kRollLines - 1;
            if (from < size) copyLine(k, from);
        }
        if (!EndFrame(5)) break;
    }
    FinalCopy();
}
