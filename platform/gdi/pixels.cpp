// Single pixels. GetPixel runs tens of thousands of times a frame: one
// mutex, one lookup, no allocation, no copy of the DC's target, and for a
// memory DC at 8 or 32 bits no call at all. SetPixel and SetPixelV combine
// the colour with the pixel under the DC's raster operation, as Windows
// does; a caller that wants the plain colour keeps R2_COPYPEN.
#include "platform/gdi/draw_target.h"
#include "platform/gdi/raster_ops.h"

namespace lumenbox::win {

using namespace detail;

namespace {

constexpr COLORREF kSetPixelFailed = static_cast<COLORREF>(-1);

// Writes one pixel under the DC's ROP2; `shown` receives the COLORREF the
// pixel shows afterwards (or, on the screen DC, which keeps nothing, the
// colour it would have drawn). False outside the visible area. GDI mutex
// held.
bool WritePixel(DeviceContext& dc, int x, int y, COLORREF colour, COLORREF& shown) {
    DrawTarget target;
    if (!TargetOf(dc, target)) {
        target.palette = dc.palette;  // a direct target: PALETTEINDEX means a palette entry
        shown = ColorrefFromRgb(PixelValueOf(target, colour));
        return true;
    }
    if (!target.Contains(x, y)) return false;
    const std::uint32_t pen = PixelValueOf(target, colour);
    const Rop2Writer writer(target, dc.rop2);
    std::uint32_t result;
    {
        SurfacePixelsLock pixels(target.surface, true);
        result = writer.Result(x, y, pen);
        target.view.format->set(target.view.Row(y), x, result);
    }
    shown = ColorrefOfPixel(target, result);
    return true;
}

// GetPixel on any DC, the GDI mutex held by the caller; gives it back.
[[gnu::noinline]] COLORREF GetPixelHeld(GdiState& gdi, HDC handle, int x, int y) {
    std::lock_guard<WordMutex> lock(gdi.mutex, std::adopt_lock);
    DeviceContext* dc = Find<DeviceContext>(gdi, handle);
    if (!dc || dc->kind == DcKind::Screen) return CLR_INVALID;
    const ResolvedPixels& pixels = CurrentPixels(*dc);
    if (!Visible(*dc, pixels, x, y)) return CLR_INVALID;
    std::uint32_t value;
    {
        SurfacePixelsLock lockedPixels(pixels.surface, false);
        value = StoredValue(pixels.view, x, y);
    }
    return ColorrefOfPixel(pixels.table, value);
}

// Whether GetPixel's common case serves the DC: a memory DC, whose pixels
// have no surface mutex to take, read in place.
bool ReadsInPlace(const DeviceContext& dc) { return dc.kind == DcKind::Memory && InPlaceDepth(dc); }

}  // namespace

COLORREF GetPixel(HDC handle, int x, int y) {
    GdiState* const gdi = TryLockGdi();
    if (!gdi) [[unlikely]]
        return LockGdiThen<GetPixelHeld>(handle, x, y);
    const DeviceContext* dc = Find<DeviceContext>(*gdi, handle);
    if (!dc || !ReadsInPlace(*dc)) [[unlikely]]
        return GetPixelHeld(*gdi, handle, x, y);
    const ResolvedPixels& pixels = dc->pixels;
    const COLORREF colour =
        Visible(*dc, pixels, x, y) ? ColorrefOfPixel(pixels.table, StoredValue(pixels.view, x, y)) : CLR_INVALID;
    return gdi->mutex.UnlockReturning(colour);
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF colour) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    COLORREF shown = 0;
    if (!dc || !WritePixel(*dc, x, y, colour, shown)) return kSetPixelFailed;
    return shown;
}

BOOL SetPixelV(HDC handle, int x, int y, COLORREF colour) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    COLORREF shown = 0;
    if (!dc || !WritePixel(*dc, x, y, colour, shown)) return FALSE;
    return TRUE;
}

}  // namespace lumenbox::win
