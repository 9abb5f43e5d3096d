// ReadPixel's colour numbers in palette kinds: the entry of GraphPalette
// nearest to a pixel's colour, remembered per colour. A program reads back
// the same few colours tens of thousands of times a frame, and asking the
// GDI each time costs a lock and a handle lookup; the memo costs a load.
//
// It is derived from GraphPalette alone and is never the only copy of
// anything, which is why it lives here rather than in GraphState: every
// change of the palette's entries goes through the palette calls, which
// forget it at once, and a different palette (a new window) has a different
// handle, which the memo checks on every read.
#include <array>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/palette.h"

namespace lumenbox {
namespace {

struct MemoSlot {
    win::COLORREF colour = 0;
    std::uint32_t index = 0;
    std::uint32_t stamp = 0;  // valid while equal to the memo's stamp
};

struct NearestEntryMemo {
    static constexpr std::size_t kSlots = 1024;  // a power of two
    std::array<MemoSlot, kSlots> slots{};
    std::uint32_t stamp = 1;
    win::HPALETTE palette = nullptr;
};

// Only the thread that owns the window calls the palette and pixel calls,
// so the memo needs no lock of its own.
constinit NearestEntryMemo Memo;

std::size_t SlotOf(win::COLORREF colour) {
    return (colour * 2654435761u >> 16) & (NearestEntryMemo::kSlots - 1);
}

}  // namespace

void ForgetNearestPaletteEntries() {
    // A wrapped stamp would revive slots of long ago: clear them instead.
    if (++Memo.stamp == 0) {
        Memo.slots.fill(MemoSlot{});
        Memo.stamp = 1;
    }
}

std::uint32_t NearestGraphPaletteEntry(win::COLORREF colour) {
    if (Memo.palette != GraphState.GraphPalette) {
        ForgetNearestPaletteEntries();
        Memo.palette = GraphState.GraphPalette;
    }
    MemoSlot& slot = Memo.slots[SlotOf(colour)];
    if (slot.stamp == Memo.stamp && slot.colour == colour) return slot.index;
    const std::uint32_t index = win::GetNearestPaletteIndex(GraphState.GraphPalette, colour);
    slot = MemoSlot{colour, index, Memo.stamp};
    return index;
}

}  // namespace lumenbox
