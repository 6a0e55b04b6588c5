// Shutter: strips about 10 pixels thick, wiped by 2-pixel lines, the even strips from one side
// and the odd strips from the other. A picture under 10 pixels has one strip.
#include "../TransitionEffects.h"

#include <algorithm>

void CTransitionEffects::Shutter(bool horizontal)
{
    StepOverride stepOverride(*this, 2);
    // Horizontal: strips of rows, wiped along x; vertical: strips of columns, wiped along y.
    const int across = horizontal ? targetHeight : targetWidth, along = horizontal ? targetWidth : targetHeight;
    const int count = std::max(1, across / 10), thickness = across / count + 1;
    // A 2-pixel line at `position` along the wipe inside strip `strip`.
    const auto line = [&](int strip, int position) {
        if (horizontal)
            Reveal(position, strip * thickness, 2, thickness);
        else
            Reveal(strip * thickness, position, thickness, 2);
    };
    for (int p = 0; p <= along + (horizontal ? 2 : 0); p += step) {
        for (int strip = 0; strip < count; strip += 2)
            line(strip, p);
        FlushFrame();  // the lines from the other side lie apart
        for (int strip = 1; strip <= count; strip += 2)
            line(strip, along - p);
        if (!EndFrame(2)) break;
    }
    FinalCopy();
}
