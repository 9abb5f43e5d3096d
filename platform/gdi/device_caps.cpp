// What a DC's surface is: its size and depth.
#include "platform/gdi/draw_target.h"

namespace lumenbox::win {

using namespace detail;

namespace {

int DepthOf(const DeviceContext& dc) {
    switch (dc.kind) {
        case DcKind::Memory: return dc.bitmap->bitsPerPixel;
        case DcKind::WindowSurface: return 32;
        case DcKind::Screen: return dc.screen.bitsPerPixel;
    }
    return 0;
}

}  // namespace

int GetDeviceCaps(HDC handle, int index) {
    GdiLock lock;
    const DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return 0;
    const int depth = DepthOf(*dc);
    const bool indexed = depth > 0 && depth <= 8;
    switch (index) {
        case HORZRES: return SurfaceBounds(*dc).right;
        case VERTRES: return SurfaceBounds(*dc).bottom;
        case BITSPIXEL: return depth;
        case PLANES: return 1;
        // Windows answers -1 colours for a direct-colour device.
        case NUMCOLORS: return indexed ? (1 << depth) : -1;
        case RASTERCAPS: return indexed ? RC_PALETTE : 0;
        case SIZEPALETTE: return indexed ? (1 << depth) : 0;
        default: return 0;
    }
}

}  // namespace lumenbox::win
