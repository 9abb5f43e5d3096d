// System metrics and the stock icon and cursor.
#include "platform/user/user_state.h"
#include "platform/user/window_geometry.h"

namespace lumenbox::win {

namespace {

display::ScreenInfo CurrentScreen() {
    display::Display* display = display::Current();
    return display ? display->Screen() : display::ScreenInfo{0, 0, 0};
}

// Fixed values outside every handle table, like Windows' shared stock
// resources; they are only ever compared, never looked up.
const auto kStockApplicationIcon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(0x10003));
const auto kStockArrowCursor = reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(0x10005));

}  // namespace

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN: return CurrentScreen().width;
        case SM_CYSCREEN: return CurrentScreen().height;
        case SM_CYCAPTION: return detail::kCaptionHeight;
        case SM_CXFIXEDFRAME: return detail::kFixedFrameWidth;
        case SM_CYFIXEDFRAME: return detail::kFixedFrameHeight;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK: return detail::kDoubleClickBox;
        default: return 0;
    }
}

// The program's module carries no resources, so a named icon is never found;
// only the system's own application icon exists.
HICON LoadIconA(HINSTANCE instance, const char* name) {
    return (!instance && name == IDI_APPLICATION) ? kStockApplicationIcon : nullptr;
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
    return (!instance && name == IDC_ARROW) ? kStockArrowCursor : nullptr;
}

}  // namespace lumenbox::win
