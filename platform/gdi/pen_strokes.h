// Drawing with the DC's pen. A cosmetic pen goes pixel by pixel along each
// segment, without the segment's end point, its dash pattern running on from
// one segment to the next. A wide pen gathers everything one call covers
// into a span set and paints it once, so every pixel takes the raster
// operation exactly once (an XOR drawn twice leaves no trace).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/draw_target.h"
#include "platform/gdi/pen_ink.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/row_spans.h"

namespace lumenbox::win::detail {

class PenStroke {
public:
    // The caller holds the surface lock for writing while the stroke draws.
    PenStroke(const DrawTarget& target, const DeviceContext& dc);

    const PenInk& Ink() const { return ink_; }

    // The segments from points[0] through points[count - 1], and for a closed
    // one back to points[0].
    void Polyline(const POINT* points, std::size_t count, bool closed);

    // One cosmetic segment, `from` included, `to` left out.
    void CosmeticSegment(POINT from, POINT to);

    // One pixel of a cosmetic pen at `position` along its dash pattern; the
    // pixel must be visible.
    void CosmeticPixel(int x, int y, std::int64_t position) const {
        if (ink_.dashes.On(position))
            writer_.Pixel(x, y, ink_.value);
        else if (ink_.opaqueGaps)
            writer_.Pixel(x, y, ink_.gapValue);
    }

    // Paints a set of pixels in the pen's colour; normalises it first.
    void PaintCovered(RowSpans& spans) const;

    // The dash position the next cosmetic pixel takes.
    std::int64_t Phase() const { return phase_; }
    void SetPhase(std::int64_t phase) { phase_ = phase; }

private:
    const DrawTarget& target_;
    PenInk ink_;
    Rop2Writer writer_;
    std::int64_t phase_ = 0;
};

}  // namespace lumenbox::win::detail
