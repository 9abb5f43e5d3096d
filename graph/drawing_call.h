// What every drawing call shares: its opening (clear the status, refuse
// without a window) and the hand-over of a drawing object.
#pragma once

#include <atomic>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

namespace lumenbox {

// Sets GraphStatus to 0, or to StatusNotOpen and returns false when no
// window is open.
inline bool DrawingCallAllowed() {
    GraphState.GraphStatus = StatusOk;
    if (GraphState.GraphIsOpen.load(std::memory_order_acquire)) return true;
    GraphState.GraphStatus = StatusNotOpen;
    return false;
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
