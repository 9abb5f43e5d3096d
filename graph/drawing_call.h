// What every drawing call shares: its opening (clear the status, refuse
// without a window) and the hand-over of a drawing object.
#pragma once

#include <atomic>
#include <cstdint>
#include <source_location>

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
inline bool DrawingCallAllowed(const std::source_location& call = std::source_location::current()) {
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
