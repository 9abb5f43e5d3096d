// The SDL display's members callable from any thread: start, shut-down, and
// window requests handed to the display thread.
#include "platform/display/sdl/sdl_display_backend.h"

#include <utility>

#include "platform/display/sdl/sdl_video_claim.h"

namespace lumenbox::display {

namespace {

SdlCommand CommandFor(SdlCommand::Kind kind, WindowId window = 0) {
    SdlCommand command;
    command.kind = kind;
    command.window = window;
    return command;
}

}  // namespace

std::unique_ptr<SdlDisplay> SdlDisplay::Start() {
    if (!ClaimSdlVideo()) return nullptr;
    std::unique_ptr<SdlDisplay> display(new SdlDisplay);
    std::promise<bool> started;
    std::future<bool> outcome = started.get_future();
    // The promise lives with the thread, so reporting the outcome never
    // touches memory of this frame after it has moved on.
    display->thread_ = std::thread(
        [self = display.get(), started = std::move(started)]() mutable { self->ThreadMain(started); });
    // The thread has released the claim and quit SDL when it reports failure.
    if (!outcome.get()) {
        display->thread_.join();
        return nullptr;
    }
    return display;
}

SdlDisplay::~SdlDisplay() { Shutdown(); }

void SdlDisplay::Shutdown() {
    std::lock_guard lock(lifetimeMutex_);
    // Joining itself would never return; a shut-down from the display thread
    // (exit called from an event handler) leaves the thread to the process end.
    if (!thread_.joinable() || OnDisplayThread()) return;
    Send(CommandFor(SdlCommand::Kind::kStop));
    thread_.join();
}

std::uint64_t SdlDisplay::Send(SdlCommand command) {
    const std::uint64_t ticket = commands_.Submit(std::move(command));
    wake_.Raise();
    return ticket;
}

void SdlDisplay::AddWindow(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) {
    SdlCommand command = CommandFor(SdlCommand::Kind::kAdd, window);
    command.placement = placement;
    command.surface = std::move(surface);
    Send(std::move(command));
}

void SdlDisplay::RemoveWindow(WindowId window) {
    const std::uint64_t ticket = Send(CommandFor(SdlCommand::Kind::kRemove, window));
    // On the display thread nothing presents while this runs, and the command
    // is carried out before the next presentation.
    if (!OnDisplayThread()) commands_.WaitFor(ticket);
}

void SdlDisplay::SetVisible(WindowId window, bool visible) {
    const auto kind = visible ? SdlCommand::Kind::kShow : SdlCommand::Kind::kHide;
    Send(CommandFor(kind, window));
}

void SdlDisplay::SetFocus(WindowId window) {
    Send(CommandFor(SdlCommand::Kind::kFocus, window));
}

}  // namespace lumenbox::display
