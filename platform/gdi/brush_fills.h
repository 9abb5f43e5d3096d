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

// The same for one pixel value (a solid brush, or FillRect's system colours).
void PaintSolidRows(const DrawTarget& target, std::uint32_t value, const RECT& area);

// PaintSolidRows, with the small blocks of 8- and 32-bit targets that a
// drawing program fills thousands of times a frame painted inline: a call
// and a dispatch on the depth cost more than their few stores.
inline void PaintSolid(const DrawTarget& target, std::uint32_t value, const RECT& area) {
    const PixelView& view = target.view;
    const auto width = static_cast<std::size_t>(area.right - area.left);
    const int rows = area.bottom - area.top;
    const int bits = view.format->bitsPerPixel;
    if (bits == 8 && width <= kShortRunBytes) {
        StoreShortRuns(view.Row(area.top) + area.left, view.pitch, rows, width,
                       RepeatedValue::OfByte(static_cast<std::uint8_t>(value)));
    } else if (bits == 32 && width * 4 <= kShortRunBytes) {
        StoreShortRuns(view.Row(area.top) + std::ptrdiff_t{area.left} * 4, view.pitch, rows, width * 4,
                       RepeatedValue::OfWord(value));
    } else {
        PaintSolidRows(target, value, area);
    }
}

}  // namespace lumenbox::win::detail
