// The opening of every drawing call: clear the status, refuse without a window.
#pragma once

#include <atomic>

#include <lumenbox/graph.h>

namespace lumenbox {

// Sets GraphStatus to 0, or to StatusNotOpen and returns false when no
// window is open.
inline bool DrawingCallAllowed() {
    GraphState.GraphStatus = StatusOk;
    if (GraphState.GraphIsOpen.load(std::memory_order_acquire)) return true;
    GraphState.GraphStatus = StatusNotOpen;
    return false;
}

}  // namespace lumenbox
