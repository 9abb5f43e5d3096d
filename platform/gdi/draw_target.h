// What a DC draws on, gathered once per call: the pixels, the colour table
// of an indexed bitmap, the DC's logical palette, the window surface whose
// mutex guards the pixels, and the visible part (surface bounds narrowed by
// the clip region).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win::detail {

struct DrawTarget {
    PixelView view;
    ColourTable* table = nullptr;       // indexed bitmap: its colour table
    Palette* palette = nullptr;         // the DC's logical palette
    display::Surface* surface = nullptr;  // window surface: lock and mark it
    RECT visible{};                     // device coordinates, may be empty

    bool Contains(int x, int y) const {
        return x >= visible.left && x < visible.right && y >= visible.top && y < visible.bottom;
    }
};

// Works out what the DC's selected bitmap or surface is, into dc.pixels.
void ResolvePixels(DeviceContext& dc);

// Intersection of two rectangles; empty ones come out with right <= left
// or bottom <= top. Inline, as every fill and pixel call clips.
inline RECT Intersect(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}
inline bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Whether dc.pixels describes what the DC holds now. The DC must not be the
// screen's.
inline bool PixelsResolved(const DeviceContext& dc) {
    const std::uintptr_t key = dc.kind == DcKind::Memory ? dc.bitmap->handle : ResolvedPixels::kSurface;
    return dc.pixels.key == key;
}

// The DC's target; false when it has no pixels (a screen DC draws nothing).
// Inline, as every pixel call asks for it: the work is in ResolvePixels,
// once per selected bitmap.
inline bool TargetOf(DeviceContext& dc, DrawTarget& target) {
    if (dc.kind == DcKind::Screen) return false;
    const ResolvedPixels& resolved = dc.pixels;
    if (!PixelsResolved(dc)) ResolvePixels(dc);
    target.view = resolved.view;
    target.table = resolved.table;
    target.surface = resolved.surface;
    target.palette = dc.palette;
    target.visible = dc.hasClip ? Intersect(resolved.bounds, dc.clip) : resolved.bounds;
    return true;
}

// The DC's resolved pixels, brought up to date; the DC must not be the
// screen's. For calls that touch one pixel and need nothing else of a
// DrawTarget.
inline const ResolvedPixels& CurrentPixels(DeviceContext& dc) {
    if (!PixelsResolved(dc)) ResolvePixels(dc);
    return dc.pixels;
}

// Whether the DC's pixels are 8 or 32 bits a pixel and already resolved:
// the depths and the state in which the calls a drawing program makes most
// read and write them in place, without a call. The DC must not be the
// screen's.
inline bool InPlaceDepth(const DeviceContext& dc) {
    if (!PixelsResolved(dc)) return false;
    const unsigned depth = dc.pixels.view.format->bitsPerPixel;
    return depth == 8 || depth == 32;
}

// Whether (x, y) is inside the DC's surface and clip region.
inline bool Visible(const DeviceContext& dc, const ResolvedPixels& pixels, int x, int y) {
    const RECT& bounds = pixels.bounds;
    if (x < bounds.left || x >= bounds.right || y < bounds.top || y >= bounds.bottom) return false;
    if (!dc.hasClip) return true;
    return x >= dc.clip.left && x < dc.clip.right && y >= dc.clip.top && y < dc.clip.bottom;
}

// The stored value of one pixel; 8 and 32 bits, the depths a program reads
// most, without a call through the format table.
inline std::uint32_t StoredValue(const PixelView& view, int x, int y) {
    const std::uint8_t* row = view.Row(y);
    switch (view.format->bitsPerPixel) {
        case 8: return row[x];
        case 32: return reinterpret_cast<const std::uint32_t*>(row)[x] & 0x00FFFFFFu;
        default: return view.format->get(row, x);
    }
}

// The DC's surface bounds (0, 0, width, height), whether or not it draws.
RECT SurfaceBounds(const DeviceContext& dc);

// index mod size, without a division for the usual power-of-two tables.
inline std::size_t WrapIndex(std::size_t index, std::size_t size) {
    return (size & (size - 1)) == 0 ? index & (size - 1) : index % size;
}

// PixelValueOf for every colour but a COLORREF on an indexed target, which
// needs a search of the colour table (false, `value` untouched). Inline: a
// fill's colour resolves without a call.
inline bool PixelValueWithoutSearch(const ColourTable* table, const Palette* palette, COLORREF colour,
                                    std::uint32_t& value) {
    if (table) {
        if (!IsPaletteIndex(colour)) return false;
        value = static_cast<std::uint32_t>(WrapIndex(PaletteIndexOf(colour), table->Size()));
        return true;
    }
    if (IsPaletteIndex(colour)) {
        const ColourTable& entries = palette->colours;
        value = entries.At(WrapIndex(PaletteIndexOf(colour), entries.Size()));
        return true;
    }
    value = RgbFromColorref(colour);
    return true;
}

// The stored pixel value of a colour handed to this DC: PALETTEINDEX(i) is
// index i (modulo the table size) on an indexed target and entry i of the
// DC's palette on a direct one; a COLORREF is the nearest colour-table entry
// or itself.
std::uint32_t PixelValueOf(const DrawTarget& target, COLORREF colour);

// The COLORREF a stored pixel value shows, given its colour table (none for
// direct pixels).
inline COLORREF ColorrefOfPixel(const ColourTable* table, std::uint32_t value) {
    return ColorrefFromRgb(table ? table->At(value) : value);
}
inline COLORREF ColorrefOfPixel(const DrawTarget& target, std::uint32_t value) {
    return ColorrefOfPixel(target.table, value);
}

// Holds a window surface's mutex (taken after the GDI mutex) while pixels
// are read or written, and marks the surface changed if they were written.
class SurfacePixelsLock {
public:
    // Inline, as every pixel call holds one: a memory DC's pixels (no
    // surface) cost a test, a window's the mutex.
    SurfacePixelsLock(display::Surface* surface, bool writing) : surface_(surface), writing_(writing) {
        if (surface_) Lock();
    }
    ~SurfacePixelsLock() {
        if (surface_) Unlock();
    }
    SurfacePixelsLock(const SurfacePixelsLock&) = delete;
    SurfacePixelsLock& operator=(const SurfacePixelsLock&) = delete;

private:
    void Lock() { surface_->Mutex().lock(); }
    void Unlock() {
        if (writing_) surface_->MarkChanged();
        surface_->Mutex().unlock();
    }

    display::Surface* surface_;
    bool writing_;
};

}  // namespace lumenbox::win::detail
