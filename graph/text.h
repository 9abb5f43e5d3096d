// The font faces the library registers at every opening, and the callback
// through which the font enumeration reports a face as installed.
#pragma once

#include <array>
#include <string_view>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/types.h>

namespace lumenbox {

// Registered in this order, so they land in font slots 0 to 3.
inline constexpr std::array<std::string_view, 4> StandardFontNames = {
    "Courier New",
    "MS Sans Serif",
    "Times New Roman",
    "Arial",
};

// Enumeration callback: sets GraphState.FontFound to 1 and returns 0, which
// ends the enumeration at the first family found.
int FontFamilyFound(const win::LOGFONTA* logicalFont, const win::TEXTMETRICA* metrics, win::DWORD fontType,
                    win::LPARAM data);

}  // namespace lumenbox
