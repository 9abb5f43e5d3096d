// Device contexts of windows and of the screen.
#include <algorithm>

#include "platform/gdi/surface_dc.h"
#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

using detail::UserState;

HDC NewScreenDC() {
    display::Display* display = display::Current();
    // Without a display there is still a screen to ask about, an empty one.
    const display::ScreenInfo screen = display ? display->Screen() : display::ScreenInfo{0, 0, 32};
    HDC dc = detail::CreateScreenDC(screen);
    if (!dc) return nullptr;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    user.screenDcs.push_back(dc);
    return dc;
}

}  // namespace

// Windows of this layer all keep their own DC, which lives as long as they
// do; the screen's DCs are made on request and go with ReleaseDC.
HDC GetDC(HWND window) {
    {
        UserState& user = detail::User();
        std::lock_guard lock(user.mutex);
        const detail::WindowRecord* record = window ? detail::FindWindowLocked(user, window) : nullptr;
        if (window && !record) return nullptr;
        if (record && !record->desktop) return record->dc;
    }
    return NewScreenDC();
}

// 1 when released: a screen DC is destroyed, a window's own DC stays with
// its window. 0 for anything else.
int ReleaseDC(HWND, HDC dc) {
    if (!dc) return 0;
    UserState& user = detail::User();
    {
        std::lock_guard lock(user.mutex);
        auto screen = std::find(user.screenDcs.begin(), user.screenDcs.end(), dc);
        if (screen == user.screenDcs.end()) {
            bool own = false;
            user.windows.ForEach([&](std::uintptr_t, const detail::WindowRecord& w) { own = own || w.dc == dc; });
            return own ? 1 : 0;
        }
        user.screenDcs.erase(screen);
    }
    return detail::DestroySurfaceDC(dc) ? 1 : 0;
}

}  // namespace lumenbox::win
