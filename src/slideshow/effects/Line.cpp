// Line: interlaced 2-pixel lines, 4 pixels apart, one per frame, in two passes; the second pass
// fills the gaps the first one left. A rebound runs the second pass back the other way.
#include "../TransitionEffects.h"

#include <vector>

namespace {

// The position of every line in the order drawn, on an axis of `size` pixels.
std::vector<int> LinePositions(int size, bool backward, bool rebound)
{
    std::vector<int> lines;
    if (!backward && !rebound) {
        // Each pass ends with the first line that reaches past the far edge.
        for (int first : {0, 2})
            for (int p = first;; p += 4) {
                lines.push_back(p);
                if (p + 4 > size) break;
            }
    } else if (backward && !rebound) {
        // Each pass ends with its last line that still reaches the near edge: a line at -1
        // shows position 0, which an odd size leaves to it.
        for (int first : {size - 2, size - 4})
            for (int p = first;; p -= 4) {
                lines.push_back(p);
                if (p - 4 < -1) break;
            }
    } else if (!backward) {
        for (int p = 0; p <= size; p += 4)
            lines.push_back(p);
        // Back from the last position below the far edge that is 2 modulo 4.
        for (int p = size - 1 - (size + 1) % 4; p >= 0; p -= 4)
            lines.push_back(p);
    } else {
        for (int p = size - 2; p >= -1; p -= 4)
            lines.push_back(p);
        // On from the first position from -1 that is the size modulo 4.
        for (int p = size % 4 == 3 ? -1 : size % 4; p <= size; p += 4)
            lines.push_back(p);
    }
    return lines;
}

}  // namespace

void CTransitionEffects::InterlacedLines(bool columns, bool backward, bool rebound, int delay)
{
    for (int p : LinePositions(columns ? targetWidth : targetHeight, backward, rebound)) {
        if (columns)
            Reveal(p, 0, 2, targetHeight);
        else
            Reveal(0, p, targetWidth, 2);
        if (!EndFrame(delay)) break;
    }
}
