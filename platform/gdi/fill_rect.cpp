// FillRect and SetRect. The fill copies the brush: raster operations do not
// apply, and the rectangle is clipped to the surface and the clip region.
// A small solid block, a drawing program's most frequent fill, is painted in
// place: without a call on a memory DC, under the surface's mutex alone on
// a window.
#include <array>

#include "platform/gdi/brush_fills.h"
#include "platform/gdi/draw_target.h"
#include "platform/gdi/short_spans.h"

namespace lumenbox::win {

using namespace detail;

namespace {

// FillRect also takes a system colour index + 1 in place of a brush, as
// window classes give their background. Windows' classic colours.
constexpr std::array<COLORREF, 31> kSystemColours = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128), RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255),
    RGB(192, 192, 192), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(180, 180, 180), RGB(0, 0, 255),     RGB(16, 132, 208),  RGB(181, 181, 181), RGB(49, 106, 197),
    RGB(240, 240, 240),
};

// The system colour a small brush value stands for, or nothing.
bool SystemColourOf(HBRUSH brush, COLORREF& colour) {
    const std::uintptr_t value = HandleValue(brush);
    if (value < 1 || value > kSystemColours.size()) return false;
    colour = kSystemColours[value - 1];
    return true;
}

// FillRect on any DC with any brush, the GDI mutex held by the caller;
// gives it back.
[[gnu::noinline]] int FillRectHeld(GdiState& gdi, HDC handle, const RECT* rect, HBRUSH brushHandle) {
    std::lock_guard<WordMutex> lock(gdi.mutex, std::adopt_lock);
    DeviceContext* dc = Find<DeviceContext>(gdi, handle);
    if (!dc) return 0;
    const Brush* brush = Find<Brush>(gdi, brushHandle);
    COLORREF systemColour = 0;
    if (!brush && !SystemColourOf(brushHandle, systemColour)) return 0;
    DrawTarget target;
    if (!TargetOf(*dc, target)) return 1;  // the screen DC keeps nothing
    const RECT area = Intersect(*rect, target.visible);
    if (IsEmpty(area)) return 1;
    if (brush && brush->record.lbStyle == BS_NULL) return 1;
    // A solid brush, a drawing program's usual fill, goes straight to the
    // solid painter; its colour resolves before the surface is locked.
    const bool solid = !brush || brush->record.lbStyle == BS_SOLID;
    const std::uint32_t value = solid ? PixelValueOf(target, brush ? brush->record.lbColor : systemColour) : 0;
    SurfacePixelsLock pixels(target.surface, true);
    if (solid)
        PaintSolid(target, value, area);
    else
        PaintWithBrush(target, *dc, *brush, area);
    return 1;
}

// Whether the block's rows are short runs, which FillSmallBlock writes with
// a few stores each. The view is 8 or 32 bits a pixel.
bool IsSmallBlock(const PixelView& view, const RECT& area) {
    const auto pixelBytes = static_cast<std::size_t>(view.format->bitsPerPixel / 8);
    return static_cast<std::size_t>(area.right - area.left) * pixelBytes <= kShortRunBytes;
}

// Paints a small block (IsSmallBlock) of an 8- or 32-bit view. Calls nothing.
[[gnu::always_inline]] inline void FillSmallBlock(const PixelView& view, const RECT& area, std::uint32_t value) {
    const bool bytes = view.format->bitsPerPixel == 8;
    const std::size_t pixelBytes = bytes ? 1 : 4;
    std::uint8_t* const first = view.Row(area.top) + static_cast<std::size_t>(area.left) * pixelBytes;
    const std::size_t runBytes = static_cast<std::size_t>(area.right - area.left) * pixelBytes;
    StoreShortRuns(first, view.pitch, area.bottom - area.top, runBytes,
                   bytes ? RepeatedValue::OfByte(static_cast<std::uint8_t>(value)) : RepeatedValue::OfWord(value));
}

// A window's small block: under the surface's mutex, which FillRect's own
// path does not take, so that the canvas's fills call nothing. Gives the GDI
// mutex back.
[[gnu::noinline]] int FillSmallBlockOnSurface(GdiState& gdi, const ResolvedPixels& pixels, RECT area,
                                              std::uint32_t value) {
    std::lock_guard<WordMutex> lock(gdi.mutex, std::adopt_lock);
    SurfacePixelsLock locked(pixels.surface, true);
    FillSmallBlock(pixels.view, area, value);
    return 1;
}

}  // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brushHandle) {
    if (!rect) return 0;
    GdiState* const gdi = TryLockGdi();
    if (!gdi) [[unlikely]]
        return LockGdiThen<FillRectHeld>(handle, rect, brushHandle);
    const DeviceContext* dc = Find<DeviceContext>(*gdi, handle);
    const Brush* brush = Find<Brush>(*gdi, brushHandle);
    std::uint32_t value;
    if (!dc || !brush || brush->record.lbStyle != BS_SOLID || dc->kind == DcKind::Screen || !InPlaceDepth(*dc) ||
        !PixelValueWithoutSearch(dc->pixels.table, dc->palette, brush->record.lbColor, value)) [[unlikely]]
        return FillRectHeld(*gdi, handle, rect, brushHandle);
    const ResolvedPixels& pixels = dc->pixels;
    const RECT area = Intersect(*rect, dc->hasClip ? Intersect(pixels.bounds, dc->clip) : pixels.bounds);
    if (IsEmpty(area)) return gdi->mutex.UnlockReturning(1);
    if (!IsSmallBlock(pixels.view, area)) [[unlikely]]
        return FillRectHeld(*gdi, handle, rect, brushHandle);
    if (pixels.surface) return FillSmallBlockOnSurface(*gdi, pixels, area, value);
    FillSmallBlock(pixels.view, area, value);
    return gdi->mutex.UnlockReturning(1);
}

}  // namespace lumenbox::win
