// Calls that work on any GDI object: deletion, type, description.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

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

// Keeps a deleted solid (or hatched, or null) brush for reuse; a pattern
// brush is freed, taking its pattern with it. GDI mutex held.
bool KeepAsSpare(GdiState& gdi, std::unique_ptr<GdiObject>& gone) {
    if (gone->type != OBJ_BRUSH || static_cast<const Brush&>(*gone).pattern) return false;
    std::vector<std::unique_ptr<GdiObject>>& spares = gdi.spareBrushes;
    if (spares.size() >= GdiState::kSpareBrushLimit) return false;
    gone->handle = 0;
    spares.push_back(std::move(gone));
    return true;
}

}  // namespace

BOOL DeleteObject(HGDIOBJ handle) {
    std::unique_ptr<GdiObject> gone;
    {
        GdiLock lock;
        GdiState& gdi = lock.State();
        GdiObject* object = FindAny(gdi, handle);
        if (!object || object->type == OBJ_DC || object->type == OBJ_MEMDC) return FALSE;
        if (object->stock) return TRUE;
        if (InUse(*object)) return FALSE;
        gone = gdi.objects.Erase(object->handle);
        if (KeepAsSpare(gdi, gone)) return TRUE;
    }
    // Freed after the mutex is released, so other threads' calls need not
    // wait for it.
    return TRUE;
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
