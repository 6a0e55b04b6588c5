// Show: a rectangle growing from a corner, and combs of lines that slide in from both sides.
#include "../ComPicture.h"
#include "../TransitionEffects.h"

#include <algorithm>

// The rectangle's shorter side grows by the step and its other side in proportion. Each frame
// reveals what the rectangle gained, a strip along each free edge, one after the other: the two
// lie apart, and together they would make the window copy the whole rectangle.
void CTransitionEffects::ShowFromCorner(bool rightCorner, bool bottomCorner)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const bool widthShorter = w < h;
    const int shorter = widthShorter ? w : h, longer = widthShorter ? h : w;
    RECT shown{};
    for (int a = 0; a < shorter; a += step) {
        const int b = static_cast<int>(static_cast<double>(a) * longer / shorter);
        const int width = widthShorter ? a : b, height = widthShorter ? b : a;
        const int x0 = rightCorner ? w - width : 0, y0 = bottomCorner ? h - height : 0;
        const RECT now{x0, y0, x0 + width, y0 + height};
        RECT gained[4];
        for (int i = Subtract(now, shown, gained) - 1; i >= 0; --i) {
            Reveal(gained[i].left, gained[i].top, gained[i].right - gained[i].left, gained[i].bottom - gained[i].top);
            FlushFrame();
        }
        shown = now;
        if (!EndFrame(5)) break;
    }
    FinalCopy();
}

// Every frame composes the whole comb again: even lines show the picture moved `offset` lines
// back, odd lines moved `offset` lines on; the offset shrinks to 0.
void CTransitionEffects::ShowComb(bool rows)
{
    const int size = rows ? targetHeight : targetWidth, n = size / 2 + 1;
    // Rows slide 4 lines per frame, columns 2.
    for (int i = 0; i <= n; i += rows ? 2 : 1) {
        CombFrame(rows, 2 * (n - i));
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}

// Even line k shows the picture's line k + offset, odd line k its line k - offset; lines whose
// source lies outside the picture keep the start picture. While the offset is above half the size
// the even and the odd lines lie in two separate bands, and the window gets each on its own.
void CTransitionEffects::CombFrame(bool rows, int offset)
{
    const int w = targetWidth, h = targetHeight;
    if (rows) {
        for (int y = 0; y + offset < h; y += 2)
            RevealAt(0, y, w, 1, 0, y + offset);
        FlushFrame();
        for (int y = offset + 1; y < h; y += 2)
            RevealAt(0, y, w, 1, 0, y - offset);
        return;
    }
    // Columns, written pixel by pixel inside each row: cut to the back buffer first.
    const int x0 = std::max(0, -left), x1 = std::min(w, bufferWidth - left);
    const int y0 = std::max(0, -top), y1 = std::min(h, bufferHeight - top);
    if (x1 <= x0 || y1 <= y0) return;
    const std::uint32_t* source = targetPicture->surface->Pixels();
    std::uint32_t* buffer = backBuffer->surface->Pixels();
    const int evenEnd = std::min(x1, w - offset), oddStart = std::max(x0, offset + 1);
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* from = source + static_cast<std::size_t>(y) * w;
        std::uint32_t* to = buffer + static_cast<std::size_t>(top + y) * bufferWidth + left;
        for (int x = x0 + (x0 & 1); x < evenEnd; x += 2)
            to[x] = from[x + offset];
    }
    if (evenEnd > x0) MarkDrawn(x0, y0, evenEnd - x0, y1 - y0);
    FlushFrame();
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* from = source + static_cast<std::size_t>(y) * w;
        std::uint32_t* to = buffer + static_cast<std::size_t>(top + y) * bufferWidth + left;
        for (int x = oddStart | 1; x < x1; x += 2)
            to[x] = from[x - offset];
    }
    if (x1 > oddStart) MarkDrawn(oddStart, y0, x1 - oddStart, y1 - y0);
}
