// What the DC's pen draws with on a target, resolved once per call: its
// kind, width, stored value, dash pattern and the DC's gap colour.
#pragma once

#include <cstdint>

#include "platform/gdi/draw_target.h"

namespace lumenbox::win::detail {

enum class PenKind {
    Null,      // PS_NULL: draws nothing
    Cosmetic,  // width 0 or 1: Bresenham pixels, optionally dashed
    Wide,      // wider: solid, centred on the line, round ends and joins
};

// A cosmetic pen's dash pattern: bit i of `onBits` says whether position i
// of the `period` pixels is drawn with the pen (a solid pen is one bit on).
struct DashPattern {
    std::uint32_t onBits = 1;
    int period = 1;

    bool Solid() const { return period == 1; }
    bool On(std::int64_t position) const {
        return (onBits >> static_cast<unsigned>(position % period)) & 1u;
    }
};

struct PenInk {
    PenKind kind = PenKind::Null;
    std::int64_t width = 1;     // pixels; more than 1 for Wide
    bool insideFrame = false;   // PS_INSIDEFRAME: Rectangle and Ellipse keep it in the box
    std::uint32_t value = 0;    // the pen colour as stored on the target
    DashPattern dashes;
    bool opaqueGaps = false;    // OPAQUE background: gaps take gapValue
    std::uint32_t gapValue = 0;
};

// The ink of the DC's selected pen on `target`.
PenInk InkOf(const DeviceContext& dc, const DrawTarget& target);

// Windows' dash lengths for a pen style (PS_SOLID and unknown styles: solid).
DashPattern DashPatternOf(UINT style);

}  // namespace lumenbox::win::detail
