// The pixels a wide pen covers along one segment: every pixel whose sample
// point lies within half the width of the segment, so the segment gets round
// ends and a polyline made of such segments gets round joins.
//
// A pixel's sample point is its own coordinate for an odd width and half a
// pixel right and down of it for an even width. A width-w pen then covers w
// rows across a horizontal line and w columns across a vertical one, with no
// sample point ever falling exactly on the edge of either.
#pragma once

#include <cstdint>

#include <lumenbox/win/types.h>

#include "platform/gdi/row_spans.h"

namespace lumenbox::win::detail {

struct PointF {
    double x;
    double y;
};

// Adds the covered pixels inside `visible` to `spans`. a == b gives a disc.
// The work is one step per visible row the segment reaches.
void AddRoundSegment(RowSpans& spans, PointF a, PointF b, std::int64_t width, const RECT& visible);

}  // namespace lumenbox::win::detail
