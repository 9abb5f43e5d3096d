// The outline of an Ellipse, Arc or Pie drawn with a dashed cosmetic pen:
// the pattern runs counter-clockwise along the outline, from angle 0 for an
// Ellipse and from the arc's start for an Arc or Pie, and for a Pie on along
// the radius from the arc's end to the centre and back out to the start.
//
// Dash positions count every outline pixel from the start, seen or not, so
// they do not depend on the clipping. Counting costs a step per row of the
// ellipse; an ellipse taller than kCountedRows is counted from the first
// visible row instead, which keeps the work bounded by what shows.
#pragma once

#include <cstdint>

#include "platform/gdi/arc_sweep.h"
#include "platform/gdi/curve_cover.h"
#include "platform/gdi/pen_strokes.h"

namespace lumenbox::win::detail {

inline constexpr std::int64_t kCountedRows = 1 << 16;

// The box is ordered and not empty; the stroke's pen is cosmetic. `sweep`
// is null for an Ellipse.
void DashCurve(PenStroke& stroke, CurveKind kind, const Box& box, const ArcSweep* sweep, const RECT& visible);

}  // namespace lumenbox::win::detail
