// Colour value forms inside GDI.
//
// Callers speak COLORREF (0x00BBGGRR) or PALETTEINDEX(i) (0x01000000 + i);
// pixels of direct-colour surfaces hold 0x00RRGGBB, the byte order of a 32-bit
// DIB and of a display surface. Everything inside keeps the pixel form (Rgb),
// so conversions happen once, where a colour enters or leaves.
#pragma once

#include <cstdint>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/types.h>

namespace lumenbox::win::detail {

// 0x00RRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(unsigned red, unsigned green, unsigned blue) {
    return ((red & 0xFFu) << 16) | ((green & 0xFFu) << 8) | (blue & 0xFFu);
}
constexpr unsigned RedOf(Rgb c) { return (c >> 16) & 0xFFu; }
constexpr unsigned GreenOf(Rgb c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Rgb c) { return c & 0xFFu; }

// Bits 24-31 of a COLORREF carry no colour; they are dropped here.
constexpr Rgb RgbFromColorref(COLORREF c) { return MakeRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
constexpr COLORREF ColorrefFromRgb(Rgb c) {
    return RGB(static_cast<BYTE>(RedOf(c)), static_cast<BYTE>(GreenOf(c)), static_cast<BYTE>(BlueOf(c)));
}

constexpr bool IsPaletteIndex(COLORREF c) { return (c >> 24) == 0x01u; }
constexpr unsigned PaletteIndexOf(COLORREF c) { return c & 0xFFFFu; }

constexpr Rgb RgbFromQuad(const RGBQUAD& q) { return MakeRgb(q.rgbRed, q.rgbGreen, q.rgbBlue); }
constexpr RGBQUAD QuadFromRgb(Rgb c) {
    return RGBQUAD{static_cast<BYTE>(BlueOf(c)), static_cast<BYTE>(GreenOf(c)), static_cast<BYTE>(RedOf(c)), 0};
}
constexpr Rgb RgbFromEntry(const PALETTEENTRY& e) { return MakeRgb(e.peRed, e.peGreen, e.peBlue); }

}  // namespace lumenbox::win::detail
