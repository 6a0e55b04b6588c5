// Stretch: the whole picture, squeezed into a rectangle that grows from an anchor, over the start
// picture. The rectangle only grows and covers every earlier one, so stretching into it in place
// shows each frame exactly as composing the frame apart would. Frames are resampled to the nearest
// pixel: a smoothing stretch costs ten times a frame or more, and the final copy shows the picture
// exactly anyway.
#include "../ComPicture.h"
#include "../TransitionEffects.h"

#include <algorithm>

namespace {

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
    const int w = targetWidth, h = targetHeight;
    // The growing side: one axis for the edge anchors, the shorter side for corners and centre.
    const bool spansX = anchorX == 2, spansY = anchorY == 2;
    const bool growX = spansY || (!spansX && w < h);
    for (int q = 0; q < (growX ? w : h); q += step) {
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
        StretchInto(spansX ? 0 : Place(anchorX, w, rw), spansY ? 0 : Place(anchorY, h, rh), rw, rh);
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}
