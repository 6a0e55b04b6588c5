#include "Regions.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

std::vector<RECT> RectsAdded(const RECT& now, const RECT& before)
{
    RECT common;
    if (!::IntersectRect(&common, &now, &before)) return {now};
    return {{now.left, now.top, now.right, common.top},
            {now.left, common.bottom, now.right, now.bottom},
            {now.left, common.top, common.left, common.bottom},
            {common.right, common.top, now.right, common.bottom}};
}

UniqueRegion PolygonRegion(const std::vector<POINT>& points)
{
    return UniqueRegion(::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
}

UniqueRegion PolygonsRegion(const std::vector<POINT>& points, const std::vector<INT>& counts)
{
    if (counts.empty()) return UniqueRegion(::CreateRectRgn(0, 0, 0, 0));
    return UniqueRegion(::CreatePolyPolygonRgn(points.data(), counts.data(), static_cast<int>(counts.size()), WINDING));
}

UniqueRegion RectanglesRegion(const std::vector<RECT>& rects)
{
    std::vector<RECT> kept;
    std::copy_if(rects.begin(), rects.end(), std::back_inserter(kept),
                 [](const RECT& r) { return r.right > r.left && r.bottom > r.top; });
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + kept.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(kept.size());
    std::copy(kept.begin(), kept.end(), reinterpret_cast<RECT*>(region->Buffer));
    return UniqueRegion(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region));
}

UniqueRegion Outside(UniqueRegion shape, int width, int height)
{
    UniqueRegion rest(::CreateRectRgn(0, 0, width, height));
    if (!shape || !rest) return UniqueRegion();
    ::CombineRgn(rest.get(), rest.get(), shape.get(), RGN_DIFF);
    return rest;
}
