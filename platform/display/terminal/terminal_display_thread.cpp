// The terminal display thread: waits for keys until the next frame is due,
// then draws the shown window if anything changed, until it is told to stop.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <string_view>

#include "platform/display/terminal/terminal_display.h"

namespace lumenbox::display {

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// About thirty frames a second: more than a terminal draws smoothly anyway.
constexpr milliseconds kFrameInterval{33};
// An Escape key sends ESC alone; a sequence's bytes follow each other well
// within this, even over a network.
constexpr milliseconds kEscapeWait{30};

milliseconds Until(Clock::time_point deadline, Clock::time_point now) {
    return std::max(milliseconds(0), std::chrono::ceil<milliseconds>(deadline - now));
}

}  // namespace

void TerminalDisplay::ThreadMain() {
    threadId_.store(std::this_thread::get_id());
    auto nextFrame = Clock::now();
    while (!stopping_.load()) {
        auto now = Clock::now();
        if (now >= nextFrame) {
            PresentFrame();
            nextFrame = now + kFrameInterval;
        }
        milliseconds timeout = Until(nextFrame, now);
        if (parser_.Pending()) timeout = std::min(timeout, Until(lastInput_ + kEscapeWait, now));
        ReadInput(timeout);
    }
}

void TerminalDisplay::ReadInput(milliseconds timeout) {
    std::array<char, 256> buffer;
    const int got = session_->WaitAndRead(wakeRead_, timeout, buffer.data(), static_cast<int>(buffer.size()));
    const auto now = Clock::now();
    if (got > 0) {
        lastInput_ = now;
        Deliver(parser_.FeedInput(std::string_view(buffer.data(), static_cast<std::size_t>(got))));
    } else if (parser_.Pending() && now - lastInput_ >= kEscapeWait) {
        Deliver(parser_.ExpireInput());
    }
}

void TerminalDisplay::Deliver(const std::vector<TerminalInput>& input) {
    for (const TerminalInput& item : input) {
        if (item.key) DeliverKey(*item.key);
        if (item.mouse) DeliverMouse(*item.mouse);
    }
}

// Each key as a whole stroke to the window with the focus, with no lock of
// the display's held: the sink may call back into it.
void TerminalDisplay::DeliverKey(const TerminalKey& key) {
    const std::vector<KeyEvent> events = strokes_.Strike(key);
    WindowId target = 0;
    {
        std::lock_guard lock(mutex_);
        target = KeyTargetLocked();
    }
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (sink == nullptr || target == 0) return;
    for (const KeyEvent& event : events) sink->Key(target, event);
}

void TerminalDisplay::PresentFrame() {
    const TerminalSize size = session_->Size();
    const bool resized = size_.has_value() && *size_ != size;
    const bool redraw = !size_.has_value() || resized;
    size_ = size;
    const Snapshot shot = TakeSnapshot(redraw);
    if (shot.id == 0) {
        if (!blank_) session_->Write(renderer_.Clear());
        blank_ = true;
        drawnWindow_ = 0;
        return;
    }
    if (shot.copied) {
        // Built whole outside every lock, then written in one go.
        session_->Write(renderer_.Render(pixels_.data(), shot.width, shot.height, size.columns, size.rows));
        blank_ = false;
        drawnWindow_ = shot.id;
        drawnVersion_ = shot.version;
        ReportPresented(PresentedFrame{shot.id, shot.width, shot.height, pixels_.data(), std::chrono::steady_clock::now()});
    }
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (resized && sink != nullptr) sink->Exposed(shot.id, 0, 0, shot.clientWidth, shot.clientHeight);
}

// Picks the window to show and copies its pixels when they changed since
// the last frame (or `redraw` asks for them anyway); the surface's lock is
// held only for the copy.
TerminalDisplay::Snapshot TerminalDisplay::TakeSnapshot(bool redraw) {
    std::lock_guard reading(readingMutex_);
    std::shared_ptr<Surface> surface;
    Snapshot shot;
    {
        std::lock_guard lock(mutex_);
        const WindowStack::Entry* shown = windows_.Shown();
        if (!shown || !shown->surface) return shot;
        surface = shown->surface;
        shot.id = shown->id;
        shot.clientWidth = shown->placement.clientWidth;
        shot.clientHeight = shown->placement.clientHeight;
    }
    std::lock_guard pixelsLock(surface->Mutex());
    shot.version = surface->Version();
    if (!redraw && shot.id == drawnWindow_ && shot.version == drawnVersion_) return shot;
    shot.width = surface->Width();
    shot.height = surface->Height();
    const std::size_t count = static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height);
    pixels_.resize(count);
    if (count > 0) std::memcpy(pixels_.data(), surface->Pixels(), count * sizeof(std::uint32_t));
    shot.copied = true;
    return shot;
}

}  // namespace lumenbox::display
