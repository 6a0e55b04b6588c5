// Diamond: a diamond of the picture's proportions grows from the centre, or the picture appears
// outside a diamond that shrinks to the centre.
#include "../TransitionEffects.h"
#include "Regions.h"

void CTransitionEffects::Diamond(bool toCenter)
{
    const int w = targetWidth, h = targetHeight, cx = (w + 2) / 2, cy = (h + 2) / 2;
    const auto diamond = [=](int i) {
        const int c = static_cast<int>(static_cast<double>(i) * h / w);
        return PolygonRegion({{cx - i, cy}, {cx, cy + c}, {cx + i, cy}, {cx, cy - c}});
    };
    if (toCenter)  // half-width w down to 0
        RevealGrowing(w + 1, 2, [&](int k) { return Outside(diamond(w - k), w, h); });
    else
        RevealGrowing(w, 2, diamond);
    FinalCopy();
}
