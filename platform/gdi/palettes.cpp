// Logical palettes: creation, selection, entries and the nearest-entry
// search. Every change of entries goes through ColourTable, which retires
// its cached nearest answers.
#include <algorithm>
#include <memory>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {

using namespace detail;

namespace {

bool ValidPaletteSize(UINT count) { return count >= 1 && count <= MAX_PALETTE_ENTRIES; }

// How many of `count` entries from `start` fall inside a table of `size`.
UINT EntriesInRange(std::size_t size, UINT start, UINT count) {
    if (start >= size) return 0;
    return static_cast<UINT>(std::min<std::size_t>(count, size - start));
}

}  // namespace

HPALETTE CreatePalette(const LOGPALETTE* record) {
    if (!record || record->palVersion != 0x300 || !ValidPaletteSize(record->palNumEntries)) return nullptr;
    auto palette = std::make_unique<Palette>();
    palette->colours = ColourTable(record->palNumEntries);
    palette->flags.resize(record->palNumEntries);
    for (std::size_t i = 0; i < record->palNumEntries; ++i) {
        palette->colours.Set(i, RgbFromEntry(record->palPalEntry[i]));
        palette->flags[i] = record->palPalEntry[i].peFlags;
    }
    GdiLock lock;
    return MakeHandle<HPALETTE>(Adopt(std::move(palette)));
}

HPALETTE SelectPalette(HDC handle, HPALETTE paletteHandle, BOOL /*forceBackground*/) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    Palette* palette = Find<Palette>(paletteHandle);
    if (!dc || !palette) return nullptr;
    Palette* previous = Replace(dc->palette, palette);
    return MakeHandle<HPALETTE>(previous->handle);
}

UINT RealizePalette(HDC handle) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return GDI_ERROR;
    return static_cast<UINT>(dc->palette->colours.Size());
}

UINT SetPaletteEntries(HPALETTE handle, UINT start, UINT count, const PALETTEENTRY* entries) {
    if (!entries) return 0;
    GdiLock lock;
    Palette* palette = Find<Palette>(handle);
    if (!palette || palette->stock) return 0;  // the stock palette never changes
    const UINT n = EntriesInRange(palette->colours.Size(), start, count);
    for (UINT i = 0; i < n; ++i) {
        palette->colours.Set(start + i, RgbFromEntry(entries[i]));
        palette->flags[start + i] = entries[i].peFlags;
    }
    return n;
}

UINT GetPaletteEntries(HPALETTE handle, UINT start, UINT count, PALETTEENTRY* entries) {
    GdiLock lock;
    Palette* palette = Find<Palette>(handle);
    if (!palette) return 0;
    // Asked with no buffer, Windows answers with the palette's size.
    if (!entries) return static_cast<UINT>(palette->colours.Size());
    const UINT n = EntriesInRange(palette->colours.Size(), start, count);
    for (UINT i = 0; i < n; ++i) {
        const Rgb c = palette->colours.At(start + i);
        entries[i] = PALETTEENTRY{static_cast<BYTE>(RedOf(c)), static_cast<BYTE>(GreenOf(c)), static_cast<BYTE>(BlueOf(c)),
                                  palette->flags[start + i]};
    }
    return n;
}

BOOL ResizePalette(HPALETTE handle, UINT count) {
    if (!ValidPaletteSize(count)) return FALSE;
    GdiLock lock;
    Palette* palette = Find<Palette>(handle);
    if (!palette || palette->stock) return FALSE;
    palette->colours.Resize(count);
    palette->flags.resize(count, 0);
    return TRUE;
}

UINT GetNearestPaletteIndex(HPALETTE handle, COLORREF colour) {
    GdiLock lock;
    Palette* palette = Find<Palette>(handle);
    if (!palette) return CLR_INVALID;
    return palette->colours.Nearest(RgbFromColorref(colour));
}

}  // namespace lumenbox::win
