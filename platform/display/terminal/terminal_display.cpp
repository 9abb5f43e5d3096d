// The terminal display's members callable from any thread: start, shut-down
// and the window list.
#include "platform/display/terminal/terminal_display.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace lumenbox::display {

std::unique_ptr<Display> CreateTerminalDisplay() { return TerminalDisplay::Start(); }

std::unique_ptr<TerminalDisplay> TerminalDisplay::Start() {
    std::unique_ptr<TerminalSession> session = TerminalSession::Open();
    if (!session) return nullptr;
    std::unique_ptr<TerminalDisplay> display(new TerminalDisplay(std::move(session)));
    int wake[2];
    if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) return nullptr;  // the session restores the terminal
    display->wakeRead_ = wake[0];
    display->wakeWrite_ = wake[1];
    display->thread_ = std::thread([self = display.get()] { self->ThreadMain(); });
    return display;
}

TerminalDisplay::TerminalDisplay(std::unique_ptr<TerminalSession> session) : session_(std::move(session)) {}

TerminalDisplay::~TerminalDisplay() {
    Shutdown();
    if (wakeRead_ >= 0) close(wakeRead_);
    if (wakeWrite_ >= 0) close(wakeWrite_);
}

void TerminalDisplay::Shutdown() {
    std::lock_guard lock(lifetimeMutex_);
    stopping_.store(true);
    // Joining itself would never return; a shut-down from the display thread
    // (exit called from a key handler) runs while the thread writes nothing.
    if (thread_.joinable() && !OnDisplayThread()) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t written = write(wakeWrite_, &wake, 1);
        thread_.join();
    }
    session_->Restore();
}

void TerminalDisplay::AddWindow(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) {
    std::lock_guard lock(mutex_);
    windows_.Add(window, placement, std::move(surface));
}

void TerminalDisplay::RemoveWindow(WindowId window) {
    {
        std::lock_guard lock(mutex_);
        windows_.Remove(window);
    }
    // Waits out a copy of its pixels that may have begun before the removal.
    if (!OnDisplayThread()) {
        std::lock_guard reading(readingMutex_);
    }
}

void TerminalDisplay::SetVisible(WindowId window, bool visible) {
    std::lock_guard lock(mutex_);
    windows_.SetVisible(window, visible);
}

void TerminalDisplay::SetFocus(WindowId window) {
    std::lock_guard lock(mutex_);
    windows_.Focus(window);
}

// Keys go to the window with the focus; without one, to the window shown.
WindowId TerminalDisplay::KeyTargetLocked() const {
    if (windows_.Focused() != 0) return windows_.Focused();
    const WindowStack::Entry* shown = windows_.Shown();
    return shown ? shown->id : 0;
}

}  // namespace lumenbox::display
