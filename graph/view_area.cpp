// The view area (the origin of all drawing coordinates, optionally a clip
// rectangle), the current position, the background colour and the aspect
// factors.
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

inline constexpr std::uint32_t SquareAspect = 10000;

// Both contexts get their own copy of the region; the library keeps the
// original so that the repaint can lift the clipping and restore it.
void ReplaceClipRegion(const ViewAreaRecord& area) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    if (GraphState.ClipRegion != nullptr) {
        win::SelectClipRgn(GraphState.WindowDC, nullptr);
        win::SelectClipRgn(GraphState.CanvasDC, nullptr);
        win::DeleteObject(GraphState.ClipRegion);
        GraphState.ClipRegion = nullptr;
    }
    if (area.clip) {
        GraphState.ClipRegion = win::CreateRectRgn(area.x1, area.y1, area.x2 + 1, area.y2 + 1);
        win::SelectClipRgn(GraphState.WindowDC, GraphState.ClipRegion);
        win::SelectClipRgn(GraphState.CanvasDC, GraphState.ClipRegion);
    }
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace

void SetViewArea(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, bool clip) {
    if (!DrawingCallAllowed()) return;
    // Corners are not checked against the canvas: an area partly or wholly
    // off the canvas is allowed.
    // The width and height are kept as signed 16-bit values; an area wider
    // or taller than that has none to keep.
    const std::int32_t width = std::int32_t{x2} - x1;
    const std::int32_t height = std::int32_t{y2} - y1;
    if (width < 0 || height < 0 || width > INT16_MAX || height > INT16_MAX) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    GraphState.ViewArea = {x1, y1, x2, y2, clip};
    GraphState.ViewWidth = static_cast<std::int16_t>(width);
    GraphState.ViewHeight = static_cast<std::int16_t>(height);
    GraphState.ViewOriginX = x1;
    GraphState.ViewOriginY = y1;
    GraphState.InputViewOrigin.store(static_cast<std::uint32_t>(std::int32_t{x1}) |
                                         (std::uint64_t{static_cast<std::uint32_t>(std::int32_t{y1})} << 32),
                                     std::memory_order_release);
    SetCurrentPosition(0, 0);
    ReplaceClipRegion(GraphState.ViewArea);
}

void SetCurrentPosition(std::int16_t x, std::int16_t y) {
    if (!DrawingCallAllowed()) return;
    PlaceCurrentPosition(x, y);
}

void PlaceCurrentPosition(std::int32_t x, std::int32_t y) {
    GraphState.CurrentX = x;
    GraphState.CurrentY = y;
    const std::int32_t deviceX = x + GraphState.ViewOriginX;
    const std::int32_t deviceY = y + GraphState.ViewOriginY;
    win::MoveToEx(GraphState.WindowDC, deviceX, deviceY, nullptr);
    win::MoveToEx(GraphState.CanvasDC, deviceX, deviceY, nullptr);
}

void SetBackgroundColor(std::uint32_t colour) {
    if (!DrawingCallAllowed()) return;
    GraphState.BackgroundColor = colour;  // the caller's colour number, unconverted
    const win::COLORREF background = DeviceColor(colour);
    win::SetBkColor(GraphState.WindowDC, background);
    win::SetBkColor(GraphState.CanvasDC, background);
}

void SetAspectFactors(std::uint16_t x, std::uint16_t y) {
    GraphState.AspectX = x;
    GraphState.AspectY = y;
    GraphState.AspectIsSquare = x == SquareAspect && y == SquareAspect;
}

}  // namespace lumenbox
