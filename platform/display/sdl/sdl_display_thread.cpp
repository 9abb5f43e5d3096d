// The SDL display thread: starts the toolkit, then alternates between
// waiting for events, carrying out commands and presenting changed surfaces,
// until it is told to stop.
#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>

#include "platform/display/sdl/sdl_display_backend.h"
#include "platform/display/sdl/sdl_video_claim.h"

namespace lumenbox::display {

namespace {

// Where the toolkit knows no refresh rate (virtual servers), the common one.
constexpr int kDefaultRefreshRate = 60;

void SetToolkitHints() {
    // Ctrl+C must end the program as it would without a window.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Closing the last window is a request to the program, not the end of it.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
}

}  // namespace

void SdlDisplay::ThreadMain(std::promise<bool>& started) {
    threadId_.store(std::this_thread::get_id());
    if (!StartToolkit()) {
        SDL_Quit();
        ReleaseSdlVideo();
        started.set_value(false);
        return;
    }
    commands_.Open([type = wakeEventType_] {
        SDL_Event wake{};
        wake.type = type;
        SDL_PushEvent(&wake);
    });
    started.set_value(true);
    RunLoop();
    StopToolkit();
}

bool SdlDisplay::StartToolkit() {
    SetToolkitHints();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    wakeEventType_ = SDL_RegisterEvents(1);
    if (wakeEventType_ == static_cast<std::uint32_t>(-1)) return false;
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return false;
    screen_ = ScreenInfo{desktop.w, desktop.h, 32};
    refreshRate_ = desktop.refresh_rate > 0 ? desktop.refresh_rate : kDefaultRefreshRate;
    // Characters are made by the user layer from key codes; the toolkit's
    // text input (and its input method) would only add work.
    SDL_StopTextInput();
    return true;
}

// Presentations keep a fixed cadence of one per refresh, measured from when
// each was due rather than when it ended, so that with a renderer that waits
// for the refresh they stay in step with it instead of slipping a frame.
void SdlDisplay::RunLoop() {
    const auto interval = PresentInterval();
    auto nextPresent = std::chrono::steady_clock::now();
    while (running_) {
        WaitForEventsUntil(nextPresent);
        CarryOutCommands();
        if (!running_) break;
        const auto now = std::chrono::steady_clock::now();
        if (now < nextPresent) continue;
        PresentChangedWindows();
        nextPresent += interval;
        if (nextPresent <= now) nextPresent = now + interval;
    }
}

// The toolkit sleeps soundly only while it has a shown window to be woken
// through; without one it would poll every millisecond, so the thread sleeps
// on the command queue instead, where the next window will come from.
void SdlDisplay::WaitForEventsUntil(std::chrono::steady_clock::time_point deadline) {
    using std::chrono::milliseconds;
    SDL_Event event;
    if (AnyWindowShown()) {
        const auto left = std::chrono::ceil<milliseconds>(deadline - std::chrono::steady_clock::now());
        const int timeout = static_cast<int>(std::clamp<milliseconds::rep>(left.count(), 0, 1000));
        if (SDL_WaitEventTimeout(&event, timeout) == 0) return;
        Dispatch(event);
    } else {
        commands_.WaitForCommands(milliseconds(1000));
    }
    while (SDL_PollEvent(&event) != 0) Dispatch(event);
}

bool SdlDisplay::AnyWindowShown() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const auto& entry) { return entry.second.shown != nullptr; });
}

std::chrono::steady_clock::duration SdlDisplay::PresentInterval() const {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::seconds(1)) / refreshRate_;
}

void SdlDisplay::PresentChangedWindows() {
    for (auto& [id, record] : windows_) {
        if (record.shown) record.shown->PresentIfChanged();
    }
}

void SdlDisplay::CarryOutCommands() {
    for (SdlCommand& command : commands_.TakeAll()) {
        CarryOut(command);
        commands_.MarkDone(command.ticket);
    }
}

void SdlDisplay::CarryOut(SdlCommand& command) {
    using Kind = SdlCommand::Kind;
    if (command.kind == Kind::kStop) {
        running_ = false;
        return;
    }
    if (command.kind == Kind::kAdd) {
        windows_[command.window] = WindowRecord{command.placement, std::move(command.surface), nullptr};
        return;
    }
    const auto found = windows_.find(command.window);
    if (found == windows_.end()) return;
    WindowRecord& record = found->second;
    switch (command.kind) {
        case Kind::kRemove:
            windows_.erase(found);
            if (focused_ == command.window) focused_ = 0;
            break;
        case Kind::kShow:
            if (!record.shown) OpenShownWindow(record);
            // The focus may have been given while the window was hidden.
            if (record.shown && focused_ == command.window) record.shown->Raise();
            break;
        case Kind::kHide:
            record.shown.reset();
            break;
        case Kind::kFocus:
            focused_ = command.window;
            if (record.shown) record.shown->Raise();
            break;
        default:
            break;
    }
}

void SdlDisplay::OpenShownWindow(WindowRecord& record) {
    record.shown = SdlShownWindow::Open(record.placement, record.surface, screen_.width, screen_.height);
}

void SdlDisplay::StopToolkit() {
    windows_.clear();
    // From here on no command reaches the thread, and every waiter returns:
    // no surface is read any more.
    commands_.Close();
    SDL_Quit();
    ReleaseSdlVideo();
}

}  // namespace lumenbox::display
