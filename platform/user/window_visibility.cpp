// Showing, hiding and bringing windows to the front.
#include <lumenbox/win/kernel.h>

#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

using detail::UserState;
using detail::WindowRecord;

// SW_HIDE to SW_FORCEMINIMIZE.
constexpr int kLastShowCommand = 11;

// A window that appears has nothing valid on it yet: all of it must be
// painted, background first.
void InvalidateAllLocked(WindowRecord& record) {
    record.update.bounds = record.ClientRect();
    record.update.erase = true;
    if (record.update.Empty()) record.update.Clear();
    record.queue->Wake();
}

}  // namespace

BOOL ShowWindow(HWND window, int command) {
    if (command < SW_HIDE || command > kLastShowCommand) return FALSE;
    const bool show = command != SW_HIDE;
    BOOL wasVisible;
    {
        UserState& user = detail::User();
        std::lock_guard lock(user.mutex);
        WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
        if (!record) return FALSE;
        wasVisible = record->visible ? TRUE : FALSE;
        if (record->visible == show) return wasVisible;
        record->visible = show;
        const std::uintptr_t handle = detail::HandleValue(window);
        if (show) {
            InvalidateAllLocked(*record);
            // As the display does: a window that appears while none has the
            // focus gets it.
            if (!detail::FindOrdinaryWindowLocked(user, detail::MakeHandle<HWND>(user.foreground)))
                user.foreground = handle;
        } else if (user.foreground == handle) {
            user.foreground = 0;
        }
    }
    if (display::Display* display = display::Current()) display->SetVisible(detail::IdOf(window), show);
    return wasVisible;
}

BOOL SetForegroundWindow(HWND window) {
    {
        UserState& user = detail::User();
        std::lock_guard lock(user.mutex);
        if (!detail::FindOrdinaryWindowLocked(user, window)) return FALSE;
        user.foreground = detail::HandleValue(window);
    }
    if (display::Display* display = display::Current()) display->SetFocus(detail::IdOf(window));
    return TRUE;
}

HWND GetForegroundWindow() {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const HWND foreground = detail::MakeHandle<HWND>(user.foreground);
    return detail::FindOrdinaryWindowLocked(user, foreground) ? foreground : nullptr;
}

}  // namespace lumenbox::win
