// Cross wipe: a cross of a vertical and a horizontal bar grows from the centre, or the picture
// appears outside a cross that shrinks to the centre. Both only ever add to what is shown, so
// each frame copies what it adds.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <array>

namespace {

struct Cross {
    RECT vertical, horizontal;
};

// The cross of half-width i, its horizontal bar in proportion; cx, cy is its centre.
Cross CrossAt(int i, int cx, int cy, int w, int h)
{
    const int b = static_cast<int>(static_cast<double>(i) * h / w);
    return {{cx - i, 0, cx + i, h}, {0, cy - b, w, cy + b}};
}

// The four corners of the picture that a cross leaves free.
std::array<RECT, 4> CornersOutside(const Cross& c, int w, int h)
{
    const RECT& v = c.vertical;
    const RECT& bar = c.horizontal;
    return {
        {{0, 0, v.left, bar.top}, {v.right, 0, w, bar.top}, {0, bar.bottom, v.left, h}, {v.right, bar.bottom, w, h}}};
}

}  // namespace

void CTransitionEffects::CrossWipe(bool toCenter)
{
    const int w = targetWidth, h = targetHeight, cx = (w + 2) / 2, cy = (h + 2) / 2;
    const auto reveal = [this](const RECT& now, const RECT& before) {
        for (const RECT& r : RectsAdded(now, before))
            Reveal(r.left, r.top, r.right - r.left, r.bottom - r.top);
    };
    if (!toCenter) {
        Cross shown{};
        for (int i = 0; i < cx; ++i) {
            const Cross cross = CrossAt(i, cx, cy, w, h);
            reveal(cross.vertical, shown.vertical);
            reveal(cross.horizontal, shown.horizontal);
            shown = cross;
            if (!EndFrame(2)) break;
        }
    } else {
        std::array<RECT, 4> shown{};
        for (int i = cx; i >= 0; --i) {
            const std::array<RECT, 4> corners = CornersOutside(CrossAt(i, cx, cy, w, h), w, h);
            for (int k = 0; k < 4; ++k)
                reveal(corners[k], shown[k]);
            shown = corners;
            if (!EndFrame(2)) break;
        }
    }
    FinalCopy();
}
