// Band: ragged bands. Each frame every band reaches to the current front plus a random overshoot
// of up to 49 pixels, so the front edge is frayed.
#include "../../framework/Handles.h"
#include "../ComPicture.h"
#include "../TransitionEffects.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int kOvershoot = 50;

int Proportional(int value, int numerator, int denominator)
{
    return static_cast<int>(static_cast<double>(value) * numerator / denominator);
}

}  // namespace

void CTransitionEffects::BandDown(int t)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int columns = (targetWidth + t - 1) / t;
    for (int p = 0; p < targetHeight + kOvershoot; p += step) {
        for (int i = 0; i < columns; ++i)
            Reveal(t * i, 0, t, p + Random(kOvershoot));
        if (!EndFrame(20)) break;
    }
}

void CTransitionEffects::BandUp(int t, int delay)
{
    const int columns = (targetWidth + t) / t;
    for (int p = targetHeight; p >= 1 - kOvershoot; p -= step) {
        for (int i = 0; i < columns; ++i) {
            const int y = std::max(0, p - Random(kOvershoot));
            Reveal(t * i, y, t, targetHeight - y);
        }
        if (!EndFrame(delay)) break;
    }
}

void CTransitionEffects::BandLeft(int t)
{
    const int rows = (targetHeight + t) / t;
    for (int p = 0; p < targetWidth + kOvershoot; p += step) {
        for (int i = 0; i < rows; ++i)
            Reveal(0, t * i, p + Random(kOvershoot), t);
        if (!EndFrame(10)) break;
    }
}

void CTransitionEffects::BandRight(int t)
{
    const int rows = (targetHeight + t) / t;
    for (int p = targetWidth; p >= 1 - kOvershoot; p -= step) {
        for (int i = 0; i < rows; ++i) {
            const int x = std::max(0, p - Random(kOvershoot));
            Reveal(x, t * i, targetWidth - x, t);
        }
        if (!EndFrame(15)) break;
    }
}

// A rectangle anchored at a corner grows; its rows and columns of bands overshoot its free edges.
void CTransitionEffects::BandFromCorner(int t, bool rightCorner, bool bottomCorner, int delay)
{
    const int w = targetWidth, h = targetHeight;
    int p = rightCorner ? w : 0;
    while (rightCorner ? p >= 1 - kOvershoot : p < w + kOvershoot) {
        const int width = rightCorner ? w - p : p;
        const int e = Proportional(width, h, w);
        // Rows: one band beyond e is always drawn.
        for (int k = bottomCorner ? 1 : 0; k <= e / t + (bottomCorner ? 1 : 0); ++k) {
            const int y = bottomCorner ? h - k * t : k * t;
            if (rightCorner) {
                const int x = std::max(0, p - Random(kOvershoot));
                Reveal(x, y, w - x, t);
            } else {
                Reveal(0, y, width + Random(kOvershoot), t);
            }
        }
        // Columns, from the anchored edge.
        for (int k = 0; k * t < width; ++k) {
            const int x = rightCorner ? w - (k + 1) * t : k * t;
            const int length = e + Random(kOvershoot);
            Reveal(x, bottomCorner ? h - length : 0, t, length);
        }
        if (!EndFrame(delay)) break;
        p += rightCorner ? -step : step;
    }
}

void CTransitionEffects::BandFromCenter(int t)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int w = targetWidth, h = targetHeight, cx = w / 2, cy = h / 2 + 1;
    for (int f = 0; f < w / 2 + 51; f += step) {
        const int g = Proportional(f, h, w);
        for (int y = std::max(0, cy - g); y < std::min(h, cy + g); y += t) {
            const int x0 = std::max(0, cx - f + 1 - Random(kOvershoot));
            const int x1 = std::min(w, cx + f + 1 + Random(kOvershoot));
            Reveal(x0, y, x1 - x0, t);
        }
        for (int x = std::max(0, cx - f + 1); x < std::min(w, cx + f + 1); x += t) {
            const int y0 = std::max(0, cy - g - Random(kOvershoot));
            const int y1 = std::min(h, cy + g + Random(kOvershoot));
            Reveal(x, y0, t, y1 - y0);
        }
        if (!EndFrame(20)) break;
    }
}

// The same frayed centred rectangle, shrinking: the picture shows outside it.
void CTransitionEffects::BandToCenter(int t)
{
    const int w = targetWidth, h = targetHeight, cx = w / 2, cy = h / 2 + 1;
    for (int e = w / 2 + 1; e >= 1 - kOvershoot; e -= step) {
        const int g = Proportional(e, h, w);
        UniqueRegion covered(::CreateRectRgn(0, 0, 0, 0));
        const auto add = [&covered](int x0, int y0, int x1, int y1) {
            if (x1 <= x0 || y1 <= y0) return;
            UniqueRegion band(::CreateRectRgn(x0, y0, x1, y1));
            if (band) ::CombineRgn(covered.get(), covered.get(), band.get(), RGN_OR);
        };
        for (int y = std::max(0, cy - g); y < std::min(h, cy + g); y += t)
            add(std::max(0, cx - e + 1 - Random(kOvershoot)), y, std::min(w, cx + e + 1 + Random(kOvershoot)), y + t);
        for (int x = std::max(0, cx - e + 1); x < std::min(w, cx + e + 1); x += t)
            add(x, std::max(0, cy - g - Random(kOvershoot)), x + t, std::min(h, cy + g + Random(kOvershoot)));

        UniqueRegion visible(::CreateRectRgn(0, 0, w, h));
        if (covered && visible) {
            ::CombineRgn(visible.get(), visible.get(), covered.get(), RGN_DIFF);
            RevealRegion(visible.get());
        }
        if (!EndFrame(15)) break;
    }
}
