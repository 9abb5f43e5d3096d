// Circles, ellipses, arcs, pie slices and filled polygons.
//
// A shape of radius r around (x, y) has its extreme pixels at x - r and x + r:
// the platform's box excludes its right and bottom edges, so the box runs to
// x + r + 1. Angles are degrees counter-clockwise from 3 o'clock as seen on
// the screen, taken on the circle the ellipse is squeezed from, so that a
// quarter of the angles is a quarter of the outline whatever the radii.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

// No canvas is near this size; radii beyond it draw as if they were it,
// which keeps every box coordinate in 32 bits.
constexpr std::int64_t RadiusLimit = std::int64_t{1} << 20;

struct Ellipse {
    win::POINT centre;
    std::int32_t xRadius;
    std::int32_t yRadius;
};

struct Box {
    int left;
    int top;
    int right;  // exclusive
    int bottom;
};

// The vertical radius of a circle: radius * AspectX / AspectY. Without a
// vertical factor the circle stays round.
std::int32_t VerticalRadius(std::uint16_t radius) {
    if (GraphState.AspectY == 0) return radius;
    const std::int64_t scaled = std::int64_t{radius} * GraphState.AspectX / GraphState.AspectY;
    return static_cast<std::int32_t>(std::min(scaled, RadiusLimit));
}

Ellipse MakeEllipse(std::int16_t x, std::int16_t y, std::int32_t xRadius, std::int32_t yRadius) {
    return {{x + GraphState.ViewOriginX, y + GraphState.ViewOriginY}, xRadius, yRadius};
}

Box BoxOf(const Ellipse& e) {
    return {e.centre.x - e.xRadius, e.centre.y - e.yRadius, e.centre.x + e.xRadius + 1, e.centre.y + e.yRadius + 1};
}

// Everything a pen can touch drawing in the box: the box, grown by half the
// pen's thickness and a pixel of rounding.
win::RECT PenReach(const Box& box) {
    const std::int64_t margin = GraphState.LineThickness / 2 + 2;
    return OnCanvas(std::int64_t{box.left} - margin, std::int64_t{box.top} - margin,
                    std::int64_t{box.right} + margin, std::int64_t{box.bottom} + margin);
}

// A point on the radial at `degrees`, far enough out that its rounding
// cannot turn the radial by a visible amount.
win::POINT RadialPoint(const Ellipse& e, std::int16_t degrees) {
    const int normalised = ((degrees % 360) + 360) % 360;
    const double angle = normalised * std::numbers::pi / 180.0;
    const double reach = 64.0;
    return {e.centre.x + static_cast<int>(std::lround(std::cos(angle) * (e.xRadius + 1) * reach)),
            e.centre.y - static_cast<int>(std::lround(std::sin(angle) * (e.yRadius + 1) * reach))};
}

// Draws with a hollow brush, so that only the pen's outline shows.
template <class Draw>
void DrawOutline(const Box& box, Draw draw) {
    const win::HGDIOBJ hollow = win::GetStockObject(win::NULL_BRUSH);
    DrawWithPen(PenReach(box), [&](win::HDC dc) {
        const win::HGDIOBJ brush = win::SelectObject(dc, hollow);
        draw(dc);
        win::SelectObject(dc, brush);
    });
}

void DrawEllipseOutline(const Ellipse& e) {
    const Box box = BoxOf(e);
    DrawOutline(box, [&](win::HDC dc) { win::Ellipse(dc, box.left, box.top, box.right, box.bottom); });
}

}  // namespace

void DrawArc(std::int16_t x, std::int16_t y, std::int16_t startAngle, std::int16_t endAngle, std::uint16_t radius) {
    if (!DrawingCallAllowed()) return;
    const Ellipse e = MakeEllipse(x, y, radius, VerticalRadius(radius));
    const Box box = BoxOf(e);
    const win::POINT start = RadialPoint(e, startAngle);
    const win::POINT end = RadialPoint(e, endAngle);
    DrawWithPen(PenReach(box), [&](win::HDC dc) {
        win::Arc(dc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
    });
}

void DrawCircle(std::int16_t x, std::int16_t y, std::uint16_t radius) {
    if (!DrawingCallAllowed()) return;
    DrawEllipseOutline(MakeEllipse(x, y, radius, VerticalRadius(radius)));
}

void DrawEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius, std::uint16_t yRadius) {
    if (!DrawingCallAllowed()) return;
    DrawEllipseOutline(MakeEllipse(x, y, xRadius, yRadius));
}

void PaintEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius, std::uint16_t yRadius) {
    if (!DrawingCallAllowed()) return;
    const Box box = BoxOf(MakeEllipse(x, y, xRadius, yRadius));
    DrawWithPen(PenReach(box), [&](win::HDC dc) { win::Ellipse(dc, box.left, box.top, box.right, box.bottom); });
}

void PaintPieSlice(std::int16_t x, std::int16_t y, std::int16_t startAngle, std::int16_t endAngle,
                   std::uint16_t xRadius, std::uint16_t yRadius) {
    if (!DrawingCallAllowed()) return;
    const Ellipse e = MakeEllipse(x, y, xRadius, yRadius);
    const Box box = BoxOf(e);
    const win::POINT start = RadialPoint(e, startAngle);
    const win::POINT end = RadialPoint(e, endAngle);
    DrawWithPen(PenReach(box), [&](win::HDC dc) {
        win::Pie(dc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
    });
}

void PaintPolygon(std::span<const Point> points) {
    if (!DrawingCallAllowed()) return;
    if (points.size() < 3 || points.size() > static_cast<std::size_t>(INT32_MAX)) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    std::vector<win::POINT> device;
    device.reserve(points.size());
    Box box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const Point& p : points) {
        device.push_back({p.x + GraphState.ViewOriginX, p.y + GraphState.ViewOriginY});
        box = {std::min(box.left, device.back().x), std::min(box.top, device.back().y),
               std::max(box.right, device.back().x + 1), std::max(box.bottom, device.back().y + 1)};
    }
    const int count = static_cast<int>(device.size());
    DrawWithPen(PenReach(box), [&](win::HDC dc) { win::Polygon(dc, device.data(), count); });
}

}  // namespace lumenbox
