// Colour numbers and the palette of a palette canvas. A palette change goes
// to three places that must agree: the logical palette (which the window
// draws through), the library's ColorTable, and the colour table of the page
// selected into CanvasDC. The window then repaints from the canvas, so
// pixels already drawn with a changed entry show its new colour.
#include <algorithm>
#include <array>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

#include "graph/drawing_call.h"
#include "graph/nearest_entry_memo.h"
#include "graph/palette.h"
#include "graph/recording.h"

namespace lumenbox {
namespace {

win::PALETTEENTRY PaletteEntryOf(std::uint32_t colorRef) {
    return {win::GetRValue(colorRef), win::GetGValue(colorRef), win::GetBValue(colorRef), 0};
}

win::RGBQUAD ColorTableEntryOf(const win::PALETTEENTRY& entry) {
    return {entry.peBlue, entry.peGreen, entry.peRed, 0};
}

// -1 when no window is open, -8 without a palette: the order every palette
// call reports them in.
bool PaletteCallAllowed(const char* call = __builtin_FUNCTION()) {
    if (!DrawingCallAllowed(call)) return false;
    if (!GraphState.PaletteMode) {
        GraphState.GraphStatus = StatusNoPalette;
        return false;
    }
    return true;
}

void RealizeOnAllContexts() {
    win::RealizePalette(GraphState.WindowDC);
    win::RealizePalette(GraphState.CanvasDC);
    win::RealizePalette(GraphState.PatternDC);
}

}  // namespace

std::uint32_t DeviceColor(std::uint32_t colour) {
    if (!GraphState.PaletteMode) return colour;
    // Until the first palette is loaded PaletteSize is 0 (a window left
    // hidden by a missing font never loads one); the whole colour table is
    // then the only sensible modulus, and it keeps the division defined.
    const std::uint32_t size =
        GraphState.PaletteSize != 0 ? GraphState.PaletteSize : GraphState.PaletteCapacity;
    // Every fill colour passes here: the usual power-of-two sizes take a
    // mask rather than a division.
    const std::uint32_t entry = (size & (size - 1)) == 0 ? colour & (size - 1) : colour % size;
    return win::PALETTEINDEX(static_cast<win::WORD>(entry));
}

void SetPaletteColor(std::uint16_t entry, std::uint16_t red, std::uint16_t green, std::uint16_t blue) {
    if (!PaletteCallAllowed()) return;
    // PaletteSize may still be that of an earlier, larger palette when this
    // window never loaded its own; the colour table bounds the entry too.
    if (entry >= GraphState.PaletteSize || entry >= GraphState.ColorTable.size()) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    const win::PALETTEENTRY colour = {static_cast<win::BYTE>(red), static_cast<win::BYTE>(green),
                                      static_cast<win::BYTE>(blue), 0};
    GraphState.ColorTable[entry] = ColorTableEntryOf(colour);

    win::EnterCriticalSection(&GraphState.DrawLock);
    win::SetPaletteEntries(GraphState.GraphPalette, entry, 1, &colour);
    ForgetNearestPaletteEntries();
    win::SetDIBColorTable(GraphState.CanvasDC, entry, 1, &GraphState.ColorTable[entry]);
    RealizeOnAllContexts();
    win::LeaveCriticalSection(&GraphState.DrawLock);

    NoteRecordingPalette();
    // Outside the lock: the repaint it causes takes the lock on the window thread.
    win::InvalidateRect(GraphState.GraphWindow, nullptr, win::FALSE);
}

void FillDefaultPalette(PaletteRecord& record) {
    record.Count = GraphState.PaletteMode ? GraphState.PaletteCapacity : 256;
    const std::size_t count = std::min<std::size_t>(record.Count, DefaultPaletteTable.size());
    std::copy_n(DefaultPaletteTable.begin(), count, record.Colors.begin());
    if (GraphState.GraphKind == 1) {
        // A two-colour window starts black and white, not black and blue.
        record.Colors[0] = win::RGB(0, 0, 0);
        record.Colors[1] = win::RGB(255, 255, 255);
    }
}

void ReplacePalette(const PaletteRecord& record) {
    if (!PaletteCallAllowed()) return;
    // An empty palette is refused as well: entries past Count take entry 0's
    // colour, and PaletteSize 0 would leave colour numbers nothing to reduce by.
    if (record.Count > GraphState.PaletteCapacity || record.Count == 0) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    const std::uint16_t count = record.Count;
    const std::uint16_t capacity = GraphState.PaletteCapacity;

    std::array<win::PALETTEENTRY, 256> entries;
    for (std::uint16_t i = 0; i < count; ++i) {
        entries[i] = PaletteEntryOf(record.Colors[i]);
        GraphState.ColorTable[i] = ColorTableEntryOf(entries[i]);
    }
    for (std::uint16_t i = count; i < capacity; ++i) {
        GraphState.ColorTable[i] = GraphState.ColorTable[0];
    }

    win::EnterCriticalSection(&GraphState.DrawLock);
    win::ResizePalette(GraphState.GraphPalette, count);
    win::SetPaletteEntries(GraphState.GraphPalette, 0, count, entries.data());
    ForgetNearestPaletteEntries();
    win::SetDIBColorTable(GraphState.CanvasDC, 0, capacity, GraphState.ColorTable.data());
    MatchStandardColors();
    RealizeOnAllContexts();
    win::LeaveCriticalSection(&GraphState.DrawLock);

    NoteRecordingPalette();
    win::InvalidateRect(GraphState.GraphWindow, nullptr, win::FALSE);
    GraphState.PaletteSize = count;
}

}  // namespace lumenbox
