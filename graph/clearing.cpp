// Clearing the view area or the whole draw page to the background colour.
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

// A brush of its own, so that the fill settings stay as they are.
void FillWithBackground(win::HDC dc, const win::RECT& area) {
    const win::LOGBRUSH description{win::BS_SOLID, DeviceColor(GraphState.BackgroundColor), 0};
    const win::HBRUSH brush = win::CreateBrushIndirect(&description);
    win::FillRect(dc, &area, brush);
    win::DeleteObject(brush);
}

}  // namespace

void ClearViewArea() {
    if (!DrawingCallAllowed()) return;
    const win::RECT area{GraphState.ViewOriginX, GraphState.ViewOriginY,
                         GraphState.ViewOriginX + GraphState.ViewWidth + 1,
                         GraphState.ViewOriginY + GraphState.ViewHeight + 1};
    DrawOnTargets([&](win::HDC dc) { FillWithBackground(dc, area); });
    PlaceCurrentPosition(0, 0);
}

void ClearGraphics() {
    if (!DrawingCallAllowed()) return;
    const win::RECT page{0, 0, GraphState.MaxX + 1, GraphState.MaxY + 1};
    // The view area's clipping must not keep the rest of the page.
    DrawOnTargets([&](win::HDC dc) {
        if (GraphState.ClipRegion != nullptr) win::SelectClipRgn(dc, nullptr);
        FillWithBackground(dc, page);
        if (GraphState.ClipRegion != nullptr) win::SelectClipRgn(dc, GraphState.ClipRegion);
    });
    PlaceCurrentPosition(0, 0);
}

}  // namespace lumenbox
