// The SDL display thread: starts the toolkit, then alternates between
// carrying out commands, presenting changed surfaces and sleeping until there
// is something to do, until it is told to stop.
#include <SDL2/SDL.h>
#include <poll.h>
#include <pthread.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>

#include "platform/display/sdl/sdl_display.h"
#include "platform/display/sdl/sdl_display_backend.h"
#include "platform/display/sdl/sdl_video_claim.h"
#include "platform/display/sdl/sdl_wait_plan.h"

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
    // The software renderer copies straight to the server rather than
    // through an OpenGL texture of its own.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

}  // namespace

void SdlDisplay::ThreadMain(std::promise<bool>& started) {
    threadId_.store(std::this_thread::get_id());
    // Named, so that its share of the processor can be told apart.
    pthread_setname_np(pthread_self(), "sdl display");
    if (!StartToolkit()) {
        SDL_Quit();
        ReleaseSdlVideo();
        started.set_value(false);
        return;
    }
    commands_.Open();
    started.set_value(true);
    RunLoop();
    StopToolkit();
}

bool SdlDisplay::StartToolkit() {
    SetToolkitHints();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    if (!IsWindowSystemDriver(SDL_GetCurrentVideoDriver())) {
        std::fprintf(stderr, "lumenbox: no display server answered; SDL offers only its \"%s\" video driver\n",
                     SDL_GetCurrentVideoDriver());
        return false;
    }
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return false;
    screen_ = ScreenInfo{desktop.w, desktop.h, 32};
    refreshRate_ = desktop.refresh_rate > 0 ? desktop.refresh_rate : kDefaultRefreshRate;
    // Characters are made by the user layer from key codes; the toolkit's
    // text input (and its input method) would only add work.
    SDL_StopTextInput();
    return true;
}

// Presentations keep a fixed cadence of at most one per refresh, measured
// from when each was due rather than when it ended, so that with a renderer
// that waits for the refresh they stay in step with it instead of slipping a
// frame. Between them the thread sleeps until a command, a surface change or
// an event of the server wakes it: a window that shows an unchanged picture
// costs nothing.
void SdlDisplay::RunLoop() {
    auto nextPresent = std::chrono::steady_clock::now();
    while (running_) {
        // Before anything is looked at: what changes from here wakes the sleep.
        wake_.Clear();
        CarryOutCommands();
        if (!running_) break;
        PresentIfDue(nextPresent);
        DispatchToolkitEvents();
        SleepUntilNeeded(nextPresent);
    }
}

void SdlDisplay::PresentIfDue(std::chrono::steady_clock::time_point& nextPresent) {
    const auto now = std::chrono::steady_clock::now();
    if (now < nextPresent || !AnyPresentationPending()) return;
    PresentChangedWindows();
    // After a pause the first change is shown at once and the cadence starts
    // again from it.
    nextPresent += PresentInterval();
    if (nextPresent <= now) nextPresent = now + PresentInterval();
}

// Every event the toolkit has, including those its last requests read from
// the server along with their replies: after this, whatever comes next makes
// the server connection readable.
void SdlDisplay::DispatchToolkitEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) Dispatch(event);
}

// No other thread calls the toolkit, not even to wake this one: a wake-up
// event sent from another thread goes to a window through a connection of
// its own, and can reach the server after this thread destroyed that window,
// which ends the process with an X error. So the thread sleeps in poll() on
// the server connection and its own wake-up together, and nothing else may
// call the toolkit between the dispatch of its events and this sleep.
void SdlDisplay::SleepUntilNeeded(std::chrono::steady_clock::time_point nextPresent) {
    SdlWaitState state;
    state.presentationPending = AnyPresentationPending();
    state.untilPresentation = nextPresent - std::chrono::steady_clock::now();
    state.hearsEverything = wake_.Usable() && serverConnection_ >= 0;
    state.anyWindowShown = AnyWindowShown();
    std::array<pollfd, 2> sources{{{wake_.Fd(), POLLIN, 0}, {serverConnection_, POLLIN, 0}}};
    // A negative descriptor is skipped by poll(); with neither it only sleeps.
    while (poll(sources.data(), sources.size(), SdlSleepMilliseconds(state)) < 0 && errno == EINTR) {
    }
}

bool SdlDisplay::AnyWindowShown() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const auto& entry) { return entry.second.shown != nullptr; });
}

bool SdlDisplay::AnyPresentationPending() const {
    return std::any_of(windows_.begin(), windows_.end(), [](const auto& entry) {
        return entry.second.shown != nullptr && entry.second.shown->HasChangeToPresent();
    });
}

std::chrono::steady_clock::duration SdlDisplay::PresentInterval() const {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::seconds(1)) / refreshRate_;
}

void SdlDisplay::PresentChangedWindows() {
    for (auto& [id, record] : windows_) {
        if (record.shown && record.shown->PresentIfChanged())
            ReportSurfacePresented(id, *record.surface, std::chrono::steady_clock::now());
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

// A window the toolkit cannot show stays hidden from the user, though the
// program goes on drawing into it; the toolkit's reason is the only trace.
void SdlDisplay::OpenShownWindow(WindowRecord& record) {
    record.shown = SdlShownWindow::Open(record.placement, record.surface, screen_.width, screen_.height);
    if (!record.shown) {
        std::fprintf(stderr, "lumenbox: the window \"%s\" could not be shown: %s\n",
                     record.placement.caption.c_str(), SDL_GetError());
        return;
    }
    record.shown->ReportChangesTo(&wake_);
    // The connection stays open until the toolkit quits, whichever windows come and go.
    if (serverConnection_ < 0) serverConnection_ = record.shown->ServerConnection();
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
