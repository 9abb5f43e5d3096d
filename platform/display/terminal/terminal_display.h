// The terminal display: the visible window drawn into the terminal in 24-bit
// colour half-blocks, keys and mouse reports read from the terminal.
//
// A thread of the display's own does all terminal input and output: it reads
// and parses keys, and about thirty times a second draws the shown window
// (the focused one when visible, else the one nearest the front) if its
// surface changed or the terminal was resized. The members below may be
// called from any thread; they only change the window list under the lock.
//
// A terminal has no close button, so CloseRequested is never reported; the
// program is ended by its own keys or by Ctrl+C. A resize of the terminal is
// reported as an exposure of the whole client area, as a real window's would.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/display.h"
#include "platform/display/window_stack.h"
#include "platform/display/terminal/terminal_frame_renderer.h"
#include "platform/display/terminal/terminal_key_parser.h"
#include "platform/display/terminal/terminal_key_strokes.h"
#include "platform/display/terminal/terminal_session.h"

namespace lumenbox::display {

class TerminalDisplay final : public Display {
public:
    // Takes over the terminal and starts the display thread; NULL when the
    // process has no terminal.
    static std::unique_ptr<TerminalDisplay> Start();
    ~TerminalDisplay() override;

    // Stops the thread and gives the terminal back as it was. Safe to call
    // more than once and from any thread.
    void Shutdown() override;

    const char* Name() const override { return "terminal"; }
    // Windows keep their own size; the terminal shows them scaled to fit.
    ScreenInfo Screen() const override { return ScreenInfo{1920, 1080, 32}; }
    // Contexts are bookkeeping of the stand-in; nothing is rendered through them.
    bool OpenGLAvailable() const override { return true; }
    std::vector<std::string> FontFamilies() const override { return InstalledFontFamilies(); }
    KeyStates KeyState() const override { return strokes_.Current(); }
    void SetEventSink(EventSink* sink) override { sink_.store(sink, std::memory_order_release); }

    void AddWindow(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) override;
    void RemoveWindow(WindowId window) override;
    void SetVisible(WindowId window, bool visible) override;
    void SetFocus(WindowId window) override;
    // The thread looks at the surface's version every frame anyway.
    void SurfaceChanged(WindowId) override {}

private:
    // The window a frame shows, with its pixels copied out.
    struct Snapshot {
        WindowId id = 0;
        int width = 0;
        int height = 0;
        int clientWidth = 0;
        int clientHeight = 0;
        std::uint64_t version = 0;
        bool copied = false;  // false: unchanged since the last frame
    };

    explicit TerminalDisplay(std::unique_ptr<TerminalSession> session);
    bool OnDisplayThread() const { return std::this_thread::get_id() == threadId_.load(); }

    WindowId KeyTargetLocked() const;

    // ---- Display thread (terminal_display_thread.cpp) ----
    void ThreadMain();
    void ReadInput(std::chrono::milliseconds timeout);
    void Deliver(const std::vector<TerminalInput>& input);
    void DeliverKey(const TerminalKey& key);
    // terminal_display_pointer.cpp: a mouse report to the shown window.
    void DeliverMouse(const TerminalMouse& mouse);
    void PresentFrame();
    Snapshot TakeSnapshot(bool redraw);

    std::unique_ptr<TerminalSession> session_;
    int wakeRead_ = -1;  // a pipe whose other end wakes the thread to stop
    int wakeWrite_ = -1;

    std::atomic<EventSink*> sink_{nullptr};
    TerminalKeyStrokes strokes_;

    mutable std::mutex mutex_;  // guards the window list and focus
    WindowStack windows_;

    // Held while the thread picks a window and copies its pixels, so that
    // RemoveWindow returns only once its surface is read no more.
    std::mutex readingMutex_;

    // Display thread only.
    TerminalKeyParser parser_;
    TerminalFrameRenderer renderer_;
    std::vector<std::uint32_t> pixels_;
    std::optional<TerminalSize> size_;
    WindowId drawnWindow_ = 0;
    std::uint64_t drawnVersion_ = 0;
    bool blank_ = true;
    std::chrono::steady_clock::time_point lastInput_{};
    int mouseButtons_ = 0;  // held, as the mouse reports told: bit 0 left, 1 right, 2 middle

    std::atomic<bool> stopping_{false};
    std::mutex lifetimeMutex_;  // serialises Shutdown callers
    std::thread thread_;
    std::atomic<std::thread::id> threadId_{};
};

// The terminal display, or NULL without a terminal.
std::unique_ptr<Display> CreateTerminalDisplay();

}  // namespace lumenbox::display
