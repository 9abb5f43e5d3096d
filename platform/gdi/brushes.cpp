// Brush creation. A pattern brush takes its pixels from the bitmap at once,
// so later drawing into (or deleting) the bitmap leaves the brush alone.
#include <algorithm>
#include <memory>
#include <vector>

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
    std::vector<std::unique_ptr<GdiObject>>& spares = gdi.spareBrushes;
    if (spares.empty()) return std::make_unique<Brush>(record);
    std::unique_ptr<GdiObject> brush = std::move(spares.back());
    spares.pop_back();
    static_cast<Brush&>(*brush).record = record;
    return brush;
}

}  // namespace

HBRUSH CreateBrushIndirect(const LOGBRUSH* record) {
    if (!record) return nullptr;
    const UINT style = record->lbStyle;
    if (style != BS_SOLID && style != BS_NULL && style != BS_HATCHED && style != BS_PATTERN) return nullptr;
    if (style == BS_HATCHED && !IsHatchStyle(record->lbHatch)) return nullptr;
    GdiLock lock;
    GdiState& gdi = lock.State();
    std::unique_ptr<GdiObject> brush = TakeBrush(gdi, *record);
    if (style == BS_PATTERN) {
        Bitmap* bitmap = Find<Bitmap>(gdi, record->lbHatch);
        if (!bitmap) return nullptr;
        static_cast<Brush&>(*brush).pattern = CopyPattern(*bitmap);
    }
    return MakeHandle<HBRUSH>(Adopt(gdi, std::move(brush)));
}

}  // namespace lumenbox::win
