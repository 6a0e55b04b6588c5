// Ellipse: an ellipse of the picture's proportions grows from the centre, or the picture appears
// outside one that shrinks to the centre; "Ellipse(Random)" grows a circle from a point of the
// picture. A frame whose region cannot be made is skipped: nothing drawn, no delay.
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
    const auto ellipse = [&](int k) { return CentredEllipse(k + 1, w / 2, h / 2, w, h); };
    RevealGrowing(last, 2, ellipse, true);
    FinalCopy();
}

void CTransitionEffects::EllipseToCenter()
{
    const int w = targetWidth, h = targetHeight, first = w < h ? w / 2 : h / 2;
    const auto outside = [&](int k) { return Outside(CentredEllipse(first - k, w / 2, h / 2, w, h), w, h); };
    RevealGrowing(first + 1, 2, outside, true);
    FinalCopy();
}

// The centre is a point of the picture, in picture coordinates; the drawing moves it with the
// picture.
void CTransitionEffects::EllipseRandom(int centreX, int centreY)
{
    const int w = targetWidth, h = targetHeight;
    const int last = static_cast<int>(std::sqrt(static_cast<double>(w) * w + static_cast<double>(h) * h)) - 1;
    const auto circle = [&](int k) { return Circle(k + 1, centreX, centreY); };
    RevealGrowing(last, 2, circle, true);
    FinalCopy();
}
