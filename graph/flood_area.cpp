// Flood fills. The canvas decides where a flood stops (by colour number, so
// two palette entries of one colour are still two colours); the window is
// then given the canvas's result rather than flooded by its own pixels.
#include <algorithm>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

bool InsideViewArea(std::int16_t x, std::int16_t y) {
    return x >= 0 && y >= 0 && x <= GraphState.ViewWidth && y <= GraphState.ViewHeight;
}

// What a flood can reach: the canvas, or its part inside the clipping view area.
win::RECT FloodReach() {
    win::RECT reach{0, 0, GraphState.MaxX + 1, GraphState.MaxY + 1};
    if (!GraphState.ViewArea.clip) return reach;
    reach.left = std::max<std::int32_t>(reach.left, GraphState.ViewOriginX);
    reach.top = std::max<std::int32_t>(reach.top, GraphState.ViewOriginY);
    reach.right = std::min<std::int32_t>(reach.right, GraphState.ViewOriginX + GraphState.ViewWidth + 1);
    reach.bottom = std::min<std::int32_t>(reach.bottom, GraphState.ViewOriginY + GraphState.ViewHeight + 1);
    return reach;
}

}  // namespace

void FloodArea(std::int16_t x, std::int16_t y, std::uint32_t border) {
    if (!DrawingCallAllowed()) return;
    if (!InsideViewArea(x, y)) return;
    const std::int32_t deviceX = DeviceX(x);
    const std::int32_t deviceY = DeviceY(y);
    win::EnterCriticalSection(&GraphState.DrawLock);
    // FALSE for a seed on the border or off the canvas: nothing to fill.
    if (win::ExtFloodFill(GraphState.CanvasDC, deviceX, deviceY, DeviceColor(border), win::FLOODFILLBORDER)) {
        ShowCanvasPart(FloodReach());
    }
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace lumenbox
