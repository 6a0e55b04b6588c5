// Tow bar and Two bar: the picture in two parts (Tow bar: a left part W/2 + 1 wide and the rest;
// Two bar: a top part H/2 + 1 high and the rest), each moving in or wiped in place from opposite
// edges. The front advances by 2 pixels per frame until it passes the size plus 2.
#include "../TransitionEffects.h"

#include <algorithm>

void CTransitionEffects::Bars(bool towBar, bool forward, bool move)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    const RECT first = towBar ? RECT{0, 0, w / 2 + 1, h} : RECT{0, 0, w, h / 2 + 1};
    const RECT second = towBar ? RECT{w / 2 + 1, 0, w, h} : RECT{0, h / 2 + 1, w, h};
    const Heading firstHeading =
        towBar ? (forward ? Heading::Down : Heading::Up) : (forward ? Heading::Right : Heading::Left);
    const Heading secondHeading =
        towBar ? (forward ? Heading::Up : Heading::Down) : (forward ? Heading::Left : Heading::Right);
    const int size = towBar ? h : w, limit = size + 3;  // the front runs while d ≤ size + 2
    if (move) {
        std::vector<Slide> slides{{first, first, Along(firstHeading, -size)},
                                  {second, second, Along(secondHeading, -size)}};
        RunSlides(slides, limit, false, 2);
        return;
    }
    // Wipes: each part gains the lines between the last front and this one.
    int last = 0;
    for (int d = 0; d < limit; d += step) {
        const int front = std::min(d, size);
        for (const auto& [part, heading] : {std::pair{first, firstHeading}, std::pair{second, secondHeading}}) {
            RECT gained, lines = Across(heading, last, front);
            if (::IntersectRect(&gained, &lines, &part))
                Reveal(gained.left, gained.top, gained.right - gained.left, gained.bottom - gained.top);
            FlushFrame();  // the two fronts lie apart
        }
        last = front;
        if (!EndFrame(2)) break;
    }
}
