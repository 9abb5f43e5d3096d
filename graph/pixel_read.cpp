// Reading a pixel back from the canvas, never the window, so that whatever
// was drawn on the draw page is seen whether or not it is shown.
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"
#include "graph/nearest_entry_memo.h"

namespace lumenbox {

std::uint32_t ReadPixel(std::int16_t x, std::int16_t y) {
    if (!DrawingCallAllowed()) return 0;
    const std::int32_t deviceX = DeviceX(x);
    const std::int32_t deviceY = DeviceY(y);

    // The lock only keeps a repaint from running in the middle of the read.
    win::EnterCriticalSection(&GraphState.DrawLock);
    const win::COLORREF value = win::GetPixel(GraphState.CanvasDC, deviceX, deviceY);
    win::LeaveCriticalSection(&GraphState.DrawLock);

    // A point off the canvas reads CLR_INVALID, whose colour bytes are white:
    // in palette kinds that becomes the entry nearest to white. The palette
    // changes only on this thread, so the lookup needs no lock.
    if (GraphState.PaletteMode) return NearestGraphPaletteEntry(value);
    return value;
}

}  // namespace lumenbox
