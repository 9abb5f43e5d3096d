// The window thread repainting without pause while the program draws and
// reads back: the program's own reads always see what it has just drawn,
// and neither thread is ever left waiting for a lock nobody holds (the
// program would stop here, and the fixture's guard would fail the test).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <sstream>
#include <string>
#include <thread>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/user.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

constexpr int MinimumCells = 20000;
constexpr int MinimumRepaints = 300;
constexpr int MaximumCells = 2000000;

// Invalidates the whole window again as soon as the last repaint has
// emptied the update region, so the window thread copies the canvas, under
// DrawLock, over and over for as long as the program draws.
class RepaintPump {
public:
    explicit RepaintPump(win::HWND window)
        : thread_([this, window] {
              while (!stop_.load()) {
                  win::RECT update{};
                  if (win::GetUpdateRect(window, &update, win::FALSE) == 0) {
                      win::InvalidateRect(window, nullptr, win::FALSE);
                      requests_.fetch_add(1);
                  }
                  std::this_thread::yield();
              }
          }) {}
    ~RepaintPump() { Stop(); }

    int Stop() {
        stop_.store(true);
        if (thread_.joinable()) thread_.join();
        return requests_.load();
    }
    int Requests() const { return requests_.load(); }

private:
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

// A colour of its own for each cell, never black, so a cell that was not
// drawn cannot pass for one that was.
std::uint32_t CellColour(int cell) {
    const auto n = static_cast<std::uint32_t>(cell) * 2654435761u;
    return win::RGB(static_cast<win::BYTE>(n >> 8), static_cast<win::BYTE>(n >> 16),
                    static_cast<win::BYTE>((n >> 24) | 1));
}

class DrawAndReadUnderRepaintTest : public GraphWindowTest {};

TEST_F(DrawAndReadUnderRepaintTest, EveryReadSeesTheCellJustDrawnWhileTheWindowRepaints) {
    std::int16_t kind = 9;
    std::int16_t size = 4;
    OpenGraphics(kind, size, "Draw and read under repaint");
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    ShowAndSettle();

    RepaintPump pump(GraphState.GraphWindow.load());
    ASSERT_TRUE(WaitUntil([&] { return pump.Requests() > 0; }));
    int cells = 0;
    int wrong = 0;
    std::ostringstream firstWrong;
    for (; cells < MaximumCells; ++cells) {
        if (cells >= MinimumCells && pump.Requests() >= MinimumRepaints) break;
        const std::uint32_t colour = CellColour(cells);
        const auto x = static_cast<std::int16_t>((cells * 5) % 635);
        const auto y = static_cast<std::int16_t>((cells / 127 * 5) % 475);
        SetFillMode(1, colour);
        FillBar(x, y, static_cast<std::int16_t>(x + 4), static_cast<std::int16_t>(y + 4));
        const std::uint32_t read = ReadPixel(static_cast<std::int16_t>(x + 2), static_cast<std::int16_t>(y + 2));
        if (read != colour && wrong++ == 0) {
            firstWrong << "cell " << cells << " at (" << x << ", " << y << "): drew " << std::hex << colour
                       << ", read " << read;
        }
    }
    const int requests = pump.Stop();
    EXPECT_EQ(wrong, 0) << wrong << " of " << cells << " reads differ; the first: " << firstWrong.str();
    EXPECT_GE(requests, 1);
    // The window thread still answers: its last repaint ends and the window
    // shows the last cell drawn.
    ASSERT_TRUE(WaitUntil([] {
        win::RECT update{};
        return win::GetUpdateRect(GraphState.GraphWindow.load(), &update, win::FALSE) == 0;
    }));
    WithDrawLock([] {});
    const int last = cells - 1;
    const int lastX = (last * 5) % 635 + 2;
    const int lastY = (last / 127 * 5) % 475 + 2;
    const std::uint32_t expected = CellColour(last);
    const std::uint32_t shownExpected = (std::uint32_t{win::GetRValue(expected)} << 16) |
                                        (std::uint32_t{win::GetGValue(expected)} << 8) | win::GetBValue(expected);
    EXPECT_EQ(ClientPixel(lastX, lastY), shownExpected);
}

}  // namespace
}  // namespace lumenbox::window_test
