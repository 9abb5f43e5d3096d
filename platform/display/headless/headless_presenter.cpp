// The headless display's presentations.
#include "platform/display/headless/headless_presenter.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace lumenbox::display {

namespace {

// A real display's refresh: never more presentations than this a second.
constexpr auto kInterval = std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::seconds(1)) / 60;

}  // namespace

HeadlessPresenter::HeadlessPresenter(VisibleWindows visible, WantsPixels wantsPixels, Report report)
    : visible_(std::move(visible)), wantsPixels_(std::move(wantsPixels)), report_(std::move(report)) {}

HeadlessPresenter::~HeadlessPresenter() { Shutdown(); }

void HeadlessPresenter::SurfaceChanged() {
    // A drawing program changes its surface thousands of times a frame; only
    // the first change after a presentation needs to wake the thread.
    if (changed_.load(std::memory_order_relaxed)) return;
    changed_.store(true, std::memory_order_relaxed);
    { std::lock_guard lock(wakeMutex_); }
    wake_.notify_one();
}

void HeadlessPresenter::Reconsider() {
    const bool anyVisible = !visible_().empty();
    std::lock_guard control(controlMutex_);
    if (anyVisible && automatic_ && !shutDown_) {
        // A newly shown window presents its first frame at once.
        SurfaceChanged();
        Start();
    } else {
        Stop();
    }
}

void HeadlessPresenter::SetAutomatic(bool automatic) {
    {
        std::lock_guard control(controlMutex_);
        automatic_ = automatic;
    }
    Reconsider();
}

void HeadlessPresenter::Shutdown() {
    std::lock_guard control(controlMutex_);
    shutDown_ = true;
    Stop();
}

void HeadlessPresenter::Start() {
    if (thread_.joinable()) return;
    {
        std::lock_guard lock(wakeMutex_);
        stop_ = false;
    }
    thread_ = std::thread([this] { Run(); });
}

void HeadlessPresenter::Stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(wakeMutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void HeadlessPresenter::Run() {
    auto last = std::chrono::steady_clock::time_point{};
    std::unique_lock lock(wakeMutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || changed_.load(std::memory_order_relaxed); });
        if (stop_) return;
        // The rest of the refresh interval passes before the next frame;
        // changes meanwhile are shown together.
        if (wake_.wait_until(lock, last + kInterval, [this] { return stop_; })) return;
        // Cleared before the copy: a change from here on wakes us again.
        changed_.store(false, std::memory_order_relaxed);
        lock.unlock();
        PresentChanged();
        last = std::chrono::steady_clock::now();
        lock.lock();
    }
}

void HeadlessPresenter::PresentChanged() {
    for (const Shown& window : visible_()) {
        std::lock_guard lock(presentMutex_);
        const auto shown = shownVersions_.find(window.id);
        if (shown != shownVersions_.end() && shown->second == window.surface->Version()) continue;
        PresentLocked(window, std::chrono::steady_clock::now());
    }
}

bool HeadlessPresenter::PresentNow(WindowId window, std::chrono::steady_clock::time_point shownAt) {
    for (const Shown& candidate : visible_()) {
        if (candidate.id != window) continue;
        std::lock_guard lock(presentMutex_);
        PresentLocked(candidate, shownAt);
        return true;
    }
    return false;
}

void HeadlessPresenter::Forget(WindowId window) {
    std::lock_guard lock(presentMutex_);
    shownVersions_.erase(window);
}

void HeadlessPresenter::PresentLocked(const Shown& window, std::chrono::steady_clock::time_point shownAt) {
    const Surface& surface = *window.surface;
    const bool wanted = wantsPixels_();
    {
        std::lock_guard pixelsLock(surface.Mutex());
        // Read under the lock: a later change bumps it again and is shown next.
        shownVersions_[window.id] = surface.Version();
        Watch(*window.surface);
        if (wanted) {
            const std::size_t count =
                static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height());
            pixels_.assign(surface.Pixels(), surface.Pixels() + count);
        }
    }
    if (!wanted) return;
    report_(PresentedFrame{window.id, surface.Width(), surface.Height(), pixels_.data(), shownAt});
}

}  // namespace lumenbox::display
