// The engine's helpers for effects that move the picture or compose it line by line: copies to
// another place, the start picture put back, enlargements, and sliding parts. They write the back
// buffer's pixels directly; the window gets the frame's changes in one copy when the frame ends.
#include "ComPicture.h"
#include "TransitionEffects.h"

#include <algorithm>
#include <cstring>

namespace {

// Moves `from` towards 0 by `progress`, never past it.
int Approach(int from, int progress)
{
    return from < 0 ? std::min(0, from + progress) : std::max(0, from - progress);
}

}  // namespace

int CTransitionEffects::Subtract(const RECT& a, const RECT& b, RECT (&out)[4])
{
    if (::IsRectEmpty(&a)) return 0;
    RECT common;
    if (!::IntersectRect(&common, &a, &b)) {
        out[0] = a;
        return 1;
    }
    int count = 0;
    const auto add = [&](LONG l, LONG t, LONG r, LONG bottom) {
        if (r > l && bottom > t) out[count++] = {l, t, r, bottom};
    };
    add(a.left, a.top, a.right, common.top);
    add(a.left, common.bottom, a.right, a.bottom);
    add(a.left, common.top, common.left, common.bottom);
    add(common.right, common.top, a.right, common.bottom);
    return count;
}

RECT CTransitionEffects::Across(Heading heading, int from, int to) const
{
    const int w = targetWidth, h = targetHeight;
    switch (heading) {
        case Heading::Down:
            return {0, from, w, to};
        case Heading::Up:
            return {0, h - to, w, h - from};
        case Heading::Right:
            return {from, 0, to, h};
        default:
            return {w - to, 0, w - from, h};
    }
}

POINT CTransitionEffects::Along(Heading heading, int distance)
{
    switch (heading) {
        case Heading::Down:
            return {0, distance};
        case Heading::Up:
            return {0, -distance};
        case Heading::Right:
            return {distance, 0};
        default:
            return {-distance, 0};
    }
}

void CTransitionEffects::RevealAt(int x, int y, int width, int height, int sourceX, int sourceY)
{
    // Cut the destination to the target's place and the source to the target, each moving the other.
    const int x0 = std::max({x, 0, x - sourceX}), y0 = std::max({y, 0, y - sourceY});
    const int x1 = std::min({x + width, targetWidth, x - sourceX + targetWidth});
    const int y1 = std::min({y + height, targetHeight, y - sourceY + targetHeight});
    if (x1 <= x0 || y1 <= y0) return;
    CopyPixels(*targetPicture->surface, x0 - x + sourceX, y0 - y + sourceY, *backBuffer->surface, left + x0, top + y0,
               x1 - x0, y1 - y0);
    MarkDrawn(x0, y0, x1 - x0, y1 - y0);
}

void CTransitionEffects::RestoreStart(const RECT& part)
{
    const int x0 = std::max<int>(part.left, 0), y0 = std::max<int>(part.top, 0);
    const int x1 = std::min<int>(part.right, targetWidth), y1 = std::min<int>(part.bottom, targetHeight);
    if (x1 <= x0 || y1 <= y0) return;
    CopyPixels(*startPicture->surface, left + x0, top + y0, *backBuffer->surface, left + x0, top + y0, x1 - x0,
               y1 - y0);
    MarkDrawn(x0, y0, x1 - x0, y1 - y0);
}

void CTransitionEffects::StretchPart(const RECT& part, const RECT& source)
{
    const int width = part.right - part.left, height = part.bottom - part.top;
    const int sourceWidth = source.right - source.left, sourceHeight = source.bottom - source.top;
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
    if (source.left < 0 || source.top < 0 || source.right > targetWidth || source.bottom > targetHeight) return;
    // The part cut to the target's place and to the back buffer, in target coordinates.
    const int x0 = std::max({static_cast<int>(part.left), 0, -left});
    const int y0 = std::max({static_cast<int>(part.top), 0, -top});
    const int x1 = std::min({static_cast<int>(part.right), targetWidth, bufferWidth - left});
    const int y1 = std::min({static_cast<int>(part.bottom), targetHeight, bufferHeight - top});
    if (x1 <= x0 || y1 <= y0) return;
    const std::uint32_t* from = targetPicture->surface->Pixels();
    std::uint32_t* to = backBuffer->surface->Pixels();
    // The source column and row under each destination pixel's centre.
    const auto sourceOf = [](int offset, int size, int sourceSize) {
        return static_cast<int>((2LL * offset + 1) * sourceSize / (2LL * size));
    };
    // An enlarged row is runs of one source pixel each: the runs are found once, then filled.
    struct Run {
        int x, length, sourceX;
    };
    std::vector<Run> runs;
    for (int x = x0; x < x1; ++x) {
        const int sourceX = source.left + sourceOf(x - part.left, width, sourceWidth);
        if (runs.empty() || runs.back().sourceX != sourceX)
            runs.push_back({x, 1, sourceX});
        else
            ++runs.back().length;
    }
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* sourceRow =
            from + static_cast<std::size_t>(source.top + sourceOf(y - part.top, height, sourceHeight)) * targetWidth;
        std::uint32_t* row = to + static_cast<std::size_t>(top + y) * bufferWidth + left;
        if (sourceWidth == width) {
            std::memcpy(row + x0, sourceRow + runs.front().sourceX, static_cast<std::size_t>(x1 - x0) * 4);
        } else {
            for (const Run& run : runs)
                std::fill_n(row + run.x, run.length, sourceRow[run.sourceX]);
        }
    }
    MarkDrawn(x0, y0, x1 - x0, y1 - y0);
}

void CTransitionEffects::MarkDrawn(int x, int y, int width, int height)
{
    const RECT drawn{left + x, top + y, left + x + width, top + y + height};
    ::UnionRect(&pending, &pending, &drawn);
}

bool CTransitionEffects::RunSlides(std::vector<Slide>& slides, int limit, bool proportional, int delay)
{
    for (Slide& slide : slides) {
        slide.shown = {};
        slide.offset = slide.from;
    }
    for (int d = 0; d < limit; d += step) {
        const int dy = proportional ? static_cast<int>(static_cast<double>(d) * targetHeight / targetWidth) : d;
        for (Slide& slide : slides) {
            const POINT offset{Approach(slide.from.x, d), Approach(slide.from.y, dy)};
            RECT moved = slide.piece, shown{};
            ::OffsetRect(&moved, offset.x, offset.y);
            ::IntersectRect(&shown, &moved, &slide.clip);
            if (offset.x == slide.offset.x && offset.y == slide.offset.y && ::EqualRect(&shown, &slide.shown))
                continue;  // the piece stands where the window already shows it
            if (!::IsRectEmpty(&shown))
                RevealAt(shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
                         shown.left - offset.x, shown.top - offset.y);
            RECT behind[4];
            for (int i = Subtract(slide.shown, shown, behind) - 1; i >= 0; --i)
                RestoreStart(behind[i]);
            slide.shown = shown;
            slide.offset = offset;
            FlushFrame();  // parts move apart from each other: the window gets each on its own
        }
        if (!EndFrame(delay)) return false;
    }
    return true;
}
