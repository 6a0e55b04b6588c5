// Window blind: slats of 20 pixels open together, one 1-pixel line of every slat per frame.
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

// Columns are copied a band of rows at a time: every slat's column then shares the band's few
// memory pages, where a whole column at a time would touch a new page with every row.
constexpr int kBandRows = 16;

}  // namespace

void CTransitionEffects::WindowBlind(bool columns, bool backward)
{
    const int w = targetWidth, h = targetHeight;
    for (int k = 0; k < 20; ++k) {
        const int offset = backward ? 19 - k : k;
        if (columns) {
            for (int y = 0; y < h; y += kBandRows)
                for (int x = offset; x < w; x += 20)
                    Reveal(x, y, 1, std::min(kBandRows, h - y));
        } else {
            for (int y = offset; y < h; y += 20)
                Reveal(0, y, w, 1);
        }
        if (!EndFrame(30)) break;
    }
}
