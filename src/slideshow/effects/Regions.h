// Region builders for the effects that reveal through a region. Coordinates are the target
// picture's; each builder hands over an owned region, to be used and freed within one frame.
#pragma once

#include "../../framework/Handles.h"

#include <windows.h>

#include <vector>

// The parts of `now` that lie outside `before`, as up to four rectangles: what a shape made of
// rectangles adds from one frame to the next.
std::vector<RECT> RectsAdded(const RECT& now, const RECT& before);

// One polygon, filled by the winding rule.
UniqueRegion PolygonRegion(const std::vector<POINT>& points);
// Several polygons in one region: `counts` gives the number of points of each, in order.
UniqueRegion PolygonsRegion(const std::vector<POINT>& points, const std::vector<INT>& counts);
// The union of rectangles; empty rectangles are left out.
UniqueRegion RectanglesRegion(const std::vector<RECT>& rects);
// The rectangle 0, 0, width, height minus the shape; null when either region is missing.
UniqueRegion Outside(UniqueRegion shape, int width, int height);
