// Update regions and the paint protocol: InvalidateRect from any thread,
// BeginPaint and EndPaint on the window's own.
#include <cstring>

#include "platform/user/rect_math.h"
#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

using detail::UserState;
using detail::WindowRecord;

void InvalidateLocked(WindowRecord& record, const RECT* rect, BOOL erase) {
    const RECT client = record.ClientRect();
    const RECT added = rect ? detail::Intersection(*rect, client) : client;
    if (detail::IsEmptyRect(added)) return;
    detail::UpdateRegion& update = record.update;
    update.bounds = update.Empty() ? added : detail::BoundingUnion(update.bounds, added);
    update.erase = update.erase || erase;
    record.queue->Wake();
}

// Marks the area a WM_ERASEBKGND is about to fill, sends it, and clears the
// mark. The result is the procedure's.
LRESULT SendErase(HWND window, HDC dc, const RECT& area) {
    UserState& user = detail::User();
    {
        std::lock_guard lock(user.mutex);
        if (WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window)) record->erasing = area;
    }
    const LRESULT result = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    std::lock_guard lock(user.mutex);
    if (WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window)) record->erasing.reset();
    return result;
}

}  // namespace

// A NULL window stands for all of them, as on Windows; the desktop has no
// surface of its own to repaint.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    if (!window) {
        user.windows.ForEach([&](std::uintptr_t, WindowRecord& w) {
            if (!w.desktop) InvalidateLocked(w, rect, erase);
        });
        return TRUE;
    }
    WindowRecord* record = detail::FindWindowLocked(user, window);
    if (!record) return FALSE;
    if (!record->desktop) InvalidateLocked(*record, rect, erase);
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT* rect) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    WindowRecord* record = detail::FindWindowLocked(user, window);
    if (!record) return FALSE;
    detail::UpdateRegion& update = record->update;
    if (!rect) {
        update.Clear();
    } else {
        update.bounds = detail::BoundsWithout(update.bounds, *rect);
        if (update.Empty()) update.Clear();
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase) {
    UserState& user = detail::User();
    RECT bounds;
    bool sendErase = false;
    HDC dc = nullptr;
    {
        std::lock_guard lock(user.mutex);
        WindowRecord* record = detail::FindWindowLocked(user, window);
        if (!record) return FALSE;
        bounds = record->update.bounds;
        if (erase && record->update.erase && !record->update.Empty() && detail::OwnedByThisThread(*record)) {
            record->update.erase = false;
            sendErase = true;
            dc = record->dc;
        }
    }
    if (rect) *rect = bounds;
    if (sendErase) SendErase(window, dc, bounds);
    return detail::IsEmptyRect(bounds) ? FALSE : TRUE;
}

// The region is validated before the erase is sent, as on Windows: what is
// invalidated while the window paints makes another WM_PAINT.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!paint) return nullptr;
    UserState& user = detail::User();
    detail::UpdateRegion taken;
    HDC dc;
    {
        std::lock_guard lock(user.mutex);
        WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
        if (!record || !detail::OwnedByThisThread(*record)) return nullptr;
        taken = record->update;
        record->update.Clear();
        dc = record->dc;
    }
    std::memset(paint, 0, sizeof *paint);
    paint->hdc = dc;
    paint->rcPaint = taken.bounds;
    // fErase tells the painter that the background is still to be drawn: the
    // procedure declined the erase by returning 0.
    if (taken.erase && !taken.Empty()) paint->fErase = SendErase(window, dc, taken.bounds) == 0 ? TRUE : FALSE;
    return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return detail::FindOrdinaryWindowLocked(user, window) ? TRUE : FALSE;
}

}  // namespace lumenbox::win
