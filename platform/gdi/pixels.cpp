// Single pixels. GetPixel runs tens of thousands of times a frame: one
// mutex, one lookup, no allocation.
#include "platform/gdi/draw_target.h"

namespace lumenbox::win {

using namespace detail;

COLORREF GetPixel(HDC handle, int x, int y) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    DrawTarget target;
    if (!dc || !TargetOf(*dc, target) || !target.Contains(x, y)) return CLR_INVALID;
    std::uint32_t value;
    {
        SurfacePixelsLock pixels(target.surface, false);
        value = target.view.format->get(target.view.Row(y), x);
    }
    return ColorrefOfPixel(target, value);
}

BOOL SetPixelV(HDC handle, int x, int y, COLORREF colour) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return FALSE;
    DrawTarget target;
    // The screen DC accepts drawing and keeps none of it.
    if (!TargetOf(*dc, target)) return TRUE;
    if (!target.Contains(x, y)) return FALSE;
    const std::uint32_t value = PixelValueOf(target, colour);
    SurfacePixelsLock pixels(target.surface, true);
    target.view.format->set(target.view.Row(y), x, value);
    return TRUE;
}

}  // namespace lumenbox::win
