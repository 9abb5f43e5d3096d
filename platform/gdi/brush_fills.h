// Painting a clipped rectangle of a target with a brush: solid spans,
// hatches and patterns, each tiled from device (0, 0).
#pragma once

#include "platform/gdi/draw_target.h"

namespace lumenbox::win::detail {

// `area` lies inside the target's visible rectangle and is not empty. The
// caller holds the surface lock for writing. Raster operations do not apply:
// the brush is copied.
void PaintWithBrush(const DrawTarget& target, const DeviceContext& dc, const Brush& brush, const RECT& area);

// The same for a plain colour (FillRect with a system colour brush).
void PaintSolid(const DrawTarget& target, std::uint32_t value, const RECT& area);

}  // namespace lumenbox::win::detail
