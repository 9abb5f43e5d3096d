// Putting text on a target: glyphs, and the boxes of text space (the opaque
// cell, underline and strike-out) turned with the baseline. Text space has u
// along the baseline and v downwards across it; a frame places its origin on
// the device.
#pragma once

#include <cstdint>

#include "platform/gdi/draw_target.h"
#include "platform/gdi/font_instances.h"

namespace lumenbox::win::detail {

struct TextFrame {
    std::int64_t x = 0;  // device position of the text-space origin
    std::int64_t y = 0;
    TextTurn turn;

    // The device pixel a text-space point falls on, rounded; exact for
    // right-angled turns.
    std::int64_t X(std::int64_t u, std::int64_t v) const;
    std::int64_t Y(std::int64_t u, std::int64_t v) const;
};

// Each call takes `clip` (inside the target's visible area), writes plain
// pixel values (raster operations do not apply to text), and does work in
// proportion to the clipped area only. The caller holds the surface lock.

// Sets the glyph's pixels, its origin at device (x, y).
void PaintGlyph(const DrawTarget& target, const RECT& clip, const Glyph& glyph, std::int64_t x, std::int64_t y,
                std::uint32_t value);

// Fills the pixels whose centres lie in the text-space box [u0, u1) x
// [v0, v1) (corners in either order).
void PaintTextBox(const DrawTarget& target, const RECT& clip, const TextFrame& frame, std::int64_t u0, std::int64_t u1,
                  std::int64_t v0, std::int64_t v1, std::uint32_t value);

}  // namespace lumenbox::win::detail
