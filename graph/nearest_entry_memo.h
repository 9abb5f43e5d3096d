// ReadPixel's colour numbers in palette kinds: the entry of GraphPalette
// nearest to a pixel's colour, remembered per colour. A program reads back
// the same few colours tens of thousands of times a frame, and asking the
// GDI each time costs a lock and a handle lookup; the memo costs a load, and
// its look-up is inline so that a remembered colour costs no call either.
//
// It is derived from GraphPalette alone and is never the only copy of
// anything, which is why it lives here rather than in GraphState: every
// change of the palette's entries goes through the palette calls, which
// forget it at once, and a different palette (a new window) has a different
// handle, which the memo checks on every read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

namespace lumenbox {

struct NearestEntryMemo {
    struct Slot {
        win::COLORREF colour = 0;
        std::uint32_t index = 0;
        std::uint32_t stamp = 0;  // valid while equal to the memo's stamp
    };
    static constexpr std::size_t kSlots = 1024;  // a power of two

    std::array<Slot, kSlots> slots{};
    std::uint32_t stamp = 1;
    win::HPALETTE palette = nullptr;

    static std::size_t SlotOf(win::COLORREF colour) { return (colour * 2654435761u >> 16) & (kSlots - 1); }
};

// Only the thread that owns the window calls the palette and pixel calls,
// so the memo needs no lock of its own.
extern constinit NearestEntryMemo NearestEntries;

// Asks the palette, and remembers the answer.
std::uint32_t LookUpNearestGraphPaletteEntry(win::COLORREF colour);

// GetNearestPaletteIndex(GraphPalette, colour), remembered per colour until
// the palette changes.
inline std::uint32_t NearestGraphPaletteEntry(win::COLORREF colour) {
    const NearestEntryMemo::Slot& slot = NearestEntries.slots[NearestEntryMemo::SlotOf(colour)];
    if (NearestEntries.palette == GraphState.GraphPalette && slot.stamp == NearestEntries.stamp &&
        slot.colour == colour)
        return slot.index;
    return LookUpNearestGraphPaletteEntry(colour);
}

// Every change of GraphPalette's entries calls this, so that the next read
// asks the palette again.
void ForgetNearestPaletteEntries();

}  // namespace lumenbox
