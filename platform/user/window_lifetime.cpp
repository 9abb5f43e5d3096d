// Creating and destroying windows.
#include <string>
#include <utility>
#include <vector>

#include <lumenbox/win/probes.h>
#include <lumenbox/win/kernel.h>

#include "platform/gdi/surface_dc.h"
#include "platform/user/user_state.h"
#include "platform/user/window_class.h"
#include "platform/user/window_geometry.h"

namespace lumenbox::win {

namespace {

using detail::UserState;
using detail::WindowRecord;

std::string CaptionFrom(const char* windowName) {
    return detail::IsIntResource(windowName) ? std::string() : std::string(windowName);
}

// The new window's record, with everything but its handle: class, caption,
// geometry, its client surface and its own DC.
std::unique_ptr<WindowRecord> NewWindowRecord(const detail::WindowClassRecord& windowClass, const std::string& caption,
                                              DWORD style, const detail::WindowGeometry& geometry) {
    auto record = std::make_unique<WindowRecord>();
    record->classAtom = windowClass.atom;
    record->procedure = windowClass.procedure;
    record->background = windowClass.background;
    record->caption = caption;
    record->style = style;
    record->outer = geometry.outer;
    record->clientWidth = geometry.clientWidth;
    record->clientHeight = geometry.clientHeight;
    record->surface = std::make_shared<display::Surface>(geometry.clientWidth, geometry.clientHeight);
    record->dc = detail::CreateWindowSurfaceDC(record->surface);
    record->threadId = GetCurrentThreadId();
    record->queue = detail::ThisThreadQueue();
    return record;
}

display::WindowPlacement PlacementOf(const detail::WindowGeometry& geometry, const std::string& caption) {
    const RECT& r = geometry.outer;
    return display::WindowPlacement{r.left, r.top, r.right - r.left, r.bottom - r.top, geometry.clientWidth,
                                    geometry.clientHeight, geometry.framed, caption};
}

std::optional<detail::WindowClassRecord> ClassOf(const char* className) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const detail::WindowClassRecord* found = detail::FindClassLocked(user, className);
    return found ? std::optional(*found) : std::nullopt;
}

bool ParentAcceptable(HWND parent) {
    if (!parent) return true;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return detail::FindWindowLocked(user, parent) != nullptr;
}

// Takes the window out of the table and releases its DC; the record (and
// with it the surface, unless the display still shares it) goes too.
void EraseWindow(HWND window) {
    UserState& user = detail::User();
    std::unique_ptr<WindowRecord> record;
    {
        std::lock_guard lock(user.mutex);
        record = user.windows.Erase(detail::HandleValue(window));
        if (user.foreground == detail::HandleValue(window)) user.foreground = 0;
    }
    if (record && record->dc) detail::DestroySurfaceDC(record->dc);
}

}  // namespace

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* parameter) {
    const std::optional<detail::WindowClassRecord> windowClass = ClassOf(className);
    if (!windowClass || !ParentAcceptable(parent)) return nullptr;
    display::Display* display = detail::ConnectedDisplay();
    if (!display) return nullptr;

    const std::string caption = CaptionFrom(windowName);
    const detail::WindowGeometry geometry = detail::ResolveGeometry(style, x, y, width, height, display->Screen());
    std::unique_ptr<WindowRecord> record = NewWindowRecord(*windowClass, caption, style, geometry);
    if (!record->dc) return nullptr;
    const std::shared_ptr<display::Surface> surface = record->surface;

    HWND window;
    {
        UserState& user = detail::User();
        std::lock_guard lock(user.mutex);
        window = detail::MakeHandle<HWND>(user.windows.Insert(std::move(record)));
    }
    display->AddWindow(detail::IdOf(window), PlacementOf(geometry, caption), surface);

    const RECT& r = geometry.outer;
    CREATESTRUCTA create{parameter, instance, menu, parent, r.bottom - r.top, r.right - r.left, r.top, r.left,
                         static_cast<LONG>(style), windowName, className, exStyle};
    if (SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    if (!IsWindow(window)) return nullptr;  // the procedure destroyed it itself
    if (style & WS_VISIBLE) ShowWindow(window, SW_SHOW);
    return window;
}

BOOL DestroyWindow(HWND window) {
    UserState& user = detail::User();
    {
        std::lock_guard lock(user.mutex);
        WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
        if (!record || !detail::OwnedByThisThread(*record) || record->destroying) return FALSE;
        record->destroying = true;
    }
    // The window leaves the screen first, then hears of its end while its DC
    // still works (the procedure releases what it selected into it).
    if (display::Display* display = display::Current()) display->RemoveWindow(detail::IdOf(window));
    SendMessageA(window, WM_DESTROY, 0, 0);
    SendMessageA(window, WM_NCDESTROY, 0, 0);
    std::shared_ptr<detail::MessageQueue> queue = detail::ThisThreadQueue();
    EraseWindow(window);
    // Posts take the user lock, so none can slip in after the erase: what is
    // queued now is all there will ever be for this window.
    queue->Purge(window);
    return TRUE;
}

namespace detail {

void DestroyWindowsOfQueue(const MessageQueue& queue) {
    UserState& user = User();
    std::vector<HWND> orphans;
    {
        std::lock_guard lock(user.mutex);
        user.windows.ForEach([&](std::uintptr_t handle, WindowRecord& w) {
            if (w.queue.get() == &queue && !w.destroying) {
                w.destroying = true;
                orphans.push_back(MakeHandle<HWND>(handle));
            }
        });
    }
    display::Display* display = orphans.empty() ? nullptr : display::Current();
    for (HWND window : orphans) {
        if (display) display->RemoveWindow(IdOf(window));
        EraseWindow(window);
    }
}

}  // namespace detail

std::size_t probe::LiveWindows() {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    return user.windows.Size() - 1;  // the desktop is not one of the program's windows
}

}  // namespace lumenbox::win
