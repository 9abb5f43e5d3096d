// Flood fills through the library: bounded by the border colour number,
// 4-connected, refusing seeds on the border or outside the view area, and
// the window showing what the canvas got.
#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_calls_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using FloodAreaTest = DrawingCallsTest;

TEST_F(FloodAreaTest, TheFloodStopsAtTheBorderColourAndNotAtOthers) {
    SetDrawColor(5);
    DrawRectangle(10, 10, 30, 20);
    SetDrawColor(3);
    DrawLine(15, 12, 25, 12);  // another colour inside: flooded over
    SetFillMode(1, 6);
    FloodArea(20, 15, 5);
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_EQ(CountOf(6, 11, 11, 29, 19), 19 * 9);
    EXPECT_EQ(CountOf(5, 10, 10, 30, 20), 21 * 11 - 19 * 9);
    EXPECT_EQ(ReadPixel(9, 15), 0u);
    EXPECT_EQ(ReadPixel(31, 15), 0u);
}

TEST_F(FloodAreaTest, ADiagonalGapDoesNotLetTheFloodThrough) {
    SetDrawColor(5);
    // A diamond drawn with 45-degree lines: its border pixels touch only at
    // their corners, which a 4-connected flood cannot pass.
    const std::array<Point, 5> diamond{{{50, 10}, {60, 20}, {50, 30}, {40, 20}, {50, 10}}};
    DrawPolygon(diamond);
    SetFillMode(1, 6);
    FloodArea(50, 20, 5);
    EXPECT_EQ(ReadPixel(50, 20), 6u);
    EXPECT_EQ(ReadPixel(50, 9), 0u);
    EXPECT_EQ(ReadPixel(41, 12), 0u);
    EXPECT_EQ(CountOf(6, 0, 0, 100, 40), CountOf(6, 41, 11, 59, 29));
}

TEST_F(FloodAreaTest, ASeedOnTheBorderOrOutsideTheViewAreaFillsNothing) {
    SetDrawColor(5);
    DrawRectangle(10, 10, 30, 20);
    SetFillMode(1, 6);
    FloodArea(10, 15, 5);
    EXPECT_EQ(Status(), StatusOk);
    SetViewArea(100, 100, 199, 199, false);
    FloodArea(-50, -50, 5);
    FloodArea(100, 0, 5);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(CountOf(6, 0, 0, 639, 479), 0);
}

TEST_F(FloodAreaTest, AFloodOverTheWholeCanvasReachesEveryPixelAndTheWindow) {
    SetFillMode(4, 6);  // a cross hatch
    SetMixMode(16);
    FloodArea(320, 240, 200);
    EXPECT_EQ(CountOf(0, 0, 0, 639, 479) + CountOf(6, 0, 0, 639, 479), 640 * 480);
    EXPECT_GT(CountOf(6, 0, 0, 639, 479), 0);
    EXPECT_EQ(WindowCanvasDifferences(0, 0, 640, 480), "");
}

TEST_F(FloodAreaTest, WithClippingTheFloodStaysInTheViewArea) {
    SetViewArea(20, 20, 39, 39, true);
    SetFillMode(1, 6);
    FloodArea(5, 5, 200);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(CountOf(6, 0, 0, 100, 100), 400);
    EXPECT_EQ(CountOf(6, 20, 20, 39, 39), 400);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
