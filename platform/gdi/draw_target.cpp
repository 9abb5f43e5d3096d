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

namespace {

// index mod size, without a division for the usual power-of-two tables.
std::size_t Wrap(std::size_t index, std::size_t size) {
    return (size & (size - 1)) == 0 ? index & (size - 1) : index % size;
}

}  // namespace

std::uint32_t PixelValueOf(const DrawTarget& target, COLORREF colour) {
    if (target.table) {
        if (IsPaletteIndex(colour)) return static_cast<std::uint32_t>(Wrap(PaletteIndexOf(colour), target.table->Size()));
        return target.table->Nearest(RgbFromColorref(colour));
    }
    if (IsPaletteIndex(colour)) {
        const ColourTable& entries = target.palette->colours;
        return entries.At(Wrap(PaletteIndexOf(colour), entries.Size()));
    }
    return RgbFromColorref(colour);
}

}  // namespace lumenbox::win::detail
