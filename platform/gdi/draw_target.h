// What a DC draws on, gathered once per call: the pixels, the colour table
// of an indexed bitmap, the DC's logical palette, the window surface whose
// mutex guards the pixels, and the visible part (surface bounds narrowed by
// the clip region).
#pragma once

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

// The DC's target; false when it has no pixels (a screen DC draws nothing).
bool TargetOf(DeviceContext& dc, DrawTarget& target);

// The DC's surface bounds (0, 0, width, height), whether or not it draws.
RECT SurfaceBounds(const DeviceContext& dc);

// Intersection of two rectangles; empty ones come out with right <= left
// or bottom <= top.
RECT Intersect(const RECT& a, const RECT& b);
bool IsEmpty(const RECT& r);

// The stored pixel value of a colour handed to this DC: PALETTEINDEX(i) is
// index i (modulo the table size) on an indexed target and entry i of the
// DC's palette on a direct one; a COLORREF is the nearest colour-table entry
// or itself.
std::uint32_t PixelValueOf(const DrawTarget& target, COLORREF colour);

// The COLORREF a stored pixel value shows.
COLORREF ColorrefOfPixel(const DrawTarget& target, std::uint32_t value);

// Holds a window surface's mutex (taken after the GDI mutex) while pixels
// are read or written, and marks the surface changed if they were written.
class SurfacePixelsLock {
public:
    SurfacePixelsLock(display::Surface* surface, bool writing);
    ~SurfacePixelsLock();
    SurfacePixelsLock(const SurfacePixelsLock&) = delete;
    SurfacePixelsLock& operator=(const SurfacePixelsLock&) = delete;

private:
    display::Surface* surface_;
    bool writing_;
};

}  // namespace lumenbox::win::detail
