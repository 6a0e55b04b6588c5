// Window blind: slats of 20 pixels open together, one 1-pixel line of every slat per frame.
#include "../TransitionEffects.h"

void CTransitionEffects::WindowBlind(bool columns, bool backward)
{
    const int size = columns ? targetWidth : targetHeight;
    for (int k = 0; k < 20; ++k) {
        const int offset = backward ? 19 - k : k;
        for (int p = offset; p < size; p += 20)
            if (columns)
                Reveal(p, 0, 1, targetHeight);
            else
                Reveal(0, p, targetWidth, 1);
        if (!EndFrame(30)) break;
    }
}
