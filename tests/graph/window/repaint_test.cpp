// What the user sees when part of the window must be repainted: the canvas
// page ShownPage, copied into the update rectangle only.
#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/user.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

constexpr win::COLORREF Red = win::RGB(255, 0, 0);
constexpr std::uint32_t ShownRed = 0xFF0000;
constexpr win::COLORREF Green = win::RGB(0, 255, 0);
constexpr std::uint32_t ShownGreen = 0x00FF00;
constexpr win::COLORREF Blue = win::RGB(0, 0, 255);

class RepaintTest : public GraphWindowTest {
protected:
    static void PaintCanvas(int x, int y, win::COLORREF colour) {
        WithDrawLock([&] { win::SetPixelV(GraphState.CanvasDC, x, y, colour); });
    }

    static bool ExposeAndWaitFor(int left, int top, int right, int bottom, int x, int y, std::uint32_t shown) {
        headless::Expose(ShownWindowId(), left, top, right, bottom);
        return WaitUntil([&] { return ClientPixel(x, y) == shown; });
    }
};

TEST_F(RepaintTest, OnlyTheUpdateRectangleIsCopiedFromTheCanvas) {
    ASSERT_TRUE(StartWindowThread(9, 4));
    ShowAndSettle();
    PaintCanvas(10, 10, Red);
    PaintCanvas(100, 100, Red);
    EXPECT_NE(ClientPixel(10, 10), ShownRed) << "nothing repaints without being asked";

    EXPECT_TRUE(ExposeAndWaitFor(5, 5, 20, 20, 10, 10, ShownRed));
    EXPECT_NE(ClientPixel(100, 100), ShownRed);
}

TEST_F(RepaintTest, PaletteCanvasShowsThroughItsColourTable) {
    ASSERT_TRUE(StartWindowThread(3, 4));
    WithDrawLock([] { GraphState.ColorTable[7] = win::RGBQUAD{0x30, 0x20, 0x10, 0}; });
    SelectDrawPage(0);
    PaintCanvas(3, 4, win::PALETTEINDEX(7));
    // No marker can settle the repaints here: every canvas colour but entry
    // 7 is black. Waiting for entry 7 to show is enough.
    win::ShowWindow(GraphState.GraphWindow.load(), win::SW_SHOWNORMAL);
    EXPECT_TRUE(ExposeAndWaitFor(0, 0, 8, 8, 3, 4, 0x102030));
}

TEST_F(RepaintTest, ShowsTheShownPageWhileAnotherPageIsDrawn) {
    ASSERT_TRUE(StartWindowThread(9, 4));
    ShowAndSettle();
    PaintCanvas(5, 5, Green);
    SelectDrawPage(1);
    PaintCanvas(5, 5, Blue);

    EXPECT_TRUE(ExposeAndWaitFor(0, 0, 10, 10, 5, 5, ShownGreen));
    WithDrawLock([] {
        EXPECT_EQ(win::GetCurrentObject(GraphState.CanvasDC, win::OBJ_BITMAP), GraphState.CanvasPages[1]);
        EXPECT_EQ(win::GetPixel(GraphState.CanvasDC, 5, 5), Blue);
    });
}

TEST_F(RepaintTest, ClippingViewAreaIsLiftedForTheRepaintAndRestored) {
    ASSERT_TRUE(StartWindowThread(9, 4));
    ShowAndSettle();
    PaintCanvas(10, 10, Red);
    // What SetViewArea leaves with clipping on: the region in both contexts.
    WithDrawLock([] {
        GraphState.ClipRegion = win::CreateRectRgn(0, 0, 5, 5);
        win::SelectClipRgn(GraphState.WindowDC, GraphState.ClipRegion);
        win::SelectClipRgn(GraphState.CanvasDC, GraphState.ClipRegion);
    });

    EXPECT_TRUE(ExposeAndWaitFor(0, 0, 20, 20, 10, 10, ShownRed));
    win::RECT box{};
    WithDrawLock([&] { EXPECT_EQ(win::GetClipBox(GraphState.WindowDC, &box), win::SIMPLEREGION); });
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 5);
    EXPECT_EQ(box.bottom, 5);
}

}  // namespace
}  // namespace lumenbox::window_test
