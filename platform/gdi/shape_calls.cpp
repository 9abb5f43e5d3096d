// Rectangle, Ellipse, Arc and Pie: a box (right and bottom excluded), the
// brush inside and the pen on the outline over it.
#include <algorithm>
#include <optional>

#include "platform/gdi/brush_fills.h"
#include "platform/gdi/brush_spans.h"
#include "platform/gdi/curve_cover.h"
#include "platform/gdi/curve_dashes.h"
#include "platform/gdi/drawing_call.h"
#include "platform/gdi/pen_strokes.h"

namespace lumenbox::win {

using namespace detail;

namespace {

// Reversed corners are swapped, as Windows does.
Box OrderedBox(int left, int top, int right, int bottom) {
    return Box{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// ---- Rectangle ---------------------------------------------------------------

// The rectangle the pen's centre runs along: the outermost pixels of the box,
// or for a wide PS_INSIDEFRAME pen the rectangle that keeps the pen inside.
Box FramePath(const Box& box, const PenInk& ink) {
    Box path{box.left, box.top, box.right - 1, box.bottom - 1};  // corners, both included
    if (ink.kind != PenKind::Wide || !ink.insideFrame) return path;
    const std::int64_t before = ink.width / 2;  // pixels a wide pen covers left of and above its centre
    const std::int64_t after = ink.width - 1 - before;
    path = Box{path.left + before, path.top + before, path.right - after, path.bottom - after};
    // A box narrower than the pen: the path shrinks to its middle.
    if (path.right < path.left) path.left = path.right = path.left + (path.right - path.left) / 2;
    if (path.bottom < path.top) path.top = path.bottom = path.top + (path.bottom - path.top) / 2;
    return path;
}

// What the brush fills: inside the pen, or with no pen the box less its last
// column and row.
Box RectangleInterior(const Box& box, const PenInk& ink) {
    if (ink.kind == PenKind::Null) return Box{box.left, box.top, box.right - 1, box.bottom - 1};
    const Box path = FramePath(box, ink);
    const std::int64_t before = ink.kind == PenKind::Wide ? ink.width / 2 : 0;
    const std::int64_t width = ink.kind == PenKind::Wide ? ink.width : 1;
    return Box{path.left - before + width, path.top - before + width, path.right - before, path.bottom - before};
}

void PaintRectangleInterior(const DrawTarget& target, const DeviceContext& dc, const Box& interior) {
    if (interior.Empty() || dc.brush->record.lbStyle == BS_NULL) return;
    const RECT area{static_cast<LONG>(std::max<std::int64_t>(interior.left, target.visible.left)),
                    static_cast<LONG>(std::max<std::int64_t>(interior.top, target.visible.top)),
                    static_cast<LONG>(std::min<std::int64_t>(interior.right, target.visible.right)),
                    static_cast<LONG>(std::min<std::int64_t>(interior.bottom, target.visible.bottom))};
    if (!IsEmpty(area)) PaintWithBrush(target, dc, *dc.brush, area);
}

// A solid one-pixel frame as spans: each pixel once, even when the box is
// one pixel wide or high.
void CoverThinFrame(RowSpans& spans, const Box& path, const RECT& visible) {
    const std::int64_t firstRow = std::max<std::int64_t>(path.top, visible.top);
    const std::int64_t lastRow = std::min<std::int64_t>(path.bottom, visible.bottom - 1);
    const auto add = [&](std::int64_t y, std::int64_t from, std::int64_t to) {
        from = std::max<std::int64_t>(from, visible.left);
        to = std::min<std::int64_t>(to, visible.right - 1);
        if (from <= to) spans.Add(static_cast<int>(y), static_cast<int>(from), static_cast<int>(to) + 1);
    };
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        if (y == path.top || y == path.bottom) {
            add(y, path.left, path.right);
        } else {
            add(y, path.left, path.left);
            add(y, path.right, path.right);
        }
    }
}

void StrokeFrame(PenStroke& stroke, const Box& path, const RECT& visible) {
    const PenInk& ink = stroke.Ink();
    if (ink.kind == PenKind::Null) return;
    RowSpans covered;
    if (ink.kind == PenKind::Cosmetic && ink.dashes.Solid()) {
        CoverThinFrame(covered, path, visible);
        stroke.PaintCovered(covered);
        return;
    }
    // Counter-clockwise on the screen from the top right corner, the way
    // arcs run.
    const POINT corners[4] = {{static_cast<LONG>(path.right), static_cast<LONG>(path.top)},
                              {static_cast<LONG>(path.left), static_cast<LONG>(path.top)},
                              {static_cast<LONG>(path.left), static_cast<LONG>(path.bottom)},
                              {static_cast<LONG>(path.right), static_cast<LONG>(path.bottom)}};
    stroke.Polyline(corners, 4, true);
}

// ---- Ellipse, Arc and Pie ------------------------------------------------------

BOOL DrawCurve(HDC handle, CurveKind kind, int left, int top, int right, int bottom, const POINT* ends) {
    return DrawOnDc(handle, [&](DeviceContext& dc, const DrawTarget& target) {
        const Box box = OrderedBox(left, top, right, bottom);
        if (box.Empty()) return TRUE;
        PenStroke stroke(target, dc);
        std::optional<ArcSweep> sweep;
        if (ends) sweep.emplace(box, ends[0], ends[1]);
        const ArcSweep* radials = sweep ? &*sweep : nullptr;
        const PenInk& ink = stroke.Ink();
        const bool dashed = ink.kind == PenKind::Cosmetic && !ink.dashes.Solid();
        // A dashed outline covers the pixels a solid one would: the brush
        // keeps off them either way.
        PenInk solid = ink;
        solid.dashes = DashPattern{};
        CurveCover cover;
        if (!CoverCurve(kind, box, dashed ? solid : ink, radials, target.visible, cover)) return FALSE;
        PaintBrushSpans(target, dc, cover.brush);
        if (dashed)
            DashCurve(stroke, kind, box, radials, target.visible);
        else
            stroke.PaintCovered(cover.pen);
        return TRUE;
    });
}

}  // namespace

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
    return DrawOnDc(handle, [&](DeviceContext& dc, const DrawTarget& target) {
        const Box box = OrderedBox(left, top, right, bottom);
        if (box.Empty()) return TRUE;
        PenStroke stroke(target, dc);
        PaintRectangleInterior(target, dc, RectangleInterior(box, stroke.Ink()));
        StrokeFrame(stroke, FramePath(box, stroke.Ink()), target.visible);
        return TRUE;
    });
}

BOOL Ellipse(HDC handle, int left, int top, int right, int bottom) {
    return DrawCurve(handle, CurveKind::Ellipse, left, top, right, bottom, nullptr);
}

BOOL Arc(HDC handle, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    const POINT ends[2] = {{xStart, yStart}, {xEnd, yEnd}};
    return DrawCurve(handle, CurveKind::Arc, left, top, right, bottom, ends);
}

BOOL Pie(HDC handle, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    const POINT ends[2] = {{xStart, yStart}, {xEnd, yEnd}};
    return DrawCurve(handle, CurveKind::Pie, left, top, right, bottom, ends);
}

}  // namespace lumenbox::win
