// The display thread's command queue.
#include "platform/display/sdl/sdl_command_queue.h"

#include <utility>

namespace lumenbox::display {

void SdlCommandQueue::Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
}

void SdlCommandQueue::Close() {
    {
        std::lock_guard lock(mutex_);
        open_ = false;
        pending_.clear();
    }
    doneChanged_.notify_all();
}

std::uint64_t SdlCommandQueue::Submit(SdlCommand command) {
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(mutex_);
        if (!open_) return 0;
        ticket = command.ticket = ++lastTicket_;
        pending_.push_back(std::move(command));
    }
    queued_.notify_one();
    return ticket;
}

void SdlCommandQueue::WaitForCommands(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    queued_.wait_for(lock, timeout, [&] { return !pending_.empty(); });
}

void SdlCommandQueue::WaitFor(std::uint64_t ticket) {
    if (ticket == 0) return;
    std::unique_lock lock(mutex_);
    doneChanged_.wait(lock, [&] { return doneTicket_ >= ticket || !open_; });
}

std::deque<SdlCommand> SdlCommandQueue::TakeAll() {
    std::lock_guard lock(mutex_);
    return std::exchange(pending_, {});
}

void SdlCommandQueue::MarkDone(std::uint64_t ticket) {
    {
        std::lock_guard lock(mutex_);
        if (ticket > doneTicket_) doneTicket_ = ticket;
    }
    doneChanged_.notify_all();
}

}  // namespace lumenbox::display
