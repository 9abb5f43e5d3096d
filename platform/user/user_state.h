// The user layer's own tables: window classes and windows, under one lock.
//
// Lock rule: the user mutex is never held while calling the display, GDI or
// a window procedure. Procedures call back into the user layer, and the
// display calls our event sink from its own thread. A queue's mutex may be
// taken while the user mutex is held, never the other way round.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <lumenbox/win/user.h>

#include "platform/display/display.h"
#include "platform/kernel/handle_table.h"
#include "platform/user/double_click.h"
#include "platform/user/message_queue.h"

namespace lumenbox::win::detail {

struct WindowClassRecord {
    std::string name;
    ATOM atom;
    UINT style;
    WNDPROC procedure;
    HBRUSH background;  // a brush, or a system colour index + 1
};

// The part of the client area that must be repainted, kept as its bounding
// rectangle in client coordinates.
struct UpdateRegion {
    RECT bounds{0, 0, 0, 0};
    bool erase = false;  // the background must be erased before painting

    bool Empty() const { return bounds.left >= bounds.right || bounds.top >= bounds.bottom; }
    void Clear() { *this = UpdateRegion{}; }
};

struct WindowRecord {
    bool desktop = false;
    ATOM classAtom = 0;
    WNDPROC procedure = nullptr;
    HBRUSH background = nullptr;
    std::string caption;
    DWORD style = 0;
    RECT outer{0, 0, 0, 0};  // screen coordinates
    int clientWidth = 0;
    int clientHeight = 0;
    std::shared_ptr<display::Surface> surface;
    HDC dc = nullptr;  // the window's own DC
    DWORD threadId = 0;
    std::shared_ptr<MessageQueue> queue;  // the owning thread's
    bool visible = false;
    bool destroying = false;  // WM_DESTROY under way; no second destruction
    UpdateRegion update;
    std::optional<RECT> erasing;  // the area a WM_ERASEBKGND under way is to fill
    bool trackingLeave = false;   // TrackMouseEvent(TME_LEAVE) asked for WM_MOUSELEAVE

    RECT ClientRect() const { return RECT{0, 0, clientWidth, clientHeight}; }
};

struct UserState {
    UserState();

    std::mutex mutex;
    HandleTable<WindowRecord> windows{HandleTag::User};
    std::uintptr_t desktop = 0;  // lives as long as the process
    std::vector<WindowClassRecord> classes;
    std::vector<HDC> screenDcs;  // handed out by GetDC, not yet released
    std::uintptr_t foreground = 0;
    std::uintptr_t capture = 0;  // the window holding the mouse capture
    std::uintptr_t hover = 0;    // the window whose client area the pointer is over
    DoubleClickMemory clicks;
};

// The one instance; never destroyed, so threads still running while the
// process exits find it intact.
UserState& User();

// Under the user mutex: the live window a handle designates (the desktop
// included), or nullptr.
WindowRecord* FindWindowLocked(UserState& user, HWND window);
// Under the user mutex: a live window other than the desktop, or nullptr.
WindowRecord* FindOrdinaryWindowLocked(UserState& user, HWND window);

// The calling thread's queue, made on first use.
std::shared_ptr<MessageQueue> ThisThreadQueue();
// The calling thread's queue, or nullptr if it has none yet.
MessageQueue* ThisThreadQueueIfAny();
// Whether the window belongs to the calling thread.
inline bool OwnedByThisThread(const WindowRecord& window) {
    return window.queue && window.queue.get() == ThisThreadQueueIfAny();
}

// The key state as of the last key message the calling thread retrieved.
const std::optional<display::KeyStates>& RetrievedKeyState();
void RememberRetrievedKeyState(const display::KeyStates& keys);
// What GetKeyState answers on this thread: the retrieved state, or the
// display's when the thread has retrieved none.
display::KeyStates SynchronousKeyState();

// Queues a message for a window's thread (a NULL window: the calling
// thread's); `next` puts it ahead of all others. FALSE for a bad window.
BOOL PostToWindow(HWND window, QueuedMessage message, bool next);

// The process's display, with the user layer's event sink attached; NULL
// when no display can be had.
display::Display* ConnectedDisplay();

// Destroys, without messages, the windows a thread leaves behind when it
// ends: nothing can run their procedures any more.
void DestroyWindowsOfQueue(const MessageQueue& queue);

// Under the user mutex: where the window's client area starts on the screen.
POINT ClientOriginLocked(const WindowRecord& window);
// Under the user mutex: the style its class was registered with.
UINT ClassStyleLocked(const UserState& user, const WindowRecord& window);

inline display::WindowId IdOf(HWND window) { return HandleValue(window); }
inline bool IsIntResource(const char* name) { return reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF; }

}  // namespace lumenbox::win::detail
