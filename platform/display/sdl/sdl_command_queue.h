// Requests from other threads to the SDL display thread.
//
// SDL may only be called on the display thread, so every Display member that
// changes what is on the screen becomes a command here. The display raises
// its thread's wake-up after each submission, as the thread sleeps on the
// server connection too; a caller can wait until its command has been
// carried out.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/display/display.h"

namespace lumenbox::display {

struct SdlCommand {
    enum class Kind { kAdd, kRemove, kShow, kHide, kFocus, kStop };
    Kind kind = Kind::kStop;
    WindowId window = 0;
    WindowPlacement placement{};
    std::shared_ptr<Surface> surface;
    std::uint64_t ticket = 0;  // set by the queue, in submission order
};

class SdlCommandQueue {
public:
    // Starts accepting commands.
    void Open();
    // Refuses everything from now on and releases every waiter: the display
    // thread has stopped and touches nothing any more.
    void Close();

    // The command's ticket, or 0 when the queue is not open.
    std::uint64_t Submit(SdlCommand command);
    // Returns once the command with this ticket has been carried out or the
    // queue has closed. Ticket 0 returns at once.
    void WaitFor(std::uint64_t ticket);

    // Returns when a command is queued or `timeout` passed: for a consumer
    // with nothing else to wait on.
    void WaitForCommands(std::chrono::milliseconds timeout);
    // Display thread: everything queued so far, oldest first.
    std::deque<SdlCommand> TakeAll();
    // Display thread: every command up to this ticket has been carried out.
    void MarkDone(std::uint64_t ticket);

private:
    std::mutex mutex_;
    std::condition_variable doneChanged_;
    std::condition_variable queued_;
    std::deque<SdlCommand> pending_;
    bool open_ = false;
    std::uint64_t lastTicket_ = 0;
    std::uint64_t doneTicket_ = 0;
};

}  // namespace lumenbox::display
