// Pictures between a context's framebuffer and the GDI surfaces of its device
// context, through GDI's own calls (so GDI's locks guard every pixel).
//
// Pictures here are 0xAARRGGBB words, bottom row first: the framebuffer's
// order and a bottom-up 32-bit DIB's, so nothing is flipped or swizzled.
#pragma once

#include <cstdint>
#include <vector>

#include <lumenbox/win/types.h>

namespace lumenbox::win::detail {

// The size of what the DC draws on; false for a DC that draws on nothing
// (a memory DC with its stock bitmap, a screen DC).
bool SurfaceSizeOf(HDC dc, int& width, int& height);

// The colours of the bitmap selected into a memory DC (through its colour
// table when indexed), alpha 0xFF. False when it has none.
bool ReadSelectedBitmap(HDC dc, int width, int height, std::vector<std::uint32_t>& picture);

// Puts into the bitmap selected into a memory DC the pixels of `after` whose
// colour differs from `before`; every other pixel keeps its value, index and
// all. A changed pixel of an indexed bitmap becomes the nearest colour-table
// entry, by GetNearestPaletteIndex's rule.
bool WriteChangedPixels(HDC dc, int width, int height, const std::vector<std::uint32_t>& before,
                        const std::vector<std::uint32_t>& after);

// Copies the picture onto a window DC's client surface at (0, 0), whatever
// clip region the DC has: OpenGL's picture goes to the whole window.
bool ShowOnWindow(HDC dc, int width, int height, const std::vector<std::uint32_t>& picture);

}  // namespace lumenbox::win::detail
