// A thread's message queue.
#include "platform/user/message_queue.h"

#include <algorithm>
#include <utility>

#include <lumenbox/win/kernel.h>

namespace lumenbox::win::detail {

void MessageQueue::ChangedLocked() {
    ++changes_;
    changed_.notify_all();
}

void MessageQueue::Post(QueuedMessage message) {
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(message));
    ChangedLocked();
}

void MessageQueue::PostNext(QueuedMessage message) {
    std::lock_guard lock(mutex_);
    posted_.push_front(std::move(message));
    ChangedLocked();
}

void MessageQueue::PostQuit(int exitCode) {
    std::lock_guard lock(mutex_);
    quitPending_ = true;
    quitCode_ = exitCode;
    ChangedLocked();
}

void MessageQueue::Wake() {
    std::lock_guard lock(mutex_);
    ChangedLocked();
}

void MessageQueue::Purge(HWND window) {
    std::lock_guard lock(mutex_);
    std::erase_if(posted_, [window](const QueuedMessage& m) { return m.message.hwnd == window; });
}

std::optional<QueuedMessage> MessageQueue::Take(const MessageFilter& filter, bool remove, std::uint64_t& seen) {
    std::lock_guard lock(mutex_);
    seen = changes_;
    auto it = std::find_if(posted_.begin(), posted_.end(),
                           [&filter](const QueuedMessage& m) { return filter.Accepts(m.message); });
    if (it != posted_.end()) {
        QueuedMessage found = *it;
        if (remove) posted_.erase(it);
        return found;
    }
    if (!quitPending_) return std::nullopt;
    if (remove) quitPending_ = false;
    const MSG quit{nullptr, WM_QUIT, static_cast<WPARAM>(static_cast<std::intptr_t>(quitCode_)), 0, GetTickCount(), {}};
    return QueuedMessage{quit, std::nullopt};
}

void MessageQueue::WaitForChange(std::uint64_t seen) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return changes_ != seen; });
}

}  // namespace lumenbox::win::detail
