// The window thread driven directly: class, window, hand-shake and the end.
#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/user.h>

#include "graph/window_thread.h"
#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

namespace probe = win::probe;

using WindowThreadTest = GraphWindowTest;

TEST_F(WindowThreadTest, CreatesTheHiddenCentredWindowAndRemovesItOnRequest) {
    const std::size_t windowsBefore = probe::LiveWindows();
    ASSERT_FALSE(probe::IsClassRegistered(GraphClassName));

    ASSERT_TRUE(StartWindowThread(3, 4, "Thread caption"));
    const win::HWND window = GraphState.GraphWindow.load();
    EXPECT_TRUE(win::IsWindow(window));
    EXPECT_TRUE(probe::IsClassRegistered(GraphClassName));
    const auto view = ShownWindow();
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->caption, "Thread caption");
    EXPECT_FALSE(view->visible);
    EXPECT_TRUE(view->framed);
    EXPECT_EQ(view->x, (1920 - 646) / 2);
    EXPECT_EQ(view->y, (1080 - 505) / 2);
    EXPECT_EQ(view->width, 646);
    EXPECT_EQ(view->height, 505);
    EXPECT_EQ(view->clientWidth, 640);
    EXPECT_EQ(view->clientHeight, 480);

    // The thread's last store replaces whatever status the program left.
    GraphState.GraphStatus = StatusOutOfRange;
    ASSERT_TRUE(StopWindowThread());
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_FALSE(win::IsWindow(window));
    EXPECT_FALSE(probe::IsClassRegistered(GraphClassName));
    EXPECT_EQ(probe::LiveWindows(), windowsBefore);
}

TEST_F(WindowThreadTest, NoCaptionGivesAnEmptyTitle) {
    ASSERT_TRUE(StartWindowThread(9, 4, nullptr));
    ASSERT_TRUE(ShownWindow().has_value());
    EXPECT_EQ(ShownWindow()->caption, "");
    EXPECT_TRUE(StopWindowThread());
}

TEST_F(WindowThreadTest, ATakenClassNameEndsTheThreadWithMinus4) {
    win::WNDCLASSA taken{};
    taken.lpfnWndProc = win::DefWindowProcA;
    taken.lpszClassName = GraphClassName;
    ASSERT_NE(win::RegisterClassA(&taken), 0);
    const std::size_t windowsBefore = probe::LiveWindows();

    EXPECT_FALSE(StartWindowThread(3, 4));
    EXPECT_EQ(GraphState.GraphStatus, StatusWindowFailed);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_TRUE(WaitForWindowThreadEnd());
    EXPECT_EQ(probe::LiveWindows(), windowsBefore);

    EXPECT_TRUE(win::UnregisterClassA(GraphClassName, nullptr));
    EXPECT_TRUE(StartWindowThread(3, 4));
    EXPECT_TRUE(StopWindowThread());
}

TEST_F(WindowThreadTest, MessageLoopReturnsTheLow16BitsOfTheQuitCode) {
    // This thread's own queue: the loop dispatches what it finds, then quits.
    win::PostMessageA(nullptr, win::WM_NULL, 0, 0);
    win::PostQuitMessage(0x12345);
    EXPECT_EQ(RunMessageLoop(), 0x2345);
    win::PostQuitMessage(0x1FFFF);
    EXPECT_EQ(RunMessageLoop(), -1);
}

}  // namespace
}  // namespace lumenbox::window_test
