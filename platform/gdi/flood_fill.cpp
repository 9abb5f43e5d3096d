// ExtFloodFill: a scanline search of the 4-connected area around a seed,
// then the brush over the spans found.
//
// The search keeps its own bitmap of visited pixels rather than trusting the
// recolouring to mark them: a brush of the surface's own colour, or a
// hatched brush, would leave pixels that still look fillable, and the search
// would never end. Its stack holds run starts found next to filled spans,
// never more than twice the pixels of the area, and nothing recurses.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/brush_spans.h"
#include "platform/gdi/draw_target.h"

namespace lumenbox::win {

using namespace detail;

namespace {

// Pixel reads for the search, which reads each pixel of the area a few
// times: 8- and 32-bit targets, the usual ones, read in place; the other
// depths go through their format.
struct Read8 {
    std::uint32_t operator()(const PixelView& view, int x, int y) const { return view.Row(y)[x]; }
};
struct Read32 {
    std::uint32_t operator()(const PixelView& view, int x, int y) const {
        return reinterpret_cast<const std::uint32_t*>(view.Row(y))[x] & 0x00FFFFFFu;
    }
};
struct ReadAny {
    std::uint32_t operator()(const PixelView& view, int x, int y) const { return view.format->get(view.Row(y), x); }
};

template <class Read>
class FloodSearch {
public:
    // `surface`: fill the pixels of `value`; otherwise fill up to them.
    FloodSearch(const DrawTarget& target, std::uint32_t value, bool surface)
        : view_(target.view),
          area_(target.visible),
          width_(static_cast<std::size_t>(area_.right - area_.left)),
          value_(value),
          surface_(surface),
          visited_((width_ * static_cast<std::size_t>(area_.bottom - area_.top) + 63) / 64, 0) {}

    bool Fillable(int x, int y) const {
        const bool same = Read{}(view_, x, y) == value_;
        return surface_ ? same : !same;
    }

    // The spans of the area around the seed, which must be fillable.
    RowSpans Search(int seedX, int seedY) {
        RowSpans spans;
        std::vector<POINT> seeds{POINT{seedX, seedY}};
        while (!seeds.empty()) {
            const POINT seed = seeds.back();
            seeds.pop_back();
            if (!Open(seed.x, seed.y)) continue;  // reached again since it was pushed
            int left = seed.x;
            int right = seed.x;
            while (left - 1 >= area_.left && Open(left - 1, seed.y)) --left;
            while (right + 1 < area_.right && Open(right + 1, seed.y)) ++right;
            for (int x = left; x <= right; ++x) Visit(x, seed.y);
            spans.Add(seed.y, left, right + 1);
            PushRuns(seeds, seed.y - 1, left, right);
            PushRuns(seeds, seed.y + 1, left, right);
        }
        return spans;
    }

private:
    std::size_t Bit(int x, int y) const {
        return static_cast<std::size_t>(y - area_.top) * width_ + static_cast<std::size_t>(x - area_.left);
    }
    bool Visited(int x, int y) const {
        const std::size_t bit = Bit(x, y);
        return (visited_[bit / 64] >> (bit % 64)) & 1u;
    }
    void Visit(int x, int y) {
        const std::size_t bit = Bit(x, y);
        visited_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    bool Open(int x, int y) const { return !Visited(x, y) && Fillable(x, y); }

    // One seed per run of open pixels of row y within [left, right]: the run
    // is 4-connected to the span just filled above or below it.
    void PushRuns(std::vector<POINT>& seeds, int y, int left, int right) const {
        if (y < area_.top || y >= area_.bottom) return;
        for (int x = left; x <= right; ++x) {
            if (!Open(x, y)) continue;
            seeds.push_back(POINT{x, y});
            while (x + 1 <= right && Open(x + 1, y)) ++x;
        }
    }

    PixelView view_;
    RECT area_;
    std::size_t width_;
    std::uint32_t value_;
    bool surface_;
    std::vector<std::uint64_t> visited_;
};

template <class Search>
BOOL Fill(Search&& search, const DrawTarget& target, const DeviceContext& dc, int x, int y) {
    if (!search.Fillable(x, y)) return FALSE;  // on the border, or not of the surface colour
    PaintBrushSpans(target, dc, search.Search(x, y));
    return TRUE;
}

}  // namespace

BOOL ExtFloodFill(HDC handle, int x, int y, COLORREF colour, UINT type) {
    if (type != FLOODFILLBORDER && type != FLOODFILLSURFACE) return FALSE;
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    DrawTarget target;
    // The screen DC shows no pixels to compare, as GetPixel finds none there.
    if (!dc || !TargetOf(*dc, target) || !target.Contains(x, y)) return FALSE;
    SurfacePixelsLock pixels(target.surface, true);
    const std::uint32_t value = PixelValueOf(target, colour);
    const bool surface = type == FLOODFILLSURFACE;
    switch (target.view.format->bitsPerPixel) {
        case 8: return Fill(FloodSearch<Read8>(target, value, surface), target, *dc, x, y);
        case 32: return Fill(FloodSearch<Read32>(target, value, surface), target, *dc, x, y);
        default: return Fill(FloodSearch<ReadAny>(target, value, surface), target, *dc, x, y);
    }
}

}  // namespace lumenbox::win
