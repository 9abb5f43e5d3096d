// The colour tables behind the palette calls, and the two steps that bring
// the standard colours up to date with the open window.
#pragma once

#include <array>
#include <cstdint>

#include <lumenbox/win/gdi.h>

namespace lumenbox {

// The library's default palette, 256 colours in COLORREF form (red in the
// low byte). Every component is a multiple of 4 from 0 to 252.
extern const std::array<std::uint32_t, 256> DefaultPaletteTable;

// The 256 standard colours in COLORREF form, in the order of the named
// variables of <lumenbox/standard_colors.h>.
extern const std::array<std::uint32_t, 256> StandardColorTable;

// Sets every standard colour to the index of the entry of GraphPalette
// nearest to it. Runs inside ReplacePalette's hold of DrawLock, after the
// new entries are in place.
void MatchStandardColors();

// Sets every standard colour to its own COLORREF: the colour numbers of a
// window without palette.
void LoadStandardColors();

}  // namespace lumenbox
