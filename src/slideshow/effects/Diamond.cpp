// Diamond: a diamond of the picture's proportions grows from the centre, or the picture appears
// outside a diamond that shrinks to the centre. The shown part only grows, so each frame draws
// the ring it adds.
#include "../TransitionEffects.h"
#include "Regions.h"

void CTransitionEffects::Diamond(bool toCenter)
{
    const int w = targetWidth, h = targetHeight, cx = (w + 2) / 2, cy = (h + 2) / 2;
    const auto diamond = [=](int i) {
        const int c = static_cast<int>(static_cast<double>(i) * h / w);
        return PolygonRegion({{cx - i, cy}, {cx, cy + c}, {cx + i, cy}, {cx, cy - c}});
    };
    if (!toCenter) {
        for (int i = 0; i < w; ++i) {
            UniqueRegion ring = i == 0 ? diamond(i) : Minus(diamond(i), diamond(i - 1));
            if (ring) RevealRegion(ring.get());
            if (!EndFrame(2)) break;
        }
    } else {
        for (int i = w; i >= 0; --i) {
            UniqueRegion ring = i == w ? Outside(diamond(i), w, h) : Minus(diamond(i + 1), diamond(i));
            if (ring) RevealRegion(ring.get());
            if (!EndFrame(2)) break;
        }
    }
    FinalCopy();
}
