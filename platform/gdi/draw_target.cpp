// Turning a DC into the pixels it draws on, and colours into pixel values.
#include "platform/gdi/draw_target.h"

#include <algorithm>

namespace lumenbox::win::detail {

RECT SurfaceBounds(const DeviceContext& dc) {
    switch (dc.kind) {
        case DcKind::Memory: return RECT{0, 0, dc.bitmap->width, dc.bitmap->height};
        case DcKind::WindowSurface: return RECT{0, 0, dc.surface->Width(), dc.surface->Height()};
        case DcKind::Screen: return RECT{0, 0, std::max(dc.screen.width, 0), std::max(dc.screen.height, 0)};
    }
    return RECT{0, 0, 0, 0};
}

void ResolvePixels(DeviceContext& dc) {
    ResolvedPixels& resolved = dc.pixels;
    if (dc.kind == DcKind::Memory) {
        Bitmap& bitmap = *dc.bitmap;
        resolved.key = bitmap.handle;
        resolved.view = bitmap.View();
        resolved.table = bitmap.Indexed() ? &bitmap.table : nullptr;
        resolved.surface = nullptr;
    } else {
        display::Surface& surface = *dc.surface;
        resolved.key = ResolvedPixels::kSurface;
        resolved.view = PixelView{reinterpret_cast<std::uint8_t*>(surface.Pixels()),
                                  static_cast<std::ptrdiff_t>(surface.Width()) * 4, surface.Width(), surface.Height(),
                                  PixelFormatFor(32)};
        resolved.table = nullptr;
        resolved.surface = &surface;
    }
    resolved.bounds = SurfaceBounds(dc);
}

std::uint32_t PixelValueOf(const DrawTarget& target, COLORREF colour) {
    std::uint32_t value;
    if (PixelValueWithoutSearch(target.table, target.palette, colour, value)) return value;
    return target.table->Nearest(RgbFromColorref(colour));
}

}  // namespace lumenbox::win::detail
