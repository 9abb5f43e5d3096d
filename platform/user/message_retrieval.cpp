// GetMessageA and PeekMessageA: what the owning thread takes out of its
// queue, in Windows' order: posted messages, then WM_QUIT, then WM_PAINT.
#include <lumenbox/win/kernel.h>

#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

using detail::MessageFilter;
using detail::MessageQueue;
using detail::QueuedMessage;
using detail::UserState;

// WM_PAINT is made, never queued: it names a visible window of this queue
// whose update region is not empty, and stays until the region is validated.
std::optional<QueuedMessage> PaintMessage(const MessageQueue& queue, const MessageFilter& filter) {
    if (!filter.AcceptsNumber(WM_PAINT)) return std::nullopt;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    std::optional<QueuedMessage> paint;
    user.windows.ForEach([&](std::uintptr_t handle, const detail::WindowRecord& w) {
        const HWND window = detail::MakeHandle<HWND>(handle);
        if (paint || w.queue.get() != &queue || !w.visible || w.update.Empty() || !filter.AcceptsWindow(window))
            return;
        paint = QueuedMessage{MSG{window, WM_PAINT, 0, 0, GetTickCount(), {}}, std::nullopt};
    });
    return paint;
}

std::optional<QueuedMessage> NextMessage(MessageQueue& queue, const MessageFilter& filter, bool remove,
                                         std::uint64_t& seen) {
    if (auto posted = queue.Take(filter, remove, seen)) return posted;
    return PaintMessage(queue, filter);
}

// A filter naming a window must name one of the calling thread's, or the
// retrieval could never end.
bool FilterWindowUsable(HWND window) {
    if (!window || window == MessageFilter::ThreadMessagesOnly()) return true;
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const detail::WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
    return record && detail::OwnedByThisThread(*record);
}

void Deliver(const QueuedMessage& found, bool removed, MSG* message) {
    *message = found.message;
    // GetKeyState answers for the key message the thread is working on.
    if (removed && found.keys) detail::RememberRetrievedKeyState(*found.keys);
}

}  // namespace

BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    if (!message) return -1;
    const std::shared_ptr<MessageQueue> queue = detail::ThisThreadQueue();
    if (!FilterWindowUsable(window)) return -1;
    const MessageFilter filter{window, filterMin, filterMax};
    for (;;) {
        std::uint64_t seen = 0;
        if (auto found = NextMessage(*queue, filter, true, seen)) {
            Deliver(*found, true, message);
            return found->message.message == WM_QUIT ? 0 : 1;
        }
        // Whatever was posted or invalidated after the look above has moved
        // the change count past `seen`, so this cannot miss a wake-up.
        queue->WaitForChange(seen);
    }
}

BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    if (!message) return FALSE;
    const std::shared_ptr<MessageQueue> queue = detail::ThisThreadQueue();
    if (!FilterWindowUsable(window)) return FALSE;
    const bool removing = (remove & PM_REMOVE) != 0;
    std::uint64_t seen = 0;
    auto found = NextMessage(*queue, MessageFilter{window, filterMin, filterMax}, removing, seen);
    if (!found) return FALSE;
    Deliver(*found, removing, message);
    return TRUE;
}

}  // namespace lumenbox::win
