// Circles, ellipses, arcs, pie slices and filled polygons through the
// library: extreme pixels, aspect, interiors in the fill settings, the
// even-odd rule, angles, and the window showing what the canvas got.
#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_calls_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using ShapesTest = DrawingCallsTest;

TEST_F(ShapesTest, ACircleReachesExactlyItsRadiusEveryWay) {
    for (const std::uint16_t radius : {0, 1, 2, 10, 57}) {
        SCOPED_TRACE(::testing::Message() << "radius " << radius);
        ClearGraphics();
        DrawCircle(200, 150, radius);
        const Bounds b = BoundsOfAllBut(0, 130, 80, 270, 220);
        EXPECT_EQ(b.left, 200 - radius);
        EXPECT_EQ(b.right, 200 + radius);
        EXPECT_EQ(b.top, 150 - radius);
        EXPECT_EQ(b.bottom, 150 + radius);
        if (radius > 2) {
            EXPECT_EQ(ReadPixel(200, 150), 0u) << "an outline has no inside";
        }
    }
}

TEST_F(ShapesTest, TheAspectFactorsStretchACircleVertically) {
    SetAspectFactors(10000, 5000);
    DrawCircle(100, 100, 20);
    const Bounds b = BoundsOfAllBut(0, 50, 40, 150, 160);
    EXPECT_EQ(b.left, 80);
    EXPECT_EQ(b.right, 120);
    EXPECT_EQ(b.top, 60);
    EXPECT_EQ(b.bottom, 140);
    SetAspectFactors(10000, 0);  // no vertical factor: stays round
    DrawCircle(300, 100, 20);
    EXPECT_EQ(BoundsOfAllBut(0, 250, 40, 350, 160).top, 80);
}

TEST_F(ShapesTest, AnEllipseOutlineXoredTwiceLeavesNothing) {
    SetMixMode(1);
    for (int pass = 0; pass < 2; ++pass) {
        DrawEllipse(100, 100, 40, 7);
        DrawEllipse(100, 100, 3, 30);
        DrawArc(200, 100, -30, 400, 25);
    }
    EXPECT_EQ(CountOf(0, 50, 50, 250, 150), 201 * 101);
}

TEST_F(ShapesTest, APaintedEllipseHasThePenOutsideAndTheFillInside) {
    SetDrawColor(2);
    SetFillMode(1, 5);
    PaintEllipse(50, 50, 20, 10);
    EXPECT_EQ(ReadPixel(50, 50), 5u);
    EXPECT_EQ(ReadPixel(30, 50), 2u);
    EXPECT_EQ(ReadPixel(70, 50), 2u);
    EXPECT_EQ(ReadPixel(50, 40), 2u);
    EXPECT_EQ(ReadPixel(50, 60), 2u);
    EXPECT_EQ(ReadPixel(29, 50), 0u);
    // Hatched: the horizontal hatch's lines, every eighth row, in the fill
    // colour; the gaps stay as they were under the transparent mix mode.
    SetFillMode(2, 6);
    PaintEllipse(150, 50, 30, 30);
    int hatchRows = 0;
    for (std::int16_t y = 30; y <= 70; ++y) hatchRows += ReadPixel(150, y) == 6u;
    EXPECT_GE(hatchRows, 4);
    EXPECT_LE(hatchRows, 6);
}

TEST_F(ShapesTest, PolygonsFillByTheEvenOddRule) {
    SetFillMode(1, 7);
    SetDrawColor(1);
    // A five-pointed star: its middle is inside twice, so even-odd leaves it.
    const std::array<Point, 5> star{{{100, 10}, {130, 100}, {55, 45}, {145, 45}, {70, 100}}};
    PaintPolygon(star);
    EXPECT_EQ(ReadPixel(100, 60), 0u);
    EXPECT_EQ(ReadPixel(100, 25), 7u);  // the top point
    EXPECT_EQ(ReadPixel(70, 50), 7u);   // the left arm
    const std::array<Point, 2> two{{{0, 0}, {5, 5}}};
    PaintPolygon(two);
    EXPECT_EQ(Status(), StatusOutOfRange);
}

TEST_F(ShapesTest, ArcsAndPieSlicesRunCounterClockwiseFromThreeOClock) {
    DrawArc(100, 100, 0, 90, 30);  // upper right quarter
    EXPECT_EQ(ReadPixel(130, 100), 1u);
    EXPECT_EQ(ReadPixel(100, 70), 1u);
    EXPECT_EQ(ReadPixel(70, 100), 0u);
    EXPECT_EQ(ReadPixel(100, 130), 0u);

    SetFillMode(1, 8);
    PaintPieSlice(300, 100, 90, 180, 40, 40);  // upper left quarter
    EXPECT_EQ(ReadPixel(285, 85), 8u);
    EXPECT_EQ(ReadPixel(315, 85), 0u);
    EXPECT_EQ(ReadPixel(285, 115), 0u);
    EXPECT_EQ(ReadPixel(315, 115), 0u);
    // -270 to 0 is 90 to 360: three quarters, all but the upper right one.
    PaintPieSlice(450, 100, -270, 0, 40, 40);
    EXPECT_EQ(ReadPixel(435, 85), 8u);
    EXPECT_EQ(ReadPixel(435, 115), 8u);
    EXPECT_EQ(ReadPixel(465, 115), 8u);
    EXPECT_EQ(ReadPixel(465, 85), 0u);
}

TEST_F(ShapesTest, HugeRadiiAndCentresFarAwayFinishAndStayOnTheCanvas) {
    DrawCircle(-32768, -32768, 65535);
    PaintEllipse(32767, 32767, 65535, 65535);
    SetAspectFactors(65535, 1);
    DrawCircle(320, 240, 65535);
    PaintPieSlice(320, 240, -32768, 32767, 65535, 65535);
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(ShapesTest, TheWindowShowsWhatTheCanvasGot) {
    SetFillMode(5, 9);
    SetMixMode(16);
    SetLineMode(4, 0, 1);
    PaintEllipse(60, 60, 50, 30);
    PaintPieSlice(160, 60, 30, 300, 40, 35);
    DrawArc(260, 60, 45, 270, 40);
    const std::array<Point, 4> kite{{{300, 10}, {350, 60}, {300, 110}, {320, 60}}};
    PaintPolygon(kite);
    EXPECT_EQ(WindowCanvasDifferences(0, 0, 360, 120), "");
}

}  // namespace
}  // namespace lumenbox::drawing_tests
