// The window's life as a program sees it: OpenGraphics and CloseGraphics.
#include <gtest/gtest.h>

#include <string>

#include <lumenbox/graph.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/user.h>

#include "graph/window_thread.h"
#include "graph/window/window_fixture.h"
#include "graph/window/window_leftovers.h"

namespace lumenbox::window_test {
namespace {

namespace probe = win::probe;

class OpenCloseTest : public GraphWindowTest {
protected:
    static void Open(std::int16_t kind, std::int16_t size, std::string_view caption = "Open test") {
        OpenGraphics(kind, size, caption);
    }
    static std::string ShownCaption() {
        const auto view = ShownWindow();
        return view ? view->caption : "(no window)";
    }
};

TEST_F(OpenCloseTest, DemoModeOpensShownCentredAndClosesWithoutTrace) {
    headless::SetScreen(1024, 768);
    ReadScreenSize();
    const Leftovers before;

    Open(3, 4, "Vyr");
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    ASSERT_TRUE(IsGraphOpen());
    const auto view = ShownWindow();
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->caption, "Vyr");
    EXPECT_TRUE(view->visible);
    EXPECT_TRUE(view->focused);
    EXPECT_TRUE(view->framed);
    EXPECT_EQ(view->x, (1024 - 646) / 2);
    EXPECT_EQ(view->y, (768 - 505) / 2);
    EXPECT_EQ(view->clientWidth, 640);
    EXPECT_EQ(view->clientHeight, 480);
    EXPECT_EQ(probe::ThreadPriority(GraphState.GraphThread), win::THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(GraphState.PaletteSize, 256);
    EXPECT_TRUE(GraphState.DrawToWindow);

    CloseGraphics();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(GraphState.GraphThread, nullptr);
    EXPECT_FALSE(probe::IsClassRegistered(GraphClassName));
    EXPECT_EQ(Leftovers{}, before);

    FillBar(0, 0, 10, 10);
    EXPECT_EQ(GraphState.GraphStatus, StatusNotOpen);
    CloseGraphics();
    EXPECT_EQ(GraphState.GraphStatus, StatusNotOpen);
}

TEST_F(OpenCloseTest, KindZeroOpensDirectColourOfSystemSizeAndSaysSo) {
    std::int16_t kind = 0;
    std::int16_t size = 3;
    OpenGraphics(kind, size, "Auto");
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(kind, 9);
    EXPECT_EQ(size, 10);
    EXPECT_FALSE(GraphState.PaletteMode);
    ASSERT_TRUE(ShownWindow().has_value());
    EXPECT_EQ(GraphState.MaxX + 1, ShownWindow()->clientWidth);
}

TEST_F(OpenCloseTest, SecondOpenIsRefusedAndChangesNothing) {
    Open(3, 4, "First");
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    const win::HWND window = GraphState.GraphWindow.load();
    const std::size_t windows = probe::LiveWindows();

    std::int16_t kind = 0;
    std::int16_t size = 1;
    OpenGraphics(kind, size, "Second");
    EXPECT_EQ(GraphState.GraphStatus, StatusAlreadyOpen);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(size, 1);
    EXPECT_EQ(GraphState.GraphKind, 3);
    EXPECT_EQ(GraphState.GraphSize, 4);
    EXPECT_STREQ(GraphState.GraphCaption, "First");
    EXPECT_EQ(ShownCaption(), "First");
    EXPECT_EQ(GraphState.GraphWindow.load(), window);
    EXPECT_EQ(probe::LiveWindows(), windows);
}

TEST_F(OpenCloseTest, CaptionRules) {
    Open(9, 1, "");
    EXPECT_EQ(ShownCaption(), "Lumenbox 1.1");
    CloseGraphics();

    const std::string longCaption = std::string(250, 'a') + "bcdefghij" + std::string(41, 'z');
    Open(9, 1, longCaption);
    EXPECT_EQ(ShownCaption(), longCaption.substr(0, 255));
    EXPECT_EQ(ShownCaption().back(), 'f');
    CloseGraphics();

    Open(9, 1, "Sixsix");
    CloseGraphics();
    Open(9, 1, "Tw");
    EXPECT_EQ(ShownCaption(), "Tw");
}

TEST_F(OpenCloseTest, RefusedModesStartNoThread) {
    const Leftovers before;
    Open(3, 14);
    EXPECT_EQ(GraphState.GraphStatus, StatusBadSize);
    Open(7, 4);
    EXPECT_EQ(GraphState.GraphStatus, StatusBadKind);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(GraphState.GraphThread, nullptr);
    EXPECT_EQ(Leftovers{}, before);
}

TEST_F(OpenCloseTest, ReopeningBuildsEverythingAnew) {
    Open(3, 4);
    const Leftovers firstOpen;
    FillBar(10, 10, 20, 20);
    EXPECT_EQ(ReadPixel(15, 15), 15u);  // the default fill colour, white
    SelectDrawPage(2);
    CloseGraphics();

    Open(3, 4);
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(Leftovers{}, firstOpen);
    EXPECT_EQ(ReadPixel(15, 15), 0u);
    EXPECT_EQ(GraphState.DrawPage, 0);
}

TEST_F(OpenCloseTest, ATakenWindowClassFailsWithMinus4AndLeavesNothingBehind) {
    win::WNDCLASSA taken{};
    taken.lpfnWndProc = win::DefWindowProcA;
    taken.lpszClassName = GraphClassName;
    ASSERT_NE(win::RegisterClassA(&taken), 0);
    const Leftovers before;

    Open(3, 4);
    EXPECT_EQ(GraphState.GraphStatus, StatusWindowFailed);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(GraphState.GraphThread, nullptr);
    EXPECT_EQ(Leftovers{}, before);

    ASSERT_TRUE(win::UnregisterClassA(GraphClassName, nullptr));
    Open(3, 4);
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
}

TEST_F(OpenCloseTest, MissingStandardFontLeavesTheWindowOpenButHidden) {
    const Leftovers before;
    headless::RemoveFontFamily("Courier New");
    Open(3, 4);
    EXPECT_EQ(GraphState.GraphStatus, StatusFontMissing);
    EXPECT_TRUE(IsGraphOpen());
    ASSERT_TRUE(ShownWindow().has_value());
    EXPECT_FALSE(ShownWindow()->visible);

    CloseGraphics();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(Leftovers{}, before);
}

TEST_F(OpenCloseTest, GraphLibraryStopClosesAWindowLeftOpen) {
    const Leftovers before;
    Open(3, 4);
    ASSERT_TRUE(IsGraphOpen());
    GraphLibraryStop();
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(GraphState.ColorTable.capacity(), 0u);
    EXPECT_EQ(Leftovers{}, before);
    GraphLibraryStop();  // again, with nothing open: nothing happens
    EXPECT_EQ(Leftovers{}, before);
}

}  // namespace
}  // namespace lumenbox::window_test
