// Calls that work on any GDI object: deletion, type, description.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {

using namespace detail;

namespace {

bool InUse(const GdiObject& object) {
    if (object.selections > 0) return true;
    return object.type == OBJ_BITMAP && static_cast<const Bitmap&>(object).selectedIn;
}

// Copies `record` into `out` (at most `size` bytes); with no buffer, the
// size a full copy needs, as Windows answers.
template <class Record>
int CopyOut(const Record& record, int size, void* out) {
    if (!out) return static_cast<int>(sizeof(Record));
    if (size <= 0) return 0;
    const std::size_t n = std::min(static_cast<std::size_t>(size), sizeof(Record));
    std::memcpy(out, &record, n);
    return static_cast<int>(n);
}

BITMAP DescriptionOf(Bitmap& bitmap) {
    BITMAP record{};
    record.bmWidth = bitmap.width;
    record.bmHeight = bitmap.height;
    record.bmWidthBytes = static_cast<LONG>(bitmap.stride);
    record.bmPlanes = 1;
    record.bmBitsPixel = static_cast<WORD>(bitmap.bitsPerPixel);
    // The stock bitmap is no DIB section: its pixels are not the caller's.
    record.bmBits = bitmap.stock ? nullptr : bitmap.storage.data();
    return record;
}

// Whether a deleted object is kept for reuse: a brush without a pattern (a
// pattern brush is freed, taking its pattern with it), while there is room.
bool Keepable(const GdiState& gdi, const GdiObject& object) {
    if (object.type != OBJ_BRUSH || static_cast<const Brush&>(object).pattern) return false;
    return !gdi.spareBrushes.Full();
}

// Takes a live, unused, keepable brush out of the table into the spares.
// Calls nothing.
void KeepAsSpare(GdiState& gdi, GdiObject& brush) {
    SpareBrushes& spares = gdi.spareBrushes;
    gdi.objects.EraseInto(brush.handle, spares.Vacancy());
    ++spares.count;
    brush.handle = 0;
}

// DeleteObject of any object, the GDI mutex held by the caller; gives it
// back. An object it frees is freed after the mutex is released, so other
// threads' calls need not wait for it.
[[gnu::noinline]] BOOL DeleteObjectHeld(GdiState& gdi, HGDIOBJ handle) {
    std::unique_ptr<GdiObject> gone;
    {
        std::lock_guard<WordMutex> lock(gdi.mutex, std::adopt_lock);
        GdiObject* object = FindAny(gdi, handle);
        if (!object || object->type == OBJ_DC || object->type == OBJ_MEMDC) return FALSE;
        if (object->stock) return TRUE;
        if (InUse(*object)) return FALSE;
        if (Keepable(gdi, *object))
            KeepAsSpare(gdi, *object);
        else
            gone = gdi.objects.Erase(object->handle);
    }
    return TRUE;
}

}  // namespace

// A brush deleted while no DC holds it, a drawing program's usual deletion,
// is kept for reuse without a call.
BOOL DeleteObject(HGDIOBJ handle) {
    GdiState* const gdi = TryLockGdi();
    if (!gdi) [[unlikely]]
        return LockGdiThen<DeleteObjectHeld>(handle);
    GdiObject* object = FindAny(*gdi, handle);
    if (!object || object->stock || InUse(*object) || !Keepable(*gdi, *object)) [[unlikely]]
        return DeleteObjectHeld(*gdi, handle);
    KeepAsSpare(*gdi, *object);
    return gdi->mutex.UnlockReturning(TRUE);
}

DWORD GetObjectType(HGDIOBJ handle) {
    GdiLock lock;
    const GdiObject* object = FindAny(handle);
    return object ? object->type : 0;
}

int GetObjectA(HGDIOBJ handle, int size, void* out) {
    GdiLock lock;
    GdiObject* object = FindAny(handle);
    if (!object) return 0;
    switch (object->type) {
        case OBJ_PEN: return CopyOut(static_cast<Pen*>(object)->record, size, out);
        case OBJ_BRUSH: return CopyOut(static_cast<Brush*>(object)->record, size, out);
        case OBJ_FONT: return CopyOut(static_cast<Font*>(object)->record, size, out);
        case OBJ_BITMAP: return CopyOut(DescriptionOf(*static_cast<Bitmap*>(object)), size, out);
        case OBJ_PAL: return CopyOut(static_cast<WORD>(static_cast<Palette*>(object)->colours.Size()), size, out);
        default: return 0;
    }
}

}  // namespace lumenbox::win
