// Painting a clipped rectangle of a target with a brush: solid spans,
// hatches and patterns, each tiled from device (0, 0).
#pragma once

#include "platform/gdi/draw_target.h"
#include "platform/gdi/short_spans.h"

namespace lumenbox::win::detail {

// `area` lies inside the target's visible rectangle and is not empty. The
// caller holds the surface lock for writing. Raster operations do not apply:
// the brush is copied.
void PaintWithBrush(const DrawTarget& target, const DeviceContext& dc, const Brush& brush, const RECT& area);

// The same for one pixel value on the depths below 8 bits and the 16- and
// 24-bit ones: row by row through the target's format.
void PaintSolidRows(const DrawTarget& target, std::uint32_t value, const RECT& area);

// The same for one pixel value (a solid brush, or FillRect's system colours)
// on any target. 8- and 32-bit targets, where a drawing program fills small
// blocks thousands of times a frame, are painted in place, whole blocks at a
// time: a call and a dispatch per row would cost more than the stores.
inline void PaintSolid(const DrawTarget& target, std::uint32_t value, const RECT& area) {
    const PixelView& view = target.view;
    const auto width = static_cast<std::size_t>(area.right - area.left);
    const int rows = area.bottom - area.top;
    switch (view.format->bitsPerPixel) {
        case 8:
            FillByteRuns(view.Row(area.top) + area.left, view.pitch, rows, width, static_cast<std::uint8_t>(value));
            return;
        case 32:
            FillWordRuns(view.Row(area.top) + std::ptrdiff_t{area.left} * 4, view.pitch, rows, width, value);
            return;
        default: PaintSolidRows(target, value, area);
    }
}

}  // namespace lumenbox::win::detail
