// Mouse capture, leave tracking, the double-click time, and conversions
// between screen and client coordinates.
#include <cstdint>

#include "platform/user/user_state.h"
#include "platform/user/window_geometry.h"

namespace lumenbox::win {

namespace {

using detail::UserState;
using detail::WindowRecord;

// A capture is the calling thread's only while its window is alive and owned
// by that thread; a destroyed window's handle is never found again.
WindowRecord* CaptureOfThisThreadLocked(UserState& user) {
    WindowRecord* record = detail::FindOrdinaryWindowLocked(user, detail::MakeHandle<HWND>(user.capture));
    return record && detail::OwnedByThisThread(*record) ? record : nullptr;
}

HWND CaptureHandleLocked(UserState& user) {
    return CaptureOfThisThreadLocked(user) ? detail::MakeHandle<HWND>(user.capture) : nullptr;
}

// 64-bit sums clamped to the int range: a huge point near a window far
// off-screen must not overflow.
int Shift(int value, int by) {
    const long long sum = static_cast<long long>(value) + by;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int>(sum);
}

BOOL MovePoint(HWND window, POINT* point, int sign) {
    if (!point) return FALSE;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
    if (!record) return FALSE;
    const POINT origin = detail::ClientOriginLocked(*record);
    point->x = Shift(point->x, sign * origin.x);
    point->y = Shift(point->y, sign * origin.y);
    return TRUE;
}

}  // namespace

UINT GetDoubleClickTime() { return detail::kDoubleClickMilliseconds; }

HWND SetCapture(HWND window) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
    if (!record || !detail::OwnedByThisThread(*record)) return nullptr;
    const HWND previous = CaptureHandleLocked(user);
    user.capture = detail::HandleValue(window);
    return previous;
}

BOOL ReleaseCapture() {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    if (CaptureOfThisThreadLocked(user)) user.capture = 0;
    return TRUE;
}

HWND GetCapture() {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return CaptureHandleLocked(user);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
    UserState& user = detail::User();
    bool leftAlready = false;
    {
        std::lock_guard lock(user.mutex);
        WindowRecord* record = detail::FindOrdinaryWindowLocked(user, track->hwndTrack);
        if (!record) return FALSE;
        if (!(track->dwFlags & TME_LEAVE)) return TRUE;
        const bool cancel = (track->dwFlags & TME_CANCEL) != 0;
        // Asked while the pointer is elsewhere: the leaving has happened.
        leftAlready = !cancel && user.hover != detail::HandleValue(track->hwndTrack);
        record->trackingLeave = !cancel && !leftAlready;
    }
    if (leftAlready) PostMessageA(track->hwndTrack, WM_MOUSELEAVE, 0, 0);
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) { return MovePoint(window, point, -1); }
BOOL ClientToScreen(HWND window, POINT* point) { return MovePoint(window, point, 1); }

namespace detail {

POINT ClientOriginLocked(const WindowRecord& window) {
    if (!IsFramed(window.style)) return POINT{window.outer.left, window.outer.top};
    return POINT{Shift(window.outer.left, kFixedFrameWidth), Shift(window.outer.top, kFixedFrameHeight + kCaptionHeight)};
}

UINT ClassStyleLocked(const UserState& user, const WindowRecord& window) {
    for (const WindowClassRecord& windowClass : user.classes) {
        if (windowClass.atom == window.classAtom) return windowClass.style;
    }
    return 0;
}

}  // namespace detail

}  // namespace lumenbox::win
