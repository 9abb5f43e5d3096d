// Rectangle regions and DC clip regions. A DC keeps its own copy of the
// clip rectangle, so the region handle may be deleted right after selection.
#include <algorithm>
#include <memory>

#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_target.h"

namespace lumenbox::win {

using namespace detail;

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    const RECT rect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    GdiLock lock;
    return MakeHandle<HRGN>(Adopt(std::make_unique<Region>(rect)));
}

int SelectClipRgn(HDC handle, HRGN regionHandle) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return REGION_ERROR;
    const Region* region = nullptr;
    if (regionHandle) {
        region = Find<Region>(regionHandle);
        if (!region) return REGION_ERROR;
    }
    return SelectClip(*dc, region);
}

int GetClipRgn(HDC handle, HRGN regionHandle) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    Region* region = Find<Region>(regionHandle);
    if (!dc || !region) return -1;
    if (!dc->hasClip) return 0;
    region->rect = dc->clip;
    return 1;
}

int GetClipBox(HDC handle, RECT* box) {
    if (!box) return REGION_ERROR;
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return REGION_ERROR;
    const RECT bounds = SurfaceBounds(*dc);
    RECT visible = dc->hasClip ? Intersect(bounds, dc->clip) : bounds;
    if (IsEmpty(visible)) visible = RECT{0, 0, 0, 0};
    *box = visible;
    return RegionTypeOf(visible);
}

}  // namespace lumenbox::win
