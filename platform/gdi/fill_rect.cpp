// FillRect and SetRect. The fill copies the brush: raster operations do not
// apply, and the rectangle is clipped to the surface and the clip region.
#include <array>

#include "platform/gdi/brush_fills.h"
#include "platform/gdi/draw_target.h"

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

}  // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brushHandle) {
    if (!rect) return 0;
    GdiLock lock;
    const GdiState& gdi = lock.State();
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

}  // namespace lumenbox::win
