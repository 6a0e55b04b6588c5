// Circle: a radial sweep. A polygon fans out from the pivot while its far vertex runs along the
// picture's border, phase by phase: up the right edge, along the top, down the left edge, along
// the bottom.
#include "../../framework/Handles.h"
#include "../ComPicture.h"
#include "../TransitionEffects.h"

namespace {

struct Phase {
    int start;  // the first vertex position of the phase
    int end;    // the last one it reaches
    int direction;
};

Phase PhaseOf(int phase, int w, int h)
{
    switch (phase) {
        case 0:
            return {h, 0, -1};
        case 1:
            return {w, 0, -1};
        case 2:
            return {0, h, 1};
        default:
            return {0, w, 1};
    }
}

bool Inside(const Phase& phase, int a)
{
    return phase.direction < 0 ? a >= phase.end : a <= phase.end;
}

}  // namespace

void CTransitionEffects::CircleSweep(int pivotX, int pivotY, int firstPhase, int stopPhase)
{
    StepOverride stepOverride(*this, 2);
    const int w = targetWidth, h = targetHeight;
    int phase = firstPhase;
    // A sweep that starts along the top starts at H, not at W.
    int a = firstPhase == 1 ? h : PhaseOf(phase, w, h).start;
    for (;;) {
        POINT points[6] = {{pivotX, pivotY}, {w, h}};
        int count = 2;
        switch (phase) {
            case 0:
                points[count++] = {w, a};
                break;
            case 1:
                points[count++] = {w, 0};
                points[count++] = {a, 0};
                break;
            case 2:
                points[count++] = {w, 0};
                points[count++] = {0, 0};
                points[count++] = {0, a};
                break;
            default:
                points[count++] = {w, 0};
                points[count++] = {0, 0};
                points[count++] = {0, h};
                points[count++] = {a, h};
                break;
        }
        UniqueRegion region(::CreatePolygonRgn(points, count, WINDING));
        if (region) RevealRegion(region.get());

        a += PhaseOf(phase, w, h).direction * step;
        if (!Inside(PhaseOf(phase, w, h), a)) {
            ++phase;
            if (phase == stopPhase || phase > 3) {
                FinalCopy();
                break;
            }
            a = PhaseOf(phase, w, h).start;
        }
        if (!EndFrame(1)) break;
    }
}
