// Polylines with the DC's pen.
#include "platform/gdi/pen_strokes.h"

#include "platform/gdi/line_steps.h"
#include "platform/gdi/wide_strokes.h"

namespace lumenbox::win::detail {

PenStroke::PenStroke(const DrawTarget& target, const DeviceContext& dc)
    : target_(target), ink_(InkOf(dc, target)), writer_(target, dc.rop2) {}

void PenStroke::CosmeticSegment(POINT from, POINT to) {
    const LineSteps line = StepsOf(from, to);
    const std::int64_t start = phase_;
    // The pattern moves on by the whole segment, seen or not, and stays
    // small: positions only matter modulo the period.
    phase_ = (phase_ + line.count) % ink_.dashes.period;
    if (ink_.dashes.Solid() && !ink_.opaqueGaps) {
        WalkVisibleSteps(line, target_.visible, [&](int x, int y, std::int64_t) { writer_.Pixel(x, y, ink_.value); });
        return;
    }
    WalkVisibleSteps(line, target_.visible,
                     [&](int x, int y, std::int64_t step) { CosmeticPixel(x, y, start + step); });
}

void PenStroke::Polyline(const POINT* points, std::size_t count, bool closed) {
    if (ink_.kind == PenKind::Null || count == 0) return;
    const std::size_t segments = closed ? count : count - 1;
    if (ink_.kind == PenKind::Cosmetic) {
        for (std::size_t i = 0; i < segments; ++i) CosmeticSegment(points[i], points[(i + 1) % count]);
        return;
    }
    RowSpans covered;
    const auto at = [&](std::size_t i) { return PointF{static_cast<double>(points[i].x), static_cast<double>(points[i].y)}; };
    for (std::size_t i = 0; i < segments; ++i) AddRoundSegment(covered, at(i), at((i + 1) % count), ink_.width, target_.visible);
    if (segments == 0) AddRoundSegment(covered, at(0), at(0), ink_.width, target_.visible);
    PaintCovered(covered);
}

void PenStroke::PaintCovered(RowSpans& spans) const {
    spans.Normalise();
    for (const Span& span : spans.Spans()) writer_.Span(span.y, span.begin, span.end, ink_.value);
}

}  // namespace lumenbox::win::detail
