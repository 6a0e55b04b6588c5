// Increase show: a dissolve. Every frame copies, in every 10 x 10 cell, a 3 x 3 square of the
// picture at a random place of the cell. The squares only add to what is shown, so copying them
// in place shows each frame as composing it apart over the start picture would.
#include "../TransitionEffects.h"

void CTransitionEffects::IncreaseShow()
{
    for (int frame = 0; frame < 100; ++frame) {
        for (int y = 0; y < targetHeight; y += 10)
            for (int x = 0; x < targetWidth; x += 10) {
                const int dx = Random(10), dy = Random(10);
                Reveal(x + dx, y + dy, 3, 3);
            }
        if (!EndFrame(10)) break;
    }
    FinalCopy();
}
