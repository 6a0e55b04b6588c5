// Rain: smeared strips. Each frame the next strip of the picture is stretched from the front to the
// far edge, and the strip before it is put in its place, so the picture seems to run down.
#include "../TransitionEffects.h"

#include <algorithm>

void CTransitionEffects::Rain(Heading heading)
{
    const bool rows = heading == Heading::Down || heading == Heading::Up;
    const int size = rows ? targetHeight : targetWidth;
    for (int p = 0; p < size; p += step) {
        const int shown = std::max(0, p - step);
        const RECT inPlace = Across(heading, shown, p);
        RevealAt(inPlace.left, inPlace.top, inPlace.right - inPlace.left, inPlace.bottom - inPlace.top, inPlace.left,
                 inPlace.top);
        // The strip reaches beyond the picture's end only with what the picture has.
        StretchPart(Across(heading, p, size), Across(heading, p, std::min(p + step, size)));
        if (!EndFrame(1)) break;
    }
    FinalCopy();
}
