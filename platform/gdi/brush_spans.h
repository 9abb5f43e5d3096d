// Painting a span set with the DC's brush, one row piece at a time, so that
// shapes reuse the brush fills (solid, hatched and pattern brushes, tiled
// from device (0, 0)) exactly as FillRect paints them.
#pragma once

#include "platform/gdi/brush_fills.h"
#include "platform/gdi/row_spans.h"

namespace lumenbox::win::detail {

// The spans lie inside the target's visible rectangle; the caller holds the
// surface lock for writing. A BS_NULL brush paints nothing.
inline void PaintBrushSpans(const DrawTarget& target, const DeviceContext& dc, const RowSpans& spans) {
    if (dc.brush->record.lbStyle == BS_NULL) return;
    for (const Span& span : spans.Spans())
        PaintWithBrush(target, dc, *dc.brush, RECT{span.begin, span.y, span.end, span.y + 1});
}

}  // namespace lumenbox::win::detail
