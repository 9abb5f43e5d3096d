// The SDL display: a Display whose windows are real toolkit windows.
//
// All SDL work happens on the display's own thread, which owns the window
// records and the toolkit objects. The members below may be called from any
// thread: they read the state that thread publishes (screen, key state) or
// hand it a command. RemoveWindow and Shutdown wait for it, so that the
// surface of a removed window is never read again once the call returns.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <SDL2/SDL_events.h>

#include "platform/display/display.h"
#include "platform/display/sdl/sdl_command_queue.h"
#include "platform/display/sdl/sdl_held_keys.h"
#include "platform/display/sdl/sdl_key_state.h"
#include "platform/display/sdl/sdl_shown_window.h"
#include "platform/display/sdl/sdl_wake_signal.h"

namespace lumenbox::display {

class SdlDisplay final : public Display {
public:
    // Starts the display thread and SDL on it; NULL when SDL cannot start
    // (no display server) or another SDL display already runs.
    static std::unique_ptr<SdlDisplay> Start();
    ~SdlDisplay() override;

    // Closes every window, stops the thread and quits SDL. Safe to call more
    // than once and from any thread but the display's own; later calls to the
    // other members do nothing.
    void Shutdown() override;

    const char* Name() const override { return "sdl"; }
    ScreenInfo Screen() const override { return screen_; }
    // Contexts are bookkeeping of the stand-in; nothing is rendered through them.
    bool OpenGLAvailable() const override { return true; }
    std::vector<std::string> FontFamilies() const override { return InstalledFontFamilies(); }
    KeyStates KeyState() const override { return keys_.Current(); }
    void SetEventSink(EventSink* sink) override { sink_.store(sink, std::memory_order_release); }

    void AddWindow(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) override;
    void RemoveWindow(WindowId window) override;
    void SetVisible(WindowId window, bool visible) override;
    void SetFocus(WindowId window) override;
    // A shown surface reports its changes to the display thread itself.
    void SurfaceChanged(WindowId) override {}

private:
    // What the display thread knows of one window.
    struct WindowRecord {
        WindowPlacement placement;
        std::shared_ptr<Surface> surface;
        std::unique_ptr<SdlShownWindow> shown;  // NULL while hidden
    };

    SdlDisplay() = default;
    bool OnDisplayThread() const { return std::this_thread::get_id() == threadId_.load(); }

    // ---- Display thread (sdl_display_thread.cpp) ----
    void ThreadMain(std::promise<bool>& started);
    bool StartToolkit();
    void RunLoop();
    void PresentIfDue(std::chrono::steady_clock::time_point& nextPresent);
    void DispatchToolkitEvents();
    void SleepUntilNeeded(std::chrono::steady_clock::time_point nextPresent);
    bool AnyWindowShown() const;
    bool AnyPresentationPending() const;
    void CarryOutCommands();
    void CarryOut(SdlCommand& command);
    void OpenShownWindow(WindowRecord& record);
    void PresentChangedWindows();
    std::chrono::steady_clock::duration PresentInterval() const;
    void StopToolkit();

    // ---- Display thread, input (sdl_event_dispatch.cpp) ----
    void Dispatch(const SDL_Event& event);
    void DispatchKey(const SDL_KeyboardEvent& key);
    void DispatchWindowEvent(const SDL_WindowEvent& windowEvent);
    void DispatchQuit();
    // sdl_pointer_dispatch.cpp: the mouse, in client pixels of its window.
    void DispatchMotion(const SDL_MouseMotionEvent& motion);
    void DispatchButton(const SDL_MouseButtonEvent& button);
    void DispatchWheel(const SDL_MouseWheelEvent& wheel);
    void DispatchPointerLeft(WindowId window);
    void SendPointer(WindowId window, PointerEvent::Kind kind, int x, int y, int button, int notches);
    WindowId WindowOfToolkitId(std::uint32_t toolkitId) const;

    ScreenInfo screen_{0, 0, 32};  // written before Start returns, constant after
    int refreshRate_ = 60;

    std::atomic<EventSink*> sink_{nullptr};
    SdlKeyState keys_;
    SdlCommandQueue commands_;
    SdlWakeSignal wake_;

    // Any thread: hands the display thread a command and wakes it.
    std::uint64_t Send(SdlCommand command);

    // Display thread only.
    std::map<WindowId, WindowRecord> windows_;
    SdlHeldKeys heldKeys_;
    WindowId focused_ = 0;
    int serverConnection_ = -1;  // known once a window was shown (X11 only)
    int mouseButtons_ = 0;  // held: bit 0 left, 1 right, 2 middle
    bool running_ = true;

    std::mutex lifetimeMutex_;  // serialises Shutdown callers
    std::thread thread_;
    std::atomic<std::thread::id> threadId_{};
};

}  // namespace lumenbox::display
