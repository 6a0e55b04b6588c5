// Five moments of one transition effect: its first frame, the frames at 25 %, 50 % and 75 % of
// its frames, and what it leaves at its end, each a copy of the whole window.
#pragma once

#include "../../src/framework/Bitmap.h"

#include <windows.h>

#include <array>

class CComPicture;

struct EffectStrip {
    static constexpr int kMoments = 5;
    std::array<TBitmap, kMoments> frames;
    int frameCount = 0;
};

// Runs the effect twice in the window, without sleeping: once to count its frames, once to copy
// the back buffer at the chosen frames. The target is placed at (left, top) over the start.
EffectStrip RecordEffect(int index, HWND window, CComPicture& start, CComPicture& target, int left, int top, int step);
