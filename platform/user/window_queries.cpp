// What can be asked about a window, from any thread.
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

using detail::UserState;
using detail::WindowRecord;

// The desktop covers the screen, whatever size the display has now.
RECT ScreenRect() {
    display::Display* display = display::Current();
    const display::ScreenInfo screen = display ? display->Screen() : display::ScreenInfo{0, 0, 32};
    return RECT{0, 0, screen.width, screen.height};
}

bool IsDesktop(HWND window) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return detail::HandleValue(window) == user.desktop;
}

// The desktop answers with the screen; any other window with the rectangle
// `pick` takes from its record.
BOOL WindowRectangle(HWND window, RECT* rect, RECT (*pick)(const WindowRecord&)) {
    if (!rect) return FALSE;
    if (IsDesktop(window)) {
        *rect = ScreenRect();
        return TRUE;
    }
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
    if (!record) return FALSE;
    *rect = pick(*record);
    return TRUE;
}

}  // namespace

BOOL IsWindow(HWND window) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return detail::FindWindowLocked(user, window) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const WindowRecord* record = detail::FindWindowLocked(user, window);
    return (record && record->visible) ? TRUE : FALSE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    return WindowRectangle(window, rect, [](const WindowRecord& record) { return record.ClientRect(); });
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    return WindowRectangle(window, rect, [](const WindowRecord& record) { return record.outer; });
}

int GetWindowTextA(HWND window, char* text, int size) {
    if (!text || size <= 0) return 0;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const WindowRecord* record = detail::FindWindowLocked(user, window);
    const std::size_t room = static_cast<std::size_t>(size) - 1;
    const std::size_t count = record ? std::min(record->caption.size(), room) : 0;
    if (count) std::memcpy(text, record->caption.data(), count);
    text[count] = '\0';
    return static_cast<int>(count);
}

HWND GetDesktopWindow() {
    UserState& user = detail::User();
    return detail::MakeHandle<HWND>(user.desktop);  // fixed at start-up; no lock needed
}

// The desktop belongs to no thread of the program: 0, as for a bad handle.
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
    if (!record) return 0;
    if (processId) *processId = static_cast<DWORD>(getpid());
    return record->threadId;
}

}  // namespace lumenbox::win
