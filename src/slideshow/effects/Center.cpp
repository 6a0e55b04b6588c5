// Center: a centred rectangle of the proportions of the picture, one pixel per frame on its
// shorter axis.
#include "../ComPicture.h"
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

struct HalfExtent {
    int x, y;
};

// The half-extents of the centred rectangle whose shorter half-side is n.
HalfExtent Centred(int n, int width, int height)
{
    if (width < height) return {n, static_cast<int>(static_cast<double>(n) * height / width)};
    return {static_cast<int>(static_cast<double>(n) * width / height), n};
}

int HalfShorterSide(int width, int height)
{
    return width < height ? width / 2 : height / 2;
}

}  // namespace

void CTransitionEffects::CenterDiffuse()
{
    const int w = targetWidth, h = targetHeight, n = HalfShorterSide(w, h);
    for (int i = 0; i < n; ++i) {
        const HalfExtent e = Centred(i, w, h);
        Reveal(w / 2 - e.x, h / 2 - e.y, 2 * e.x, 2 * e.y);
        if (!EndFrame(5)) break;
    }
    FinalCopy();
}

// A centred window onto the start picture shrinks. Composing each frame as the target with the
// start picture inside the window shows, compared with the frame before, new target pixels only
// in the ring between the old and the new window: each frame reveals that ring.
void CTransitionEffects::CenterEnvelop()
{
    const int w = targetWidth, h = targetHeight;
    RECT window{0, 0, w, h};  // the start picture still shows inside it
    for (int n = HalfShorterSide(w, h); n >= 1; --n) {
        const HalfExtent e = Centred(n, w, h);
        const RECT inner{std::max(w / 2 - e.x, 0), std::max(h / 2 - e.y, 0), std::min(w / 2 + e.x, w),
                         std::min(h / 2 + e.y, h)};
        Reveal(window.left, window.top, window.right - window.left, inner.top - window.top);          // above
        Reveal(window.left, inner.bottom, window.right - window.left, window.bottom - inner.bottom);  // below
        Reveal(window.left, inner.top, inner.left - window.left, inner.bottom - inner.top);           // left
        Reveal(inner.right, inner.top, window.right - inner.right, inner.bottom - inner.top);         // right
        window = inner;
        if (!EndFrame(5)) break;
    }
    FinalCopy();
}
