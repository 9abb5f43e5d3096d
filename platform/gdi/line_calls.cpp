// LineTo and Polyline: the DC's pen along a path of points.
#include <cstddef>

#include "platform/gdi/drawing_call.h"
#include "platform/gdi/pen_strokes.h"

namespace lumenbox::win {

using namespace detail;

BOOL LineTo(HDC handle, int x, int y) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return FALSE;
    const POINT path[2] = {dc->position, POINT{x, y}};
    dc->position = path[1];
    DrawTarget target;
    if (!TargetOf(*dc, target) || dc->pen->record.lopnStyle == PS_NULL) return TRUE;
    SurfacePixelsLock pixels(target.surface, true);
    PenStroke(target, *dc).Polyline(path, 2, false);
    return TRUE;
}

BOOL Polyline(HDC handle, const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    return DrawOnDc(handle, [&](DeviceContext& dc, const DrawTarget& target) {
        PenStroke(target, dc).Polyline(points, static_cast<std::size_t>(count), false);
        return TRUE;
    });
}

}  // namespace lumenbox::win
