// Polygon and the DC's polygon fill mode.
#include <cstddef>

#include "platform/gdi/brush_spans.h"
#include "platform/gdi/drawing_call.h"
#include "platform/gdi/pen_strokes.h"
#include "platform/gdi/polygon_fill.h"

namespace lumenbox::win {

using namespace detail;

BOOL Polygon(HDC handle, const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    const auto n = static_cast<std::size_t>(count);
    return DrawOnDc(handle, [&](DeviceContext& dc, const DrawTarget& target) {
        if (dc.brush->record.lbStyle != BS_NULL) {
            RowSpans interior;
            CoverPolygon(interior, points, n, dc.polyFillMode, target.visible);
            PaintBrushSpans(target, dc, interior);
        }
        PenStroke(target, dc).Polyline(points, n, true);
        return TRUE;
    });
}

int SetPolyFillMode(HDC handle, int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return 0;
    const int previous = dc->polyFillMode;
    dc->polyFillMode = mode;
    return previous;
}

int GetPolyFillMode(HDC handle) {
    GdiLock lock;
    const DeviceContext* dc = Find<DeviceContext>(handle);
    return dc ? dc->polyFillMode : 0;
}

}  // namespace lumenbox::win
