// Pixels, lines, rectangle outlines and open polylines, drawn with the pen
// and the mix mode.
//
// The platform's lines leave out their last pixel, so that joined lines meet
// without drawing the joint twice. A call here draws both ends: for a thin
// pen the line goes on by one one-pixel segment, which puts the end pixel
// in its place in the dash pattern and under the mix mode once; a wide pen's
// round end covers it already.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

// Far enough off any canvas that a current position moved by many relative
// lines never overflows its 32 bits.
constexpr std::int64_t PositionLimit = std::int64_t{1} << 30;

bool PenIsThin() { return GraphState.LineThickness <= 1; }

win::POINT ToDevice(std::int32_t x, std::int32_t y) {
    return {x + GraphState.ViewOriginX, y + GraphState.ViewOriginY};
}

win::POINT ToDevice(const Point& point) { return ToDevice(point.x, point.y); }

// One step along the major axis beyond `to`, coming from `from`: the segment
// from `to` to it is the single pixel `to`.
win::POINT StepBeyond(const win::POINT& from, const win::POINT& to) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    if (std::llabs(dx) >= std::llabs(dy)) return {to.x + (dx < 0 ? -1 : 1), to.y};
    return {to.x, to.y + (dy < 0 ? -1 : 1)};
}

// The last point of a thin line that ends at points.back(): the step beyond
// it in the direction of the last segment of non-zero length.
void AddEndPixel(std::vector<win::POINT>& points) {
    const win::POINT& last = points.back();
    auto from = std::find_if(points.rbegin(), points.rend(),
                             [&](const win::POINT& p) { return p.x != last.x || p.y != last.y; });
    points.push_back(from == points.rend() ? win::POINT{last.x + 1, last.y} : StepBeyond(*from, last));
}

// Everything a pen can touch drawing through the points: their box, grown
// by half the pen's thickness and a pixel of rounding.
win::RECT PenReach(std::span<const win::POINT> points) {
    std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (const win::POINT& p : points) {
        left = std::min<std::int64_t>(left, p.x);
        top = std::min<std::int64_t>(top, p.y);
        right = std::max<std::int64_t>(right, p.x);
        bottom = std::max<std::int64_t>(bottom, p.y);
    }
    const std::int64_t margin = GraphState.LineThickness / 2 + 2;
    return OnCanvas(left - margin, top - margin, right + margin + 1, bottom + margin + 1);
}

// Draws the device polyline with both of its ends, unless it comes back to
// its start, which it then draws only once.
void DrawPolyline(std::vector<win::POINT> points) {
    const bool closed = points.size() > 2 && points.front().x == points.back().x &&
                        points.front().y == points.back().y;
    if (PenIsThin() && !closed) AddEndPixel(points);
    const int count = static_cast<int>(points.size());
    DrawWithPen(PenReach(points), [&](win::HDC dc) { win::Polyline(dc, points.data(), count); });
}

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp(value, -PositionLimit, PositionLimit));
}

// The current position's line to (x, y), view-area coordinates; the position follows.
void DrawFromCurrentPosition(std::int32_t x, std::int32_t y) {
    DrawPolyline({ToDevice(GraphState.CurrentX, GraphState.CurrentY), ToDevice(x, y)});
    PlaceCurrentPosition(x, y);
}

}  // namespace

void PlotPixel(std::int16_t x, std::int16_t y, std::uint32_t colour) {
    if (!DrawingCallAllowed()) return;
    const win::POINT point = ToDevice(x, y);
    const win::COLORREF device = DeviceColor(colour);
    // The platform's pixels go through the raster operation; a plotted pixel
    // is the colour asked for.
    DrawOnTargets([&](win::HDC dc) {
        const int operation = win::SetROP2(dc, win::R2_COPYPEN);
        win::SetPixelV(dc, point.x, point.y, device);
        win::SetROP2(dc, operation);
    });
}

void DrawLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    if (!DrawingCallAllowed()) return;
    DrawPolyline({ToDevice(x1, y1), ToDevice(x2, y2)});
}

void DrawLineTo(std::int16_t x, std::int16_t y) {
    if (!DrawingCallAllowed()) return;
    DrawFromCurrentPosition(x, y);
}

void DrawLineBy(std::int16_t dx, std::int16_t dy) {
    if (!DrawingCallAllowed()) return;
    DrawFromCurrentPosition(Saturate(std::int64_t{GraphState.CurrentX} + dx),
                            Saturate(std::int64_t{GraphState.CurrentY} + dy));
}

void DrawRectangle(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    if (!DrawingCallAllowed()) return;
    const win::POINT first = ToDevice(std::min(x1, x2), std::min(y1, y2));
    const win::POINT last = ToDevice(std::max(x1, x2), std::max(y1, y2));
    // The platform's rectangle leaves out its right and bottom edges and
    // fills its inside: an outline wants neither.
    const win::HGDIOBJ hollow = win::GetStockObject(win::NULL_BRUSH);
    const std::array<win::POINT, 2> corners{first, last};
    DrawWithPen(PenReach(corners), [&](win::HDC dc) {
        const win::HGDIOBJ brush = win::SelectObject(dc, hollow);
        win::Rectangle(dc, first.x, first.y, last.x + 1, last.y + 1);
        win::SelectObject(dc, brush);
    });
}

void DrawPolygon(std::span<const Point> points) {
    if (!DrawingCallAllowed()) return;
    if (points.size() < 2 || points.size() > static_cast<std::size_t>(INT32_MAX) / 2) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    std::vector<win::POINT> device;
    device.reserve(points.size() + 1);
    for (const Point& point : points) device.push_back(ToDevice(point));
    DrawPolyline(std::move(device));
}

}  // namespace lumenbox
