// The interior of a polygon, by scanlines: a pixel is inside when its own
// point is, under the fill mode (ALTERNATE: an odd number of edges to its
// left; WINDING: edges to its left that do not cancel by direction). A point
// exactly on a left or top edge counts, one on a right or bottom edge does
// not, so polygons that share an edge share no pixel.
//
// Crossings are exact (128-bit where products need it) and only visible
// rows are scanned, each edge stepping along with a Bresenham-like error
// term, so coordinates near INT_MAX and polygons of many thousand points
// cost what their visible part costs.
#pragma once

#include <cstddef>

#include <lumenbox/win/types.h>

#include "platform/gdi/row_spans.h"

namespace lumenbox::win::detail {

// Adds the visible interior pixels of the closed polygon to `spans`.
void CoverPolygon(RowSpans& spans, const POINT* points, std::size_t count, int fillMode, const RECT& visible);

}  // namespace lumenbox::win::detail
