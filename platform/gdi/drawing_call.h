// The frame every drawing call shares: the GDI mutex taken once, the DC
// looked up, its target resolved, and for a window surface the surface's
// lock held for writing, each once for the whole call, never per pixel.
#pragma once

#include "platform/gdi/draw_target.h"

namespace lumenbox::win::detail {

// Runs draw(dc, target) inside that frame and returns its result. FALSE for
// a bad DC; TRUE without drawing on the screen DC, which keeps nothing.
template <class Draw>
BOOL DrawOnDc(HDC handle, Draw&& draw) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return FALSE;
    DrawTarget target;
    if (!TargetOf(*dc, target)) return TRUE;
    SurfacePixelsLock pixels(target.surface, true);
    return draw(*dc, target);
}

}  // namespace lumenbox::win::detail
