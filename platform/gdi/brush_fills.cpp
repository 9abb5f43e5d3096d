// Brush painting. Colours are resolved to pixel values once per fill, so the
// row loops only store values through the target's pixel format.
#include "platform/gdi/brush_fills.h"

#include <array>
#include <cstdint>

#include "platform/gdi/hatch_patterns.h"

namespace lumenbox::win::detail {

namespace {

void PaintHatch(const DrawTarget& target, const DeviceContext& dc, const Brush& brush, const RECT& area) {
    const auto& rows = kHatchRows[brush.record.lbHatch];
    const std::uint32_t line = PixelValueOf(target, brush.record.lbColor);
    const bool opaque = dc.backgroundMode == OPAQUE;
    const std::uint32_t gap = opaque ? PixelValueOf(target, dc.backgroundColour) : 0;
    const PixelFormat& format = *target.view.format;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* row = target.view.Row(y);
        // Device coordinates here are never negative, so & 7 is the positive
        // remainder the tiling wants.
        const unsigned bits = rows[static_cast<unsigned>(y) & 7u];
        for (int x = area.left; x < area.right; ++x) {
            if (bits & (0x80u >> (static_cast<unsigned>(x) & 7u)))
                format.set(row, x, line);
            else if (opaque)
                format.set(row, x, gap);
        }
    }
}

// A pattern pixel for this target: an indexed pattern on an indexed target
// keeps its index, so the target's colour table decides its colour; on a
// direct target it takes that entry of the DC's logical palette, unless the
// DC has only the stock palette, which knows nothing of the pattern's
// colours. Direct patterns are plain colours.
std::uint32_t PatternValue(const DrawTarget& target, const PatternCell& cell, bool defaultPalette) {
    if (cell.index >= 0) {
        if (target.table) return static_cast<std::uint32_t>(cell.index) % static_cast<unsigned>(target.table->Size());
        if (!defaultPalette) {
            const ColourTable& entries = target.palette->colours;
            return entries.At(static_cast<std::size_t>(cell.index) % entries.Size());
        }
    }
    if (target.table) return target.table->Nearest(cell.colour);
    return cell.colour;
}

void PaintPattern(const DrawTarget& target, const BrushPattern& pattern, const RECT& area) {
    const int width = pattern.width;
    const int height = pattern.height;
    const bool defaultPalette = target.palette->stock;
    std::array<std::uint32_t, 64> values;
    for (std::size_t i = 0; i < static_cast<std::size_t>(width * height); ++i)
        values[i] = PatternValue(target, pattern.cells[i], defaultPalette);
    const PixelFormat& format = *target.view.format;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* row = target.view.Row(y);
        const std::uint32_t* tile = &values[static_cast<std::size_t>((y % height) * width)];
        for (int x = area.left; x < area.right; ++x) format.set(row, x, tile[x % width]);
    }
}

}  // namespace

void PaintSolidRows(const DrawTarget& target, std::uint32_t value, const RECT& area) {
    const PixelView& view = target.view;
    for (int y = area.top; y < area.bottom; ++y) view.format->fill(view.Row(y), area.left, area.right, value);
}

void PaintWithBrush(const DrawTarget& target, const DeviceContext& dc, const Brush& brush, const RECT& area) {
    switch (brush.record.lbStyle) {
        case BS_SOLID: PaintSolid(target, PixelValueOf(target, brush.record.lbColor), area); break;
        case BS_HATCHED: PaintHatch(target, dc, brush, area); break;
        case BS_PATTERN: PaintPattern(target, *brush.pattern, area); break;
        default: break;  // BS_NULL paints nothing
    }
}

}  // namespace lumenbox::win::detail
