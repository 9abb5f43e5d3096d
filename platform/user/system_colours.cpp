// Windows' default system colours.
#include "platform/user/system_colours.h"

#include <iterator>

namespace lumenbox::win::detail {

namespace {

constexpr COLORREF kSystemColours[] = {
    RGB(200, 200, 200),  // 0 COLOR_SCROLLBAR
    RGB(0, 0, 0),        // 1 COLOR_BACKGROUND
    RGB(153, 180, 209),  // 2 COLOR_ACTIVECAPTION
    RGB(191, 205, 219),  // 3 COLOR_INACTIVECAPTION
    RGB(240, 240, 240),  // 4 COLOR_MENU
    RGB(255, 255, 255),  // 5 COLOR_WINDOW
    RGB(100, 100, 100),  // 6 COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // 7 COLOR_MENUTEXT
    RGB(0, 0, 0),        // 8 COLOR_WINDOWTEXT
    RGB(0, 0, 0),        // 9 COLOR_CAPTIONTEXT
    RGB(180, 180, 180),  // 10 COLOR_ACTIVEBORDER
    RGB(244, 247, 252),  // 11 COLOR_INACTIVEBORDER
    RGB(171, 171, 171),  // 12 COLOR_APPWORKSPACE
    RGB(0, 120, 215),    // 13 COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // 14 COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240),  // 15 COLOR_BTNFACE
    RGB(160, 160, 160),  // 16 COLOR_BTNSHADOW
    RGB(109, 109, 109),  // 17 COLOR_GRAYTEXT
    RGB(0, 0, 0),        // 18 COLOR_BTNTEXT
    RGB(0, 0, 0),        // 19 COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // 20 COLOR_BTNHIGHLIGHT
};

}  // namespace

std::optional<COLORREF> SystemColour(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kSystemColours))) return std::nullopt;
    return kSystemColours[index];
}

}  // namespace lumenbox::win::detail
