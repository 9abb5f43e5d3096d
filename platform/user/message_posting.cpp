// Posting messages to a window's thread, and sending them on the same thread.
#include <lumenbox/win/kernel.h>

#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace detail {

// The push happens under the user lock, so that DestroyWindow, which erases
// the window under that lock and then purges its queue, never leaves a
// message behind for a window that is gone.
BOOL PostToWindow(HWND window, QueuedMessage message, bool next) {
    std::shared_ptr<MessageQueue> threadQueue;
    if (!window) threadQueue = ThisThreadQueue();
    UserState& user = User();
    std::lock_guard lock(user.mutex);
    MessageQueue* queue = threadQueue.get();
    if (window) {
        WindowRecord* record = FindOrdinaryWindowLocked(user, window);
        if (!record) return FALSE;
        queue = record->queue.get();
    }
    message.message.hwnd = window;
    if (next)
        queue->PostNext(std::move(message));
    else
        queue->Post(std::move(message));
    return TRUE;
}

}  // namespace detail

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG posted{window, message, wParam, lParam, GetTickCount(), {}};
    return detail::PostToWindow(window, detail::QueuedMessage{posted, std::nullopt}, false);
}

void PostQuitMessage(int exitCode) { detail::ThisThreadQueue()->PostQuit(exitCode); }

// Procedures run only on their window's thread; a send from elsewhere would
// have to wait for that thread, which nothing here needs.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = nullptr;
    {
        detail::UserState& user = detail::User();
        std::lock_guard lock(user.mutex);
        const detail::WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
        if (!record || !detail::OwnedByThisThread(*record)) return 0;
        procedure = record->procedure;
    }
    return procedure(window, message, wParam, lParam);
}

// Messages posted to the thread rather than to a window have no procedure.
LRESULT DispatchMessageA(const MSG* message) {
    if (!message || !message->hwnd) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

}  // namespace lumenbox::win
