// How the headless display presents: what a real display does at its refresh,
// without a screen. A window presents whenever its client surface has changed
// (Surface::Version), at most 60 times a second, on a thread of its own that
// runs only while a visible window exists and sleeps on a condition variable
// until a surface wakes it (each surface tells it of its first change after
// each presentation). Tests may turn the thread off and present on
// demand instead, with a time of their choosing.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/display/display.h"

namespace lumenbox::display {

class HeadlessPresenter final : public SurfaceWatcher {
public:
    struct Shown {
        WindowId id;
        std::shared_ptr<Surface> surface;
    };
    // The visible windows, asked with no lock of the presenter held.
    using VisibleWindows = std::function<std::vector<Shown>()>;
    // Hands a presented frame on; `pixels` is NULL when nobody observes.
    using Report = std::function<void(const PresentedFrame& frame)>;
    using WantsPixels = std::function<bool()>;

    HeadlessPresenter(VisibleWindows visible, WantsPixels wantsPixels, Report report);
    ~HeadlessPresenter();
    HeadlessPresenter(const HeadlessPresenter&) = delete;
    HeadlessPresenter& operator=(const HeadlessPresenter&) = delete;

    // A watched surface changed: wake the thread (cheap while it is awake).
    void SurfaceChanged() override;
    // With the surface's mutex held: its next change wakes the thread.
    void Watch(Surface& surface) { surface.WatchNextChange(this); }
    // The set of visible windows may have changed: start the thread when one
    // is visible, stop it when none is. Call with no lock of the display held.
    void Reconsider();
    // Presenting by the thread on (the default) or off.
    void SetAutomatic(bool automatic);
    // Presents the window now, changed or not, as shown at `shownAt`; false
    // when it is not a visible window.
    bool PresentNow(WindowId window, std::chrono::steady_clock::time_point shownAt);
    // The window is gone: forget what of it was shown.
    void Forget(WindowId window);
    // The process is exiting: the thread stops for good.
    void Shutdown();

private:
    void Start();
    void Stop();
    void Run();
    void PresentChanged();
    // Under presentMutex_: copies (when wanted) and reports one frame.
    void PresentLocked(const Shown& window, std::chrono::steady_clock::time_point shownAt);

    VisibleWindows visible_;
    WantsPixels wantsPixels_;
    Report report_;

    std::mutex controlMutex_;  // starting and stopping; never taken by the thread
    std::thread thread_;
    bool automatic_ = true;
    bool shutDown_ = false;

    std::mutex wakeMutex_;  // taken inside a surface's mutex: nothing else under it
    std::condition_variable wake_;
    bool stop_ = false;
    std::atomic<bool> changed_{true};

    std::mutex presentMutex_;  // one presentation at a time
    std::map<WindowId, std::uint64_t> shownVersions_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace lumenbox::display
