// Multi-Box: a 10 x 10 grid of boxes of the picture's proportions that grow from their centres,
// or boxes of the start picture that shrink to their centres with the picture around them. In
// both the shown part only grows, so each frame draws what it adds; the final copy closes the
// seams between the boxes.
#include "../TransitionEffects.h"
#include "Regions.h"

#include <vector>

namespace {

// The 100 boxes of half-width e; boxes of neighbouring cells may overlap in a tall picture.
std::vector<RECT> Boxes(int e, int w, int h)
{
    const int a = (w + 20) / 20, b = (h + 20) / 20;
    const int f = static_cast<int>(static_cast<double>(e) * h / w);
    std::vector<RECT> boxes;
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 10; ++i) {
            const int x = (2 * i + 1) * a, y = (2 * j + 1) * b;
            boxes.push_back({x - e, y - f, x + e, y + f});
        }
    return boxes;
}

}  // namespace

void CTransitionEffects::MultiBox(bool toCenter)
{
    const int w = targetWidth, h = targetHeight, a = (w + 20) / 20;
    if (!toCenter) {
        std::vector<RECT> shown(100, RECT{});
        for (int e = 0; e < a; ++e) {
            const std::vector<RECT> boxes = Boxes(e, w, h);
            for (std::size_t k = 0; k < boxes.size(); ++k)
                for (const RECT& r : RectsAdded(boxes[k], shown[k]))
                    Reveal(r.left, r.top, r.right - r.left, r.bottom - r.top);
            shown = boxes;
            if (!EndFrame(2)) break;
        }
    } else {  // half-width a down to 1
        RevealGrowing(a, 2, [&](int k) { return Outside(RectanglesRegion(Boxes(a - k, w, h)), w, h); });
    }
    FinalCopy();
}
