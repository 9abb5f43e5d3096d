// DCs over display surfaces, made and destroyed by the user layer for its
// windows and for the screen.
#include "platform/gdi/surface_dc.h"

#include <utility>

#include "platform/gdi/device_context.h"

namespace lumenbox::win::detail {

HDC CreateWindowSurfaceDC(std::shared_ptr<display::Surface> surface) {
    if (!surface) return nullptr;
    GdiLock lock;
    auto dc = NewDeviceContext(DcKind::WindowSurface);
    dc->surface = std::move(surface);
    return MakeHandle<HDC>(Adopt(std::move(dc)));
}

HDC CreateScreenDC(const display::ScreenInfo& screen) {
    GdiLock lock;
    auto dc = NewDeviceContext(DcKind::Screen);
    dc->screen = screen;
    return MakeHandle<HDC>(Adopt(std::move(dc)));
}

BOOL DestroySurfaceDC(HDC handle) {
    std::unique_ptr<GdiObject> gone;
    {
        GdiLock lock;
        DeviceContext* dc = Find<DeviceContext>(handle);
        if (!dc || dc->kind == DcKind::Memory) return FALSE;
        ReleaseSelections(*dc);
        gone = Gdi().objects.Erase(dc->handle);
    }
    // The last reference to a window's surface may go here; let it go
    // outside the GDI mutex.
    return TRUE;
}

}  // namespace lumenbox::win::detail
