// The view area, the current position and the background colour.
#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/probes.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

win::POINT DevicePosition(win::HDC dc) {
    win::POINT position{};
    win::GetCurrentPositionEx(dc, &position);
    return position;
}

TEST_F(PaletteWindowTest, ReversedCornersAreRefusedAndChangeNothing) {
    SetViewArea(20, 30, 40, 50, true);
    SetCurrentPosition(3, 4);
    const win::HRGN region = GraphState.ClipRegion;
    SetViewArea(10, 10, 5, 20, true);
    EXPECT_EQ(Status(), StatusOutOfRange);
    SetViewArea(10, 30, 20, 20, false);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(GraphState.ViewArea.x1, 20);
    EXPECT_EQ(GraphState.ViewOriginY, 30);
    EXPECT_EQ(GraphState.ClipRegion, region);
    EXPECT_EQ(GraphState.CurrentX, 3);
}

TEST_F(PaletteWindowTest, OnePixelViewAreaIsAccepted) {
    SetViewArea(5, 5, 5, 5, true);
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_EQ(GraphState.ViewWidth, 0);
    EXPECT_EQ(GraphState.ViewHeight, 0);
    win::RECT box{};
    win::GetClipBox(GraphState.CanvasDC, &box);
    EXPECT_EQ((std::array<int, 4>{box.left, box.top, box.right, box.bottom}),
              (std::array<int, 4>{5, 5, 6, 6}));
    SetFillMode(1, 3);
    FillBar(-5, -5, 5, 5);
    EXPECT_EQ(ReadPixel(0, 0), 3u);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(ReadPixel(5, 5), 3u);
    EXPECT_EQ(ReadPixel(4, 5), 0u);
    EXPECT_EQ(ReadPixel(6, 6), 0u);
}

TEST_F(PaletteWindowTest, UnclippedViewAreaRemovesTheClipRegion) {
    SetViewArea(10, 10, 20, 20, true);
    ASSERT_NE(GraphState.ClipRegion, nullptr);
    const std::size_t regions = win::probe::LiveGdiObjects(win::OBJ_REGION);
    SetViewArea(10, 10, 20, 20, false);
    EXPECT_EQ(GraphState.ClipRegion, nullptr);
    EXPECT_EQ(win::probe::LiveGdiObjects(win::OBJ_REGION), regions - 1);
    SetFillMode(1, 3);
    FillBar(-10, -10, -10, -10);
    EXPECT_EQ(ReadPixel(-10, -10), 3u);
}

TEST_F(PaletteWindowTest, ViewAreaMovesTheCurrentPositionToItsCorner) {
    SetCurrentPosition(7, 8);
    SetViewArea(100, 50, 199, 149, false);
    EXPECT_EQ(GraphState.CurrentX, 0);
    EXPECT_EQ(GraphState.CurrentY, 0);
    for (win::HDC dc : {GraphState.WindowDC, GraphState.CanvasDC}) {
        const win::POINT position = DevicePosition(dc);
        EXPECT_EQ(position.x, 100);
        EXPECT_EQ(position.y, 50);
    }
    SetCurrentPosition(-3, 9);
    EXPECT_EQ(GraphState.CurrentX, -3);
    EXPECT_EQ(DevicePosition(GraphState.CanvasDC).x, 97);
    EXPECT_EQ(DevicePosition(GraphState.WindowDC).y, 59);
}

TEST_F(PaletteWindowTest, CurrentPositionDoesNotWrapInSixteenBits) {
    SetViewArea(-32767, 0, 0, 479, false);
    SetCurrentPosition(-32763, 7);
    EXPECT_EQ(DevicePosition(GraphState.CanvasDC).x, -65530);
    EXPECT_EQ(DevicePosition(GraphState.CanvasDC).y, 7);
}

TEST_F(PaletteWindowTest, BackgroundColourGoesToBothContextsUnconverted) {
    SetBackgroundColor(261);
    EXPECT_EQ(GraphState.BackgroundColor, 261u);
    EXPECT_EQ(win::GetBkColor(GraphState.WindowDC), win::PALETTEINDEX(5));
    EXPECT_EQ(win::GetBkColor(GraphState.CanvasDC), win::PALETTEINDEX(5));
    SetFillMode(0, 9);
    FillBar(0, 0, 0, 0);
    EXPECT_EQ(ReadPixel(0, 0), 5u);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
