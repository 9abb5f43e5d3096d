// What every drawing call shares: its opening (clear the status, refuse
// without a window) and the hand-over of a drawing object.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/thread_check.h"

namespace lumenbox {

// Sets GraphStatus to 0, or to StatusNotOpen and returns false when no
// window is open. `call` names the calling function for the thread check.
//
// The status is stored with release order, not the sequentially consistent
// order of a plain assignment: on x86 that is a plain store instead of a
// locked exchange, and a thread that reads the status still sees whatever
// the program did before the call.
inline bool DrawingCallAllowed(const char* call = __builtin_FUNCTION()) {
    CheckCallingThread(call);
    GraphState.GraphStatus.store(StatusOk, std::memory_order_release);
    if (GraphState.GraphIsOpen.load(std::memory_order_acquire)) return true;
    GraphState.GraphStatus = StatusNotOpen;
    return false;
}

// Device coordinates of view-area coordinates, formed in 32 bits: a sum
// beyond the 16-bit range lands where the program asked, off the canvas,
// never wrapped back onto it.
inline std::int32_t DeviceX(std::int16_t x) { return std::int32_t{x} + GraphState.ViewOriginX; }
inline std::int32_t DeviceY(std::int16_t y) { return std::int32_t{y} + GraphState.ViewOriginY; }

// Moves the current position (view-area coordinates, 32 bits) in the
// library's state and in both device contexts.
void PlaceCurrentPosition(std::int32_t x, std::int32_t y);

// Runs `draw` with each device context drawing goes to, under DrawLock: the
// window's first when drawing goes there, then the canvas's.
template <class Draw>
void DrawOnTargets(Draw draw) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    if (GraphState.DrawToWindow) draw(GraphState.WindowDC);
    draw(GraphState.CanvasDC);
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

// When drawing goes to the window, copies a rectangle of the canvas there
// (device coordinates, right and bottom exclusive): for operations whose
// result depends on what the canvas holds (a flood, a block combined with
// the pixels under it), the window shows exactly what the canvas got. Call
// with DrawLock held.
inline void ShowCanvasPart(const win::RECT& part) {
    if (!GraphState.DrawToWindow || part.right <= part.left || part.bottom <= part.top) return;
    win::BitBlt(GraphState.WindowDC, part.left, part.top, part.right - part.left, part.bottom - part.top,
                GraphState.CanvasDC, part.left, part.top, win::SRCCOPY);
}

// Whether the pen's raster operation must meet the canvas's own values: in
// palette kinds it combines entry numbers, and on a canvas narrower than the
// window's 32 bits it combines packed colours, neither of which the window
// holds. Call with DrawLock held.
inline bool PenCombinesCanvasValues() {
    const bool sameValues = !GraphState.PaletteMode && GraphState.CanvasBitsPerPixel == 32;
    return !sameValues && win::GetROP2(GraphState.CanvasDC) != win::R2_COPYPEN;
}

// A device rectangle (right and bottom exclusive, 64-bit corners) cut to the canvas.
inline win::RECT OnCanvas(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    const auto cut = [](std::int64_t value, std::int64_t limit) {
        return static_cast<win::LONG>(std::clamp<std::int64_t>(value, 0, limit));
    };
    return {cut(left, GraphState.MaxX + 1), cut(top, GraphState.MaxY + 1), cut(right, GraphState.MaxX + 1),
            cut(bottom, GraphState.MaxY + 1)};
}

// Draws with the pen, as DrawOnTargets does, unless the pen's raster
// operation combines values only the canvas holds: then the canvas alone is
// drawn on and the window is given what it got inside `reach`, a device
// rectangle that holds everything the call can touch.
template <class Draw>
void DrawWithPen(const win::RECT& reach, Draw draw) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    if (GraphState.DrawToWindow && PenCombinesCanvasValues()) {
        draw(GraphState.CanvasDC);
        ShowCanvasPart(reach);
    } else {
        if (GraphState.DrawToWindow) draw(GraphState.WindowDC);
        draw(GraphState.CanvasDC);
    }
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

// Selects a new pen, brush or font into both device contexts, then deletes
// the object it displaced in WindowDC unless that is WindowDC's initial one.
// The new object is in both contexts before the old one goes, so neither is
// ever left holding a deleted object. Call with DrawLock held.
inline void SelectIntoBothContexts(win::HGDIOBJ object, win::HGDIOBJ initial) {
    const win::HGDIOBJ previous = win::SelectObject(GraphState.WindowDC, object);
    win::SelectObject(GraphState.CanvasDC, object);
    if (previous != initial) win::DeleteObject(previous);
}

}  // namespace lumenbox
