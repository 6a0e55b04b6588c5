// Stretch: the whole picture, squeezed into a rectangle that grows from an anchor, is composed
// over the start picture. The rectangle only grows, so each frame copies just that rectangle of
// the composition to the screen.
#include "../ComPicture.h"
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

// Frames stretch with COLORONCOLOR: HALFTONE costs ten times a frame or more, and the final copy
// shows the picture exactly anyway.
constexpr int kFrameStretchMode = COLORONCOLOR;

// Position of a span of `size` on an axis of `length` for an anchor (-1 start, 0 centre, 1 end).
int Place(int anchor, int length, int size)
{
    if (anchor < 0) return 0;
    if (anchor > 0) return length - size;
    return (length - size) / 2;
}

}  // namespace

void CTransitionEffects::StretchFrom(int anchorX, int anchorY)
{
    const bool fromRight = anchorX == 1 && anchorY == 2;
    StepOverride stepOverride(*this, fromRight ? 2 : step);
    CComPicture composed;
    if (BeginComposition(composed)) {
        const int w = targetWidth, h = targetHeight;
        const int previousMode = composed.dc->SetStretchBltMode(kFrameStretchMode);
        // The growing side: one axis for the edge anchors, the shorter side for corners and centre.
        const bool spansX = anchorX == 2, spansY = anchorY == 2;
        const bool growX = spansY || (!spansX && w < h);
        const int limit = growX ? w : h;
        for (int q = 0; q < limit; q += step) {
            int rw, rh;
            if (spansX) {
                rw = w, rh = q;
            } else if (spansY) {
                rw = q, rh = h;
            } else if (growX) {
                rw = q, rh = static_cast<int>(static_cast<double>(q) * h / w);
            } else {
                rh = q, rw = static_cast<int>(static_cast<double>(q) * w / h);
            }
            const int x = spansX ? 0 : Place(anchorX, w, rw), y = spansY ? 0 : Place(anchorY, h, rh);
            if (rw > 0 && rh > 0) {
                composed.dc->StretchBlt(x, y, rw, rh, *targetPicture->dc, 0, 0, w, h, SRCCOPY);
                ShowComposed(composed, x, y, rw, rh);
            }
            if (!EndFrame(2)) break;
        }
        composed.dc->SetStretchBltMode(previousMode);
    }
    FinalCopy();
}
