// Ellipse: an ellipse of the picture's proportions grows from the centre, or the picture appears
// outside one that shrinks to the centre; "Ellipse(Random)" grows a circle from a point of the
// picture. The shown part only grows, so each frame draws the ring it adds. A frame whose region
// cannot be made is skipped: nothing drawn, no delay.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <cmath>

namespace {

// The ellipse around (cx, cy) whose half-extent is n on the picture's shorter axis and in
// proportion on the longer one.
UniqueRegion CentredEllipse(int n, int cx, int cy, int w, int h)
{
    const int ex = w < h ? n : static_cast<int>(static_cast<double>(n) * w / h);
    const int ey = w < h ? static_cast<int>(static_cast<double>(n) * h / w) : n;
    return UniqueRegion(::CreateEllipticRgn(cx - ex, cy - ey, cx + ex, cy + ey));
}

UniqueRegion Circle(int radius, int cx, int cy)
{
    return UniqueRegion(::CreateEllipticRgn(cx - radius, cy - radius, cx + radius, cy + radius));
}

}  // namespace

void CTransitionEffects::EllipseFromCenter()
{
    const int w = targetWidth, h = targetHeight;
    const int last = static_cast<int>(std::sqrt(static_cast<double>(w / 2) * (w / 2) + (h / 2) * (h / 2))) + 1;
    for (int i = 1; i <= last; ++i) {
        UniqueRegion ring = Minus(CentredEllipse(i, w / 2, h / 2, w, h), CentredEllipse(i - 1, w / 2, h / 2, w, h));
        if (!ring) continue;
        RevealRegion(ring.get());
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}

void CTransitionEffects::EllipseToCenter()
{
    const int w = targetWidth, h = targetHeight, first = w < h ? w / 2 : h / 2;
    for (int i = first; i >= 0; --i) {
        UniqueRegion ring =
            i == first ? Outside(CentredEllipse(i, w / 2, h / 2, w, h), w, h)
                       : Minus(CentredEllipse(i + 1, w / 2, h / 2, w, h), CentredEllipse(i, w / 2, h / 2, w, h));
        if (!ring) continue;
        RevealRegion(ring.get());
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}

// The centre is a point of the picture, in picture coordinates; the drawing moves it with the
// picture.
void CTransitionEffects::EllipseRandom(int centreX, int centreY)
{
    const int w = targetWidth, h = targetHeight;
    const int last = static_cast<int>(std::sqrt(static_cast<double>(w) * w + static_cast<double>(h) * h)) - 1;
    for (int i = 1; i <= last; ++i) {
        UniqueRegion ring = Minus(Circle(i, centreX, centreY), Circle(i - 1, centreX, centreY));
        if (!ring) continue;
        RevealRegion(ring.get());
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}
