// The window thread repainting while the program draws as fast as it can:
// whatever the two threads interleave, once the last fill is done and the
// repaints asked for have been made, the user sees exactly the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/user.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

// The fills go on, in rounds, until both counts are reached: a fast build
// fills so quickly that few exposures would fall among a fixed number of
// fills, a slow one exposes often enough. The cap bounds the run.
constexpr int MinimumFills = 40000;
constexpr int MinimumExposures = 500;
constexpr int MaximumFills = 4000000;
constexpr int FillsPerRound = 1000;
constexpr int Width = 640;
constexpr int Height = 480;

// A small generator of its own, so that every run draws the same picture.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    int Below(int limit) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(limit));
    }
    // A coordinate that now and then lies beyond an edge.
    int Around(int extent) { return Below(extent + 40) - 20; }

private:
    std::uint32_t state_;
};

// Exposes a part of the window every millisecond until told to stop.
class Exposer {
public:
    explicit Exposer(headless::WindowId window)
        : thread_([this, window] {
              Dice dice(7);
              while (!stop_.load()) {
                  const int left = dice.Around(Width);
                  const int top = dice.Around(Height);
                  headless::Expose(window, left, top, left + 1 + dice.Below(96), top + 1 + dice.Below(72));
                  exposures_.fetch_add(1);
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          }) {}
    ~Exposer() { Stop(); }

    int Stop() {
        stop_.store(true);
        if (thread_.joinable()) {
            thread_.join();
        }
        return exposures_.load();
    }
    int Exposures() const { return exposures_.load(); }

private:
    std::atomic<bool> stop_{false};
    std::atomic<int> exposures_{0};
    std::thread thread_;
};

// The canvas as the program sees it, as 0x00RRGGBB: ReadPixel's colour
// number turned into the colour it stands for.
std::vector<std::uint32_t> CanvasPicture() {
    std::vector<std::uint32_t> picture;
    picture.reserve(static_cast<std::size_t>(Width) * Height);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            win::COLORREF colour = ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
            if (GraphState.PaletteMode) {
                win::PALETTEENTRY entry{};
                win::GetPaletteEntries(GraphState.GraphPalette, colour, 1, &entry);
                colour = win::RGB(entry.peRed, entry.peGreen, entry.peBlue);
            }
            picture.push_back(static_cast<std::uint32_t>(win::GetRValue(colour)) << 16 |
                              static_cast<std::uint32_t>(win::GetGValue(colour)) << 8 | win::GetBValue(colour));
        }
    }
    return picture;
}

std::string Hex(std::uint32_t colour) {
    std::ostringstream out;
    out << std::hex << std::setw(6) << std::setfill('0') << colour;
    return out.str();
}

// Where the window differs from the canvas: how many pixels, their bounding
// box, and the first few with both colours. Empty when they are identical.
std::string Differences(const std::vector<std::uint32_t>& shown, const std::vector<std::uint32_t>& canvas) {
    if (shown.size() != canvas.size()) {
        return "the client surface has " + std::to_string(shown.size()) + " pixels, the canvas " +
               std::to_string(canvas.size());
    }
    std::ostringstream out;
    int count = 0;
    int left = Width, top = Height, right = -1, bottom = -1;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == canvas[i]) {
            continue;
        }
        const int x = static_cast<int>(i % Width);
        const int y = static_cast<int>(i / Width);
        if (count < 10) {
            out << "  (" << x << ", " << y << "): shown " << Hex(shown[i]) << ", canvas " << Hex(canvas[i]) << "\n";
        }
        ++count;
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    if (count == 0) {
        return {};
    }
    std::ostringstream summary;
    summary << count << " pixels differ, within (" << left << ", " << top << ") to (" << right << ", " << bottom
            << "):\n"
            << out.str();
    return summary.str();
}

class RepaintUnderLoadTest : public GraphWindowTest {
protected:
    // Solid, hatched, pattern, background and empty fills in changing
    // colours, with now and then a new pattern, a palette entry changed (which
    // repaints the whole window) and the hatch gaps switched between opaque
    // and transparent. Returns the number of fills made.
    static int DrawUnderLoad(const Exposer& exposer) {
        Dice dice(11);
        const bool palette = GraphState.PaletteMode;
        int i = 0;
        for (; i < MaximumFills; ++i) {
            if (i % FillsPerRound == 0 && i >= MinimumFills && exposer.Exposures() >= MinimumExposures) {
                break;
            }
            const std::uint32_t colour = palette ? static_cast<std::uint32_t>(dice.Below(256))
                                                 : win::RGB(static_cast<win::BYTE>(dice.Below(256)),
                                                            static_cast<win::BYTE>(dice.Below(256)),
                                                            static_cast<win::BYTE>(dice.Below(256)));
            if (i % 997 == 0) {
                const std::uint8_t row = static_cast<std::uint8_t>(dice.Below(256));
                DefineFillPattern({row, 0x00, 0xFF, row, 0x0F, 0xF0, 0x00, row}, colour);
            }
            if (palette && i % 1009 == 0) {
                const auto entry = static_cast<std::uint16_t>(dice.Below(256));
                const auto red = static_cast<std::uint16_t>(dice.Below(256));
                const auto green = static_cast<std::uint16_t>(dice.Below(256));
                SetPaletteColor(entry, red, green, static_cast<std::uint16_t>(dice.Below(256)));
            }
            if (i % 1013 == 0) {
                SetBackgroundColor(colour);
                SetMixMode(dice.Below(2) == 0 ? 0 : 16);
            }
            SetFillMode(static_cast<std::uint16_t>(dice.Below(10)), colour);
            const int x = dice.Around(Width);
            const int y = dice.Around(Height);
            FillBar(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                    static_cast<std::int16_t>(x + dice.Below(48)), static_cast<std::int16_t>(y + dice.Below(48)));
        }
        return i;
    }

    // The update region empties when a repaint begins, and the repaint holds
    // DrawLock until it has copied: once the region is empty, taking the lock
    // waits for that copy to end.
    static bool LetRepaintsThrough() {
        const win::HWND window = GraphState.GraphWindow.load();
        const bool settled = WaitUntil([window] {
            win::RECT update{};
            return win::GetUpdateRect(window, &update, win::FALSE) == 0;
        });
        WithDrawLock([] {});
        return settled;
    }

    void ExpectWindowShowsCanvasAfterLoad(std::int16_t kind) {
        std::int16_t size = 4;
        OpenGraphics(kind, size, "Repaint under load");
        ASSERT_EQ(GraphState.GraphStatus, StatusOk);
        const headless::WindowId window = ShownWindowId();

        Exposer exposer(window);
        ASSERT_TRUE(WaitUntil([&] { return exposer.Exposures() > 0; }));
        const int fills = DrawUnderLoad(exposer);
        const int exposures = exposer.Stop();
        ASSERT_TRUE(LetRepaintsThrough()) << "the window thread is stuck";

        const std::string differences = Differences(headless::ClientPixels(window), CanvasPicture());
        EXPECT_TRUE(differences.empty()) << "after " << fills << " fills and " << exposures << " exposures:\n"
                                         << differences;
        std::cout << "[ load     ] kind " << kind << ": " << fills << " fills, " << exposures << " exposures\n";
    }
};

// The race the load above runs into now and then, made to happen: the window
// thread has read a small update rectangle and waits for DrawLock while the
// program invalidates the whole window (as a palette change does). The
// repaint that follows must copy all of it, not just the rectangle it read.
TEST_F(RepaintUnderLoadTest, WhatIsInvalidatedWhileTheRepaintWaitsForTheLockIsRepaintedToo) {
    std::int16_t kind = 9;
    std::int16_t size = 4;
    OpenGraphics(kind, size, "Repaint race");
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    ShowAndSettle();
    const win::HWND window = GraphState.GraphWindow.load();
    constexpr win::COLORREF Drawn = win::RGB(0x12, 0x34, 0x56);

    win::EnterCriticalSection(&GraphState.DrawLock);
    headless::Expose(ShownWindowId(), 0, 0, 1, 1);
    // 2: held, and another thread waits for it.
    const bool waiting = WaitUntil([] { return GraphState.DrawLock.State.load() == 2; });
    win::SetPixelV(GraphState.CanvasDC, 300, 200, Drawn);
    win::InvalidateRect(window, nullptr, win::FALSE);
    win::LeaveCriticalSection(&GraphState.DrawLock);
    ASSERT_TRUE(waiting) << "the window thread never came for DrawLock";

    ASSERT_TRUE(LetRepaintsThrough());
    EXPECT_EQ(ClientPixel(300, 200), 0x123456u);
}

TEST_F(RepaintUnderLoadTest, PaletteWindowShowsTheCanvasAfterFillsAndExposures) {
    ExpectWindowShowsCanvasAfterLoad(3);
}

TEST_F(RepaintUnderLoadTest, DirectColourWindowShowsTheCanvasAfterFillsAndExposures) {
    ExpectWindowShowsCanvasAfterLoad(9);
}

}  // namespace
}  // namespace lumenbox::window_test
