// The user layer's tables and the desktop window.
#include "platform/user/user_state.h"

namespace lumenbox::win::detail {

// The desktop is the first window of the table, so its handle is the same
// in every run; it has no thread, no queue and no surface of its own.
UserState::UserState() {
    auto desktopWindow = std::make_unique<WindowRecord>();
    desktopWindow->desktop = true;
    desktopWindow->visible = true;
    desktopWindow->destroying = false;
    desktop = windows.Insert(std::move(desktopWindow));
}

UserState& User() {
    static UserState* const user = new UserState();
    return *user;
}

WindowRecord* FindWindowLocked(UserState& user, HWND window) { return user.windows.Find(HandleValue(window)); }

WindowRecord* FindOrdinaryWindowLocked(UserState& user, HWND window) {
    WindowRecord* record = FindWindowLocked(user, window);
    return (record && !record->desktop) ? record : nullptr;
}

}  // namespace lumenbox::win::detail
