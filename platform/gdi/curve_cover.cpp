// Gathering a curve's pixels, visible row by visible row.
#include "platform/gdi/curve_cover.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/gdi/line_steps.h"

namespace lumenbox::win::detail {

namespace {

// Adds pixels [extent.first, extent.last] of row y that are visible and, for
// an arc or pie, inside the sweep.
void AddVisible(RowSpans& spans, std::int64_t y, const RowExtent& extent, const RECT& visible, const ArcSweep* sweep) {
    const std::int64_t first = std::max<std::int64_t>(extent.first, visible.left);
    const std::int64_t last = std::min<std::int64_t>(extent.last, visible.right - 1);
    if (first > last) return;
    const int row = static_cast<int>(y);
    if (!sweep || sweep->Full()) {
        spans.Add(row, static_cast<int>(first), static_cast<int>(last) + 1);
        return;
    }
    // A row crosses the sweep's two radials at most once each, so this finds
    // at most two runs; the test per pixel is bounded by the visible width.
    std::int64_t runStart = first;
    bool inRun = false;
    for (std::int64_t x = first; x <= last; ++x) {
        const bool inside = sweep->Contains(x, y);
        if (inside && !inRun) runStart = x;
        if (!inside && inRun) spans.Add(row, static_cast<int>(runStart), static_cast<int>(x));
        inRun = inside;
    }
    if (inRun) spans.Add(row, static_cast<int>(runStart), static_cast<int>(last) + 1);
}

// Rows [first, last] of `box` that are visible.
void VisibleRows(const Box& box, const RECT& visible, std::int64_t& first, std::int64_t& last) {
    first = std::max<std::int64_t>(box.top, visible.top);
    last = std::min<std::int64_t>(box.bottom - 1, visible.bottom - 1);
}

void CoverCosmetic(CurveKind kind, const Box& box, const ArcSweep* sweep, const RECT& visible, CurveCover& cover) {
    const EllipseRows rows(box);
    std::int64_t first = 0;
    std::int64_t last = 0;
    VisibleRows(box, visible, first, last);
    for (std::int64_t y = first; y <= last; ++y) {
        const OutlineRow outline = rows.Outline(y);
        AddVisible(cover.pen, y, outline.left, visible, sweep);
        AddVisible(cover.pen, y, outline.right, visible, sweep);
        if (kind != CurveKind::Arc) AddVisible(cover.brush, y, outline.interior, visible, sweep);
    }
}

// How far a centred wide outline reaches outside the box: the pen covers
// w pixels, half the width (rounded down) of them outside.
std::int64_t OutsideReach(const PenInk& ink) { return ink.insideFrame ? 0 : ink.width / 2; }

bool CoverWide(CurveKind kind, const Box& box, const PenInk& ink, const ArcSweep* sweep, const RECT& visible,
               CurveCover& cover) {
    const Box outer = box.Shrunk(-OutsideReach(ink));
    if (!EllipseRows::Fits(outer)) return false;
    const Box inner = outer.Shrunk(std::min(ink.width, EllipseRows::kMaxSide));
    const EllipseRows outerRows(outer);
    const bool hollow = !inner.Empty();
    const EllipseRows innerRows(hollow ? inner : outer);
    std::int64_t first = 0;
    std::int64_t last = 0;
    VisibleRows(outer, visible, first, last);
    for (std::int64_t y = first; y <= last; ++y) {
        const RowExtent all = outerRows.Filled(y);
        const RowExtent hole = hollow ? innerRows.Filled(y) : RowExtent{};
        if (hole.Empty()) {
            AddVisible(cover.pen, y, all, visible, sweep);
            continue;
        }
        AddVisible(cover.pen, y, RowExtent{all.first, hole.first - 1}, visible, sweep);
        AddVisible(cover.pen, y, RowExtent{hole.last + 1, all.last}, visible, sweep);
        if (kind != CurveKind::Arc) AddVisible(cover.brush, y, hole, visible, sweep);
    }
    return true;
}

// Without a pen the brush fills the ellipse of the box less its last column
// and row.
void CoverUnpenned(const Box& box, const ArcSweep* sweep, const RECT& visible, CurveCover& cover) {
    const Box filled{box.left, box.top, box.right - 1, box.bottom - 1};
    if (filled.Empty()) return;
    const EllipseRows rows(filled);
    std::int64_t first = 0;
    std::int64_t last = 0;
    VisibleRows(filled, visible, first, last);
    for (std::int64_t y = first; y <= last; ++y) AddVisible(cover.brush, y, rows.Filled(y), visible, sweep);
}

PointF CentreOf(const ArcSweep& sweep) {
    return PointF{static_cast<double>(sweep.CentreX2()) / 2, static_cast<double>(sweep.CentreY2()) / 2};
}

// The pixels of a cosmetic radius, both ends included.
void AddRadius(RowSpans& spans, POINT from, POINT to, const RECT& visible) {
    WalkVisibleSteps(StepsOf(from, to), visible, [&](int x, int y, std::int64_t) { spans.Add(y, x, x + 1); });
    if (to.x >= visible.left && to.x < visible.right && to.y >= visible.top && to.y < visible.bottom)
        spans.Add(to.y, to.x, to.x + 1);
}

// The radii of a pie, and the round ends of a wide arc.
void CoverEnds(CurveKind kind, const Box& box, const PenInk& ink, const ArcSweep& sweep, const RECT& visible,
               CurveCover& cover) {
    const PointF start = ArcEndPoint(box, ink, sweep, sweep.Start());
    const PointF end = ArcEndPoint(box, ink, sweep, sweep.End());
    const PointF centre = CentreOf(sweep);
    if (ink.kind == PenKind::Wide) {
        const PointF from = kind == CurveKind::Pie ? centre : start;
        AddRoundSegment(cover.pen, from, start, ink.width, visible);
        AddRoundSegment(cover.pen, kind == CurveKind::Pie ? centre : end, end, ink.width, visible);
        return;
    }
    if (kind != CurveKind::Pie) return;
    const POINT middle{static_cast<LONG>(sweep.CentreX2() >> 1), static_cast<LONG>(sweep.CentreY2() >> 1)};
    AddRadius(cover.pen, middle, NearestPixel(start), visible);
    AddRadius(cover.pen, middle, NearestPixel(end), visible);
}

}  // namespace

POINT NearestPixel(PointF p) {
    const auto nearest = [](double v) {
        const double rounded = std::floor(v + 0.5);
        return static_cast<LONG>(std::clamp(rounded, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    };
    return POINT{nearest(p.x), nearest(p.y)};
}

PointF ArcEndPoint(const Box& box, const PenInk& ink, const ArcSweep& sweep, ArcSweep::Direction direction) {
    double a = static_cast<double>(box.right - 1 - box.left) / 2;
    double b = static_cast<double>(box.bottom - 1 - box.top) / 2;
    if (ink.kind == PenKind::Wide) {
        // The middle of the band: it reaches OutsideReach out and width in.
        const double shift = static_cast<double>(OutsideReach(ink)) - static_cast<double>(ink.width - 1) / 2;
        a = std::max(a + shift, 0.0);
        b = std::max(b + shift, 0.0);
    }
    const double du = static_cast<double>(direction.u);
    const double dv = -static_cast<double>(direction.v);  // back to y downwards
    double t = 0;
    if (du == 0)
        t = b / std::fabs(dv);
    else if (dv == 0)
        t = a / std::fabs(du);
    else if (const double reach = std::hypot(du * b, dv * a); reach > 0)
        t = a * b / reach;
    const PointF centre = CentreOf(sweep);
    return PointF{centre.x + t * du, centre.y + t * dv};
}

bool CoverCurve(CurveKind kind, const Box& box, const PenInk& ink, const ArcSweep* sweep, const RECT& visible,
                CurveCover& cover) {
    if (kind == CurveKind::Arc && ink.kind == PenKind::Null) return true;  // an arc is all outline
    switch (ink.kind) {
        case PenKind::Null: CoverUnpenned(box, sweep, visible, cover); break;
        case PenKind::Cosmetic: CoverCosmetic(kind, box, sweep, visible, cover); break;
        case PenKind::Wide:
            if (!CoverWide(kind, box, ink, sweep, visible, cover)) return false;
            break;
    }
    if (kind != CurveKind::Ellipse && ink.kind != PenKind::Null && sweep) CoverEnds(kind, box, ink, *sweep, visible, cover);
    cover.pen.Normalise();
    cover.brush.Normalise();
    cover.brush.Subtract(cover.pen);
    return true;
}

}  // namespace lumenbox::win::detail
