// The display: the screen that windows appear on.
//
// A display owns the screen (its size and depth), which windows are visible,
// the presentation of their client surfaces, keyboard state and input. The
// user layer is its only client: it tells the display about windows, and the
// display reports input back through an EventSink that the user layer
// implements. Backends live in sibling folders (headless/, sdl/, terminal/);
// headless is the smallest complete one.
//
// Threading contract:
// - Every Display member may be called from any thread.
// - A backend that talks to a toolkit does so on its own thread only.
// - Neither side calls the other while holding a lock of its own, so the
//   display may call the sink from inside any of its members' callers' threads
//   without deadlock (the headless display calls it on the caller's thread).
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace lumenbox::display {

// The user layer's identity for a window: the value of its window handle.
using WindowId = std::uintptr_t;

// Key state in the Windows layout: one byte per virtual-key code, bit 0x80
// while the key is down, bit 0x01 the toggle (Caps Lock, Num Lock).
using KeyStates = std::array<std::uint8_t, 256>;

// Told of a surface's next change: a display that sleeps until it has
// something to present.
class SurfaceWatcher {
public:
    // Called on the drawing thread with the surface's mutex held: returns at
    // once and takes no lock.
    virtual void SurfaceChanged() = 0;

protected:
    ~SurfaceWatcher() = default;
};

// The client pixels of one window: 32-bit 0x00RRGGBB, rows top-down, no
// padding. Written by whoever draws (on any thread) and read by the display
// when it presents, each under the surface's mutex.
class Surface {
public:
    Surface(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Guards Pixels(). Hold it for every read or write of pixel data.
    std::mutex& Mutex() const { return mutex_; }
    std::uint32_t* Pixels() { return pixels_.data(); }
    const std::uint32_t* Pixels() const { return pixels_.data(); }

    // Writers call this after changing pixels, with Mutex() held; a display
    // presents a surface whose version differs from the one it showed last.
    // The mutex already orders the writers, so the bump needs no locked
    // read-modify-write (a drawing program calls this on every fill).
    void MarkChanged() {
        version_.store(version_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
        // Once per watch, however many changes follow before the display
        // looks again, so a fill costs no more than this test.
        if (watcher_ != nullptr) std::exchange(watcher_, nullptr)->SurfaceChanged();
    }
    std::uint64_t Version() const { return version_.load(std::memory_order_acquire); }

    // With Mutex() held: the next MarkChanged tells `watcher`, once. NULL
    // forgets a watcher not yet told; after that it is never called.
    void WatchNextChange(SurfaceWatcher* watcher) { watcher_ = watcher; }

private:
    int width_;
    int height_;
    mutable std::mutex mutex_;
    std::vector<std::uint32_t> pixels_;
    std::atomic<std::uint64_t> version_{0};
    SurfaceWatcher* watcher_ = nullptr;  // guarded by mutex_
};

struct ScreenInfo {
    int width;
    int height;
    int bitsPerPixel;
};

// Where a window is and what it looks like; all in screen pixels.
struct WindowPlacement {
    int x;  // outer rectangle
    int y;
    int width;
    int height;
    int clientWidth;  // client area, inside the frame
    int clientHeight;
    bool framed;  // captioned with a frame; false for a borderless popup
    std::string caption;
};

struct KeyEvent {
    int virtualKey;  // Windows virtual-key code
    bool down;       // press (or auto-repeat) when true, release when false
    bool repeat;     // an auto-repeated press
    KeyStates states;  // the whole key state right after this event
};

// The mouse: a move, a button going down or up, or a wheel turned. The
// position is in client pixels of the window the event is reported to, and
// may lie outside its client area: the pointer has left the window (a display
// reports that once, with the position it left at, so the user layer can send
// the leaving and a captured window keeps receiving).
struct PointerEvent {
    enum class Kind : std::uint8_t { Move, ButtonDown, ButtonUp, Wheel };
    Kind kind;
    int x;
    int y;
    int button;   // 1 left, 2 right, 3 middle, for ButtonDown and ButtonUp
    int notches;  // for Wheel: positive away from the user
    int buttons;  // held after the event: bit 0 left, 1 right, 2 middle
    KeyStates states;  // the key state at the event, for the modifier flags
};

// What the display reports. Implemented by the user layer; each call may come
// from any thread and returns quickly (it only queues messages).
class EventSink {
public:
    virtual ~EventSink() = default;
    // A key went down or up while `window` had the focus.
    virtual void Key(WindowId window, const KeyEvent& event) = 0;
    // The user asked to close the window (close button, window manager).
    virtual void CloseRequested(WindowId window) = 0;
    // Part of the client area (right and bottom exclusive) must be repainted.
    virtual void Exposed(WindowId window, int left, int top, int right, int bottom) = 0;
    // The mouse moved, a button changed or the wheel turned over `window`
    // (or, for a window holding the capture, anywhere).
    virtual void Pointer(WindowId /*window*/, const PointerEvent& /*event*/) {}
};

// One frame a display has just shown of a window.
struct PresentedFrame {
    WindowId window;
    int width;
    int height;
    const std::uint32_t* pixels;  // width x height 0x00RRGGBB, rows top-down; valid during the call only
    std::chrono::steady_clock::time_point shownAt;
};

// Learns of every presentation (a recorder keeps what the user saw).
// Implemented by the user layer; called on the presenting thread with no
// lock of the display held. It copies what it keeps, returns quickly, and
// never calls back into the display.
class PresentationObserver {
public:
    virtual ~PresentationObserver() = default;
    virtual void Presented(const PresentedFrame& frame) = 0;
};

class Display {
public:
    virtual ~Display() = default;

    // "headless", "sdl" or "terminal".
    virtual const char* Name() const = 0;
    // Screen size and depth in bits per pixel.
    virtual ScreenInfo Screen() const = 0;
    // Whether OpenGL rendering contexts can be made.
    virtual bool OpenGLAvailable() const = 0;
    // Whether making a context disturbs the floating-point environment, as
    // some drivers do (a test hook; false on real displays).
    virtual bool OpenGLAltersFloatingPoint() const { return false; }
    // Installed font family names: the four standard faces every display has
    // ("Courier New", "MS Sans Serif", "Times New Roman", "Arial") and the
    // machine's fontconfig families.
    virtual std::vector<std::string> FontFamilies() const = 0;
    // The current key state.
    virtual KeyStates KeyState() const = 0;

    // Where input goes. Set once by the user layer before the first window.
    virtual void SetEventSink(EventSink* sink) = 0;

    // A new window, hidden. The display shares the surface until RemoveWindow.
    virtual void AddWindow(WindowId window, const WindowPlacement& placement,
                           std::shared_ptr<Surface> surface) = 0;
    // The window is gone; the display stops presenting it at once.
    virtual void RemoveWindow(WindowId window) = 0;
    virtual void SetVisible(WindowId window, bool visible) = 0;
    // Gives the window the keyboard focus and brings it to the front.
    virtual void SetFocus(WindowId window) = 0;
    // The surface changed; a display that presents may do so now.
    virtual void SurfaceChanged(WindowId window) = 0;
    // The process is exiting: stop any thread of the display's own. Called
    // once, from the exit handler registered when the display was chosen;
    // the display object itself is never destroyed.
    virtual void Shutdown() {}

    // Who learns of each presentation; NULL for nobody. Set by the user
    // layer; the observer lives as long as the process.
    void SetPresentationObserver(PresentationObserver* observer) {
        observer_.store(observer, std::memory_order_release);
    }

protected:
    // Whether a presentation is worth reporting (a copy of the pixels).
    bool PresentationObserved() const { return observer_.load(std::memory_order_acquire) != nullptr; }
    // Every backend calls this right after it has shown a frame, with no
    // lock of its own held.
    void ReportPresented(const PresentedFrame& frame) const;
    // The same for a backend that handed the pixels on and kept no copy:
    // copies the surface under its mutex first (only when observed).
    void ReportSurfacePresented(WindowId window, const Surface& surface,
                                std::chrono::steady_clock::time_point shownAt) const;

private:
    std::atomic<PresentationObserver*> observer_{nullptr};
};

// The display of this process, chosen at the first call: LUMENBOX_DISPLAY =
// headless, sdl or terminal; unset, sdl where a display server answers, else
// terminal where standard output is a terminal. NULL when none can be had.
// It lives until the process exits; its shut-down runs after every atexit
// handler registered after it was chosen.
Display* Current();

// The standard faces plus the families fontconfig reports, without duplicates.
std::vector<std::string> InstalledFontFamilies();

}  // namespace lumenbox::display
