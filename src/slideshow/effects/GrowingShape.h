// The frame loop of the region effects whose shown part only grows (Diamond, Ellipse, Multi-Box,
// Multi-Wipe, Wipe, Wedge wipe): frame k shows shape(k), and each frame draws only what its shape
// adds to the last shape that was drawn. A frame whose shape cannot be made draws nothing; the
// next frame then draws from the last shape drawn, so nothing it left out stays behind.
//
//   RevealGrowingShape(frames, [&](int k) { return Diamond(k); }, draw, [&] { return EndFrame(2); }, false);
#pragma once

#include "../../framework/Handles.h"

#include <windows.h>

#include <functional>

// The shape a frame shows, in target coordinates; a null region when it cannot be made.
using ShapeOfFrame = std::function<UniqueRegion(int frame)>;

// Runs frames 0 .. frames - 1. `draw` gets what a frame adds and answers whether it reached the
// surfaces; `endFrame` is the frame step, false when the change was stopped. A frame that draws
// nothing still ends unless `skipFailedFrames`, which leaves it out as if it were not there.
void RevealGrowingShape(int frames, const ShapeOfFrame& shape, const std::function<bool(HRGN added)>& draw,
                        const std::function<bool()>& endFrame, bool skipFailedFrames);
