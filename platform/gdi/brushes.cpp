// Brush creation. A pattern brush takes its pixels from the bitmap at once,
// so later drawing into (or deleting) the bitmap leaves the brush alone.
#include <algorithm>
#include <memory>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/hatch_patterns.h"

namespace lumenbox::win {

namespace {

using namespace detail;

std::unique_ptr<const BrushPattern> CopyPattern(Bitmap& bitmap) {
    auto pattern = std::make_unique<BrushPattern>();
    pattern->width = std::min(bitmap.width, 8);
    pattern->height = std::min(bitmap.height, 8);
    const PixelView view = bitmap.View();
    for (int y = 0; y < pattern->height; ++y) {
        const std::uint8_t* row = view.Row(y);
        for (int x = 0; x < pattern->width; ++x) {
            const std::uint32_t value = view.format->get(row, x);
            PatternCell& cell = pattern->cells[static_cast<std::size_t>(y * pattern->width + x)];
            cell.index = bitmap.Indexed() ? static_cast<int>(value) : -1;
            cell.colour = bitmap.Indexed() ? bitmap.table.At(value) : value;
        }
    }
    return pattern;
}

// A spare brush made over, or a new one. GDI mutex held.
std::unique_ptr<GdiObject> TakeBrush(GdiState& gdi, const LOGBRUSH& record) {
    SpareBrushes& spares = gdi.spareBrushes;
    if (spares.Empty()) return std::make_unique<Brush>(record);
    std::unique_ptr<GdiObject> brush = std::move(spares.Newest());
    --spares.count;
    static_cast<Brush&>(*brush).record = record;
    return brush;
}

bool ValidRecord(const LOGBRUSH& record) {
    const UINT style = record.lbStyle;
    if (style != BS_SOLID && style != BS_NULL && style != BS_HATCHED && style != BS_PATTERN) return false;
    return style != BS_HATCHED || IsHatchStyle(record.lbHatch);
}

// CreateBrushIndirect of a valid record, the GDI mutex held by the caller;
// gives it back.
[[gnu::noinline]] HBRUSH CreateBrushHeld(GdiState& gdi, const LOGBRUSH* record) {
    std::lock_guard<WordMutex> lock(gdi.mutex, std::adopt_lock);
    std::unique_ptr<GdiObject> brush = TakeBrush(gdi, *record);
    if (record->lbStyle == BS_PATTERN) {
        Bitmap* bitmap = Find<Bitmap>(gdi, record->lbHatch);
        if (!bitmap) return nullptr;
        static_cast<Brush&>(*brush).pattern = CopyPattern(*bitmap);
    }
    return MakeHandle<HBRUSH>(Adopt(gdi, std::move(brush)));
}

}  // namespace

// A brush without a pattern, made over from a spare into a freed slot, is
// created without a call: a drawing program makes one per filled block.
HBRUSH CreateBrushIndirect(const LOGBRUSH* record) {
    if (!record || !ValidRecord(*record)) return nullptr;
    GdiState* const gdi = TryLockGdi();
    if (!gdi) [[unlikely]]
        return LockGdiThen<CreateBrushHeld>(record);
    SpareBrushes& spares = gdi->spareBrushes;
    if (record->lbStyle == BS_PATTERN || spares.Empty()) [[unlikely]]
        return CreateBrushHeld(*gdi, record);
    std::unique_ptr<GdiObject>& spare = spares.Newest();
    GdiObject& brush = *spare;
    static_cast<Brush&>(brush).record = *record;
    const std::uintptr_t handle = gdi->objects.InsertIntoFreeSlot(spare);
    if (handle == 0) [[unlikely]]
        return CreateBrushHeld(*gdi, record);
    --spares.count;
    brush.handle = handle;
    return gdi->mutex.UnlockReturning(MakeHandle<HBRUSH>(handle));
}

}  // namespace lumenbox::win
