#include "GrowingShape.h"

#include <utility>

namespace {

// What `now` covers beyond `before` (all of `now` when nothing was drawn before), as a new region;
// null when it cannot be made.
UniqueRegion Added(HRGN now, HRGN before)
{
    UniqueRegion added(::CreateRectRgn(0, 0, 0, 0));
    if (added && ::CombineRgn(added.get(), now, before, before ? RGN_DIFF : RGN_COPY) == ERROR) added.reset();
    return added;
}

}  // namespace

void RevealGrowingShape(int frames, const ShapeOfFrame& shape, const std::function<bool(HRGN added)>& draw,
                        const std::function<bool()>& endFrame, bool skipFailedFrames)
{
    UniqueRegion drawn;  // the last shape that reached the surfaces
    for (int k = 0; k < frames; ++k) {
        UniqueRegion now = shape(k);
        const UniqueRegion added = now ? Added(now.get(), drawn.get()) : UniqueRegion();
        if (added && draw(added.get()))
            drawn = std::move(now);
        else if (skipFailedFrames)
            continue;
        if (!endFrame()) break;
    }
}
