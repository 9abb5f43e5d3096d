// The memo of ReadPixel's nearest palette entries: its misses and its
// forgetting.
#include "graph/nearest_entry_memo.h"

namespace lumenbox {

constinit NearestEntryMemo NearestEntries;

void ForgetNearestPaletteEntries() {
    // A wrapped stamp would revive slots of long ago: clear them instead.
    if (++NearestEntries.stamp == 0) {
        NearestEntries.slots.fill(NearestEntryMemo::Slot{});
        NearestEntries.stamp = 1;
    }
}

std::uint32_t LookUpNearestGraphPaletteEntry(win::COLORREF colour) {
    if (NearestEntries.palette != GraphState.GraphPalette) {
        ForgetNearestPaletteEntries();
        NearestEntries.palette = GraphState.GraphPalette;
    }
    const std::uint32_t index = win::GetNearestPaletteIndex(GraphState.GraphPalette, colour);
    NearestEntries.slots[NearestEntryMemo::SlotOf(colour)] = {colour, index, NearestEntries.stamp};
    return index;
}

}  // namespace lumenbox
