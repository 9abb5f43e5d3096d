// The six hatch styles as 8 x 8 bitmaps: eight rows, top first; bit 0x80 is
// the leftmost pixel and a set bit is a line pixel. These are Windows' own
// pictures, so hatched fills line up with what programs expect.
#pragma once

#include <array>
#include <cstdint>

#include <lumenbox/win/gdi.h>

namespace lumenbox::win::detail {

inline constexpr std::array<std::array<std::uint8_t, 8>, 6> kHatchRows = {{
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
}};

constexpr bool IsHatchStyle(ULONG_PTR style) { return style <= static_cast<ULONG_PTR>(HS_DIAGCROSS); }

}  // namespace lumenbox::win::detail
