// Making and deleting memory DCs, and choosing what a DC holds.
#include "platform/gdi/device_context.h"

#include <cstdint>

#include "platform/gdi/draw_target.h"

namespace lumenbox::win::detail {

std::unique_ptr<DeviceContext> NewDeviceContext(DcKind kind) {
    const StockObjects& stock = Gdi().stock;
    auto dc = std::make_unique<DeviceContext>(kind);
    Replace(dc->pen, stock.blackPen);
    Replace(dc->brush, stock.whiteBrush);
    Replace(dc->font, stock.systemFont);
    Replace(dc->palette, stock.defaultPalette);
    if (kind == DcKind::Memory) Replace(dc->bitmap, stock.monoBitmap);
    return dc;
}

void ReleaseSelections(DeviceContext& dc) {
    Replace(dc.pen, static_cast<Pen*>(nullptr));
    Replace(dc.brush, static_cast<Brush*>(nullptr));
    Replace(dc.font, static_cast<Font*>(nullptr));
    Replace(dc.palette, static_cast<Palette*>(nullptr));
    if (Bitmap* bitmap = Replace(dc.bitmap, static_cast<Bitmap*>(nullptr)); bitmap && bitmap->selectedIn == &dc)
        bitmap->selectedIn = nullptr;
}

int RegionTypeOf(const RECT& rect) { return IsEmpty(rect) ? NULLREGION : SIMPLEREGION; }

int SelectClip(DeviceContext& dc, const Region* region) {
    if (!region) {
        dc.hasClip = false;
        return SIMPLEREGION;
    }
    dc.hasClip = true;
    dc.clip = region->rect;
    return RegionTypeOf(dc.clip);
}

namespace {

HGDIOBJ HandleOf(const GdiObject* object) { return object ? MakeHandle<HGDIOBJ>(object->handle) : nullptr; }

// A bitmap goes into one memory DC at a time (the shared stock bitmap
// excepted), and never into a window's or the screen's DC.
HGDIOBJ SelectBitmap(DeviceContext& dc, Bitmap& bitmap) {
    if (dc.kind != DcKind::Memory) return nullptr;
    if (!bitmap.stock && bitmap.selectedIn && bitmap.selectedIn != &dc) return nullptr;
    Bitmap* previous = Replace(dc.bitmap, &bitmap);
    if (previous->selectedIn == &dc) previous->selectedIn = nullptr;
    if (!bitmap.stock) bitmap.selectedIn = &dc;
    return HandleOf(previous);
}

HGDIOBJ SelectInto(DeviceContext& dc, GdiObject& object) {
    switch (object.type) {
        case OBJ_PEN: return HandleOf(Replace(dc.pen, static_cast<Pen*>(&object)));
        case OBJ_BRUSH: return HandleOf(Replace(dc.brush, static_cast<Brush*>(&object)));
        case OBJ_FONT: return HandleOf(Replace(dc.font, static_cast<Font*>(&object)));
        case OBJ_BITMAP: return SelectBitmap(dc, static_cast<Bitmap&>(object));
        case OBJ_REGION:
            return MakeHandle<HGDIOBJ>(static_cast<std::uintptr_t>(SelectClip(dc, &static_cast<Region&>(object))));
        default: return nullptr;  // palettes go through SelectPalette; DCs select nothing
    }
}

// SelectObject with any object, the GDI mutex held by the caller; gives it
// back. Pens and brushes, which a drawing program changes for nearly every
// shape, are selected without a call by SelectObject itself.
[[gnu::noinline]] HGDIOBJ SelectObjectHeld(GdiState& gdi, HDC handle, HGDIOBJ object) {
    std::lock_guard<WordMutex> lock(gdi.mutex, std::adopt_lock);
    DeviceContext* dc = Find<DeviceContext>(gdi, handle);
    GdiObject* target = FindAny(gdi, object);
    if (!dc || !target) return nullptr;
    return SelectInto(*dc, *target);
}

}  // namespace

}  // namespace lumenbox::win::detail

namespace lumenbox::win {

using namespace detail;

HDC CreateCompatibleDC(HDC reference) {
    GdiLock lock;
    if (reference && !Find<DeviceContext>(reference)) return nullptr;
    return MakeHandle<HDC>(Adopt(NewDeviceContext(DcKind::Memory)));
}

BOOL DeleteDC(HDC handle) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc || dc->kind != DcKind::Memory) return FALSE;
    ReleaseSelections(*dc);
    Gdi().objects.Erase(dc->handle);
    return TRUE;
}

HGDIOBJ GetCurrentObject(HDC handle, UINT type) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return nullptr;
    switch (type) {
        case OBJ_PEN: return HandleOf(dc->pen);
        case OBJ_BRUSH: return HandleOf(dc->brush);
        case OBJ_FONT: return HandleOf(dc->font);
        case OBJ_PAL: return HandleOf(dc->palette);
        case OBJ_BITMAP: return HandleOf(dc->bitmap);
        default: return nullptr;
    }
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    GdiState* const gdi = TryLockGdi();
    if (!gdi) [[unlikely]]
        return LockGdiThen<SelectObjectHeld>(handle, object);
    DeviceContext* dc = Find<DeviceContext>(*gdi, handle);
    GdiObject* target = FindAny(*gdi, object);
    if (!dc || !target) [[unlikely]]
        return SelectObjectHeld(*gdi, handle, object);
    HGDIOBJ previous;
    switch (target->type) {
        case OBJ_PEN: previous = HandleOf(Replace(dc->pen, static_cast<Pen*>(target))); break;
        case OBJ_BRUSH: previous = HandleOf(Replace(dc->brush, static_cast<Brush*>(target))); break;
        default: return SelectObjectHeld(*gdi, handle, object);
    }
    return gdi->mutex.UnlockReturning(previous);
}

}  // namespace lumenbox::win
