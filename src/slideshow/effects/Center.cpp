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

// A centred window onto the start picture shrinks. Each frame recomposes only the previous
// window's area, the one part of the picture that changes: the target, then the start picture
// inside the new, smaller window.
void CTransitionEffects::CenterEnvelop()
{
    CComPicture composed;
    if (BeginComposition(composed)) {
        const int w = targetWidth, h = targetHeight;
        RECT changed{0, 0, w, h};
        for (int n = HalfShorterSide(w, h); n >= 1; --n) {
            const HalfExtent e = Centred(n, w, h);
            const int x = w / 2 - e.x, y = h / 2 - e.y;
            const int cw = changed.right - changed.left, ch = changed.bottom - changed.top;
            ::BitBlt(composed.dc->Handle(), changed.left, changed.top, cw, ch, targetPicture->dc->Handle(),
                     changed.left, changed.top, SRCCOPY);
            ::BitBlt(composed.dc->Handle(), x, y, 2 * e.x, 2 * e.y, startPicture->dc->Handle(), left + x, top + y,
                     SRCCOPY);
            ShowComposed(composed, changed.left, changed.top, cw, ch);
            changed = {std::max(x, 0), std::max(y, 0), std::min(x + 2 * e.x, w), std::min(y + 2 * e.y, h)};
            if (!EndFrame(5)) break;
        }
    }
    FinalCopy();
}
