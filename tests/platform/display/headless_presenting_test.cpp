// The headless display's presentations: on demand, and by its own thread
// when a visible window's surface changes.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>

#include "platform/display/headless/headless_display.h"

namespace lumenbox::display {
namespace {

using namespace std::chrono_literals;

struct Shown {
    WindowId window;
    std::vector<std::uint32_t> pixels;
    std::chrono::steady_clock::time_point at;
};

class FrameLog final : public PresentationObserver {
public:
    void Presented(const PresentedFrame& frame) override {
        std::lock_guard lock(mutex_);
        const std::size_t count = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
        frames_.push_back(Shown{frame.window, std::vector<std::uint32_t>(frame.pixels, frame.pixels + count), frame.shownAt});
        arrived_.notify_all();
    }
    std::vector<Shown> Frames() {
        std::lock_guard lock(mutex_);
        return frames_;
    }
    // Waits, within reason, for a frame whose first pixel is `rgb`.
    bool WaitForFirstPixel(std::uint32_t rgb) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, 10s, [&] {
            for (const Shown& frame : frames_)
                if (frame.pixels.front() == rgb) return true;
            return false;
        });
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Shown> frames_;
};

constexpr WindowId kWindow = 0x1234;

class HeadlessPresentingTest : public ::testing::Test {
protected:
    void SetUp() override {
        display_.SetPresentationObserver(&log_);
        display_.SetAutomaticPresenting(false);
        display_.AddWindow(kWindow, WindowPlacement{0, 0, 4, 2, 4, 2, false, "w"}, surface_);
    }
    void Paint(std::uint32_t rgb) {
        std::lock_guard lock(surface_->Mutex());
        std::fill(surface_->Pixels(), surface_->Pixels() + 8, rgb);
        surface_->MarkChanged();
    }

    FrameLog log_;
    std::shared_ptr<Surface> surface_ = std::make_shared<Surface>(4, 2);
    HeadlessDisplay display_;  // stopped before the log and the surface go
};

TEST_F(HeadlessPresentingTest, OnDemandAVisibleWindowPresentsItsSurfaceAtTheGivenTime) {
    display_.SetVisible(kWindow, true);
    Paint(0x112233);
    const auto at = std::chrono::steady_clock::time_point{} + 5s;
    ASSERT_TRUE(display_.PresentWindow(kWindow, at));
    // Presented again though nothing changed: a test asks for each frame.
    ASSERT_TRUE(display_.PresentWindow(kWindow, at + 1s));
    const std::vector<Shown> frames = log_.Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].window, kWindow);
    EXPECT_EQ(frames[0].pixels, std::vector<std::uint32_t>(8, 0x112233));
    EXPECT_EQ(frames[0].at, at);
    EXPECT_EQ(frames[1].at, at + 1s);
}

TEST_F(HeadlessPresentingTest, AHiddenOrUnknownWindowIsNotPresented) {
    EXPECT_FALSE(display_.PresentWindow(kWindow, std::chrono::steady_clock::now()));
    display_.SetVisible(kWindow, true);
    EXPECT_FALSE(display_.PresentWindow(kWindow + 1, std::chrono::steady_clock::now()));
    display_.RemoveWindow(kWindow);
    EXPECT_FALSE(display_.PresentWindow(kWindow, std::chrono::steady_clock::now()));
    EXPECT_TRUE(log_.Frames().empty());
}

TEST_F(HeadlessPresentingTest, AutomaticallyAChangedSurfaceIsPresented) {
    display_.SetVisible(kWindow, true);
    display_.SetAutomaticPresenting(true);
    Paint(0x445566);
    EXPECT_TRUE(log_.WaitForFirstPixel(0x445566));
    Paint(0x778899);
    EXPECT_TRUE(log_.WaitForFirstPixel(0x778899));
    for (const Shown& frame : log_.Frames()) EXPECT_EQ(frame.window, kWindow);
}

TEST_F(HeadlessPresentingTest, AutomaticPresentingStopsWithTheLastVisibleWindowAndResumes) {
    display_.SetAutomaticPresenting(true);
    display_.SetVisible(kWindow, true);
    EXPECT_TRUE(log_.WaitForFirstPixel(0x000000));
    display_.SetVisible(kWindow, false);
    display_.SetVisible(kWindow, true);
    Paint(0xABCDEF);
    EXPECT_TRUE(log_.WaitForFirstPixel(0xABCDEF));
}

}  // namespace
}  // namespace lumenbox::display
