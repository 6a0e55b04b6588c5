// Band: ragged bands. Each frame every band reaches to the current front plus a random overshoot
// of up to 49 pixels, so the front edge is frayed. A band's copy repeats, frame after frame, the
// part it has shown already; only the rest is copied (the picture looks the same, for a fraction
// of the work).
#include "../../framework/Handles.h"
#include "../ComPicture.h"
#include "../TransitionEffects.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <vector>

namespace {

constexpr int kOvershoot = 50;

int Proportional(int value, int numerator, int denominator)
{
    return static_cast<int>(static_cast<double>(value) * numerator / denominator);
}

// The part each band has shown, keyed by the band's position across the front. A band always
// grows from its anchor (an edge or the centre), so what it has shown is one interval along the
// front's axis, and a new copy adds at most one piece on each side of it.
class ShownSpans {
public:
    // Calls copy(from, to) for the parts of [from, to) that band `key` has not shown yet.
    template <class Copy>
    void Show(int key, int from, int to, Copy copy)
    {
        if (to <= from) return;
        auto [entry, added] = spans.try_emplace(key, Span{from, to});
        Span& shown = entry->second;
        if (added || to < shown.from || from > shown.to) {
            copy(from, to);
            if (!added && to - from > shown.to - shown.from) shown = {from, to};
            return;
        }
        if (from < shown.from) copy(from, shown.from);
        if (to > shown.to) copy(shown.to, to);
        shown = {std::min(from, shown.from), std::max(to, shown.to)};
    }

private:
    struct Span {
        int from, to;
    };
    std::map<int, Span> spans;
};

HRGN RegionOfRects(const std::vector<RECT>& rects)
{
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(rects.size());
    std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(region->Buffer));
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region);
}

}  // namespace

void CTransitionEffects::BandDown(int t)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int columns = (targetWidth + t - 1) / t;
    ShownSpans shown;
    for (int p = 0; p < targetHeight + kOvershoot; p += step) {
        for (int i = 0; i < columns; ++i)
            shown.Show(i, 0, p + Random(kOvershoot), [&](int y0, int y1) { Reveal(t * i, y0, t, y1 - y0); });
        if (!EndFrame(20)) break;
    }
}

void CTransitionEffects::BandUp(int t)
{
    const int columns = (targetWidth + t) / t;
    ShownSpans shown;
    for (int p = targetHeight; p >= 1 - kOvershoot; p -= step) {
        for (int i = 0; i < columns; ++i) {
            const int y = std::max(0, p - Random(kOvershoot));
            shown.Show(i, y, targetHeight, [&](int y0, int y1) { Reveal(t * i, y0, t, y1 - y0); });
        }
        if (!EndFrame(15)) break;
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
    ShownSpans shown;
    for (int p = targetWidth; p >= 1 - kOvershoot; p -= step) {
        for (int i = 0; i < rows; ++i) {
            const int x = std::max(0, p - Random(kOvershoot));
            shown.Show(i, x, targetWidth, [&](int x0, int x1) { Reveal(x0, t * i, x1 - x0, t); });
        }
        if (!EndFrame(15)) break;
    }
}

// A rectangle anchored at a corner grows; its rows and columns of bands overshoot its free edges.
void CTransitionEffects::BandFromCorner(int t, bool rightCorner, bool bottomCorner, int delay)
{
    const int w = targetWidth, h = targetHeight;
    ShownSpans shownRows, shownColumns;
    int p = rightCorner ? w : 0;
    while (rightCorner ? p >= 1 - kOvershoot : p < w + kOvershoot) {
        const int width = rightCorner ? w - p : p;
        const int e = Proportional(width, h, w);
        // Rows: one band beyond e is always drawn.
        for (int k = bottomCorner ? 1 : 0; k <= e / t + (bottomCorner ? 1 : 0); ++k) {
            const int y = bottomCorner ? h - k * t : k * t;
            const auto copyRow = [&](int x0, int x1) { Reveal(x0, y, x1 - x0, t); };
            if (rightCorner)
                shownRows.Show(y, std::max(0, p - Random(kOvershoot)), w, copyRow);
            else
                shownRows.Show(y, 0, width + Random(kOvershoot), copyRow);
        }
        // Columns, from the anchored edge.
        for (int k = 0; k * t < width; ++k) {
            const int x = rightCorner ? w - (k + 1) * t : k * t;
            const int length = e + Random(kOvershoot);
            shownColumns.Show(x, bottomCorner ? h - length : 0, bottomCorner ? h : length,
                              [&](int y0, int y1) { Reveal(x, y0, t, y1 - y0); });
        }
        if (!EndFrame(delay)) break;
        p += rightCorner ? -step : step;
    }
}

void CTransitionEffects::BandFromCenter(int t)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int w = targetWidth, h = targetHeight, cx = w / 2, cy = h / 2 + 1;
    ShownSpans shownRows, shownColumns;
    for (int f = 0; f < w / 2 + 51; f += step) {
        const int g = Proportional(f, h, w);
        for (int y = std::max(0, cy - g); y < std::min(h, cy + g); y += t) {
            const int x0 = std::max(0, cx - f + 1 - Random(kOvershoot));
            const int x1 = std::min(w, cx + f + 1 + Random(kOvershoot));
            shownRows.Show(y, x0, x1, [&](int from, int to) { Reveal(from, y, to - from, t); });
        }
        for (int x = std::max(0, cx - f + 1); x < std::min(w, cx + f + 1); x += t) {
            const int y0 = std::max(0, cy - g - Random(kOvershoot));
            const int y1 = std::min(h, cy + g + Random(kOvershoot));
            shownColumns.Show(x, y0, y1, [&](int from, int to) { Reveal(x, from, t, to - from); });
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
        std::vector<RECT> bands;
        const auto add = [&bands](int x0, int y0, int x1, int y1) {
            if (x1 > x0 && y1 > y0) bands.push_back({x0, y0, x1, y1});
        };
        for (int y = std::max(0, cy - g); y < std::min(h, cy + g); y += t)
            add(std::max(0, cx - e + 1 - Random(kOvershoot)), y, std::min(w, cx + e + 1 + Random(kOvershoot)), y + t);
        for (int x = std::max(0, cx - e + 1); x < std::min(w, cx + e + 1); x += t)
            add(x, std::max(0, cy - g - Random(kOvershoot)), x + t, std::min(h, cy + g + Random(kOvershoot)));
        UniqueRegion covered(RegionOfRects(bands));

        UniqueRegion visible(::CreateRectRgn(0, 0, w, h));
        if (covered && visible) {
            ::CombineRgn(visible.get(), visible.get(), covered.get(), RGN_DIFF);
            RevealRegion(visible.get());
        }
        if (!EndFrame(15)) break;
    }
}
