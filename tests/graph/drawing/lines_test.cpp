// Pixels, lines, rectangles and polylines through the library: end points,
// each pixel once, the mix mode, dashes, thickness, clipping, the current
// position, and the window showing what the canvas got.
#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_calls_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using LinesTest = DrawingCallsTest;

TEST_F(LinesTest, ALineHasBothEndsWhicheverWayItIsDrawn) {
    DrawLine(2, 1, 8, 1);
    DrawLine(8, 3, 2, 3);
    DrawLine(1, 5, 1, 5);  // a single point
    EXPECT_EQ(Picture(0, 0, 9, 5),
              "..........\n"
              "..1111111.\n"
              "..........\n"
              "..1111111.\n"
              "..........\n"
              ".1........\n");
}

TEST_F(LinesTest, AFortyFiveDegreeLineLightsOnePixelPerRow) {
    DrawLine(0, 0, 5, 5);
    DrawLine(9, 0, 7, 2);
    EXPECT_EQ(Picture(0, 0, 9, 5),
              "1........1\n"
              ".1......1.\n"
              "..1....1..\n"
              "...1......\n"
              "....1.....\n"
              ".....1....\n");
}

TEST_F(LinesTest, XorTwiceRestoresTheCanvasForThinAndThickLinesAndPolylines) {
    SetFillMode(1, 3);
    FillBar(0, 0, 59, 39);
    const PixelBlock before = CopyBlock(0, 0, 59, 39);
    SetMixMode(1);
    SetDrawColor(200);
    const std::array<Point, 5> square{{{5, 5}, {30, 5}, {30, 30}, {5, 30}, {5, 5}}};
    for (int pass = 0; pass < 2; ++pass) {
        for (std::uint16_t thickness : {1, 3, 5}) {
            SetLineMode(0, 0, thickness);
            DrawLine(1, 2, 50, 17);
            DrawLine(40, 35, 41, 2);
            DrawPolygon(square);
        }
        SetLineMode(3, 0, 1);
        DrawLine(0, 20, 59, 22);
    }
    EXPECT_EQ(CopyBlock(0, 0, 59, 39).Pixels, before.Pixels);
}

// In xor mode a pixel drawn twice goes back to black: drawn once in xor mode
// and once in copy mode (shifted), a closed outline and a rectangle look the
// same, so each pixel, corners included, was drawn exactly once.
TEST_F(LinesTest, ClosedPolylinesAndRectanglesDrawEachCornerOnce) {
    SetDrawColor(1);
    for (const std::int16_t mix : {1, 0}) {
        SetMixMode(mix);
        const std::int16_t dx = mix == 1 ? 0 : 40;
        const std::array<Point, 4> triangle{{{static_cast<std::int16_t>(1 + dx), 1},
                                             {static_cast<std::int16_t>(17 + dx), 1},
                                             {static_cast<std::int16_t>(1 + dx), 11},
                                             {static_cast<std::int16_t>(1 + dx), 1}}};
        DrawPolygon(triangle);
        DrawRectangle(static_cast<std::int16_t>(30 + dx), 9, static_cast<std::int16_t>(21 + dx), 1);
    }
    EXPECT_EQ(Picture(0, 0, 31, 12), Picture(40, 0, 71, 12));
    EXPECT_EQ(Picture(21, 1, 30, 9),
              "1111111111\n"
              "1........1\n"
              "1........1\n"
              "1........1\n"
              "1........1\n"
              "1........1\n"
              "1........1\n"
              "1........1\n"
              "1111111111\n");
}

TEST_F(LinesTest, DashPatternsRepeatTheirLengthsAndGapsFollowTheBackgroundMode) {
    const struct {
        std::uint16_t style;
        const char* pattern;  // one period: 1 drawn, 0 gap
    } styles[] = {
        {1, "111000"},
        {2, "111111111000000111000000"},
        {3, "111111111111111111000000"},
        {4, "111111111000111000111000"},
    };
    SetDrawColor(9);
    SetBackgroundColor(4);
    for (const auto& s : styles) {
        SCOPED_TRACE(::testing::Message() << "style " << s.style);
        const std::string period = s.pattern;
        for (const bool opaque : {true, false}) {
            SetMixMode(opaque ? 16 : 0);
            SetFillMode(1, 7);
            FillBar(0, 10, 99, 10);
            SetLineMode(s.style, 0, 1);
            DrawLine(0, 10, 95, 10);
            std::string expected, seen;
            for (int x = 0; x <= 95; ++x) {
                const bool on = period[static_cast<std::size_t>(x) % period.size()] == '1';
                expected += on ? '9' : opaque ? '4' : '7';
                seen += static_cast<char>('0' + ReadPixel(static_cast<std::int16_t>(x), 10) % 10);
            }
            EXPECT_EQ(seen, expected) << (opaque ? "opaque" : "transparent");
            EXPECT_EQ(ReadPixel(96, 10), 7u);
        }
    }
}

TEST_F(LinesTest, AThickLineCoversAsManyRowsAsItIsThick) {
    SetLineMode(3, 0, 3);  // a dashed style draws solid once thick
    DrawLine(10, 20, 60, 20);
    for (int x = 15; x <= 55; ++x) {
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 18), 0u) << x;
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 19), 1u) << x;
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 20), 1u) << x;
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 21), 1u) << x;
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 22), 0u) << x;
    }
}

TEST_F(LinesTest, RelativeLinesMoveTheCurrentPositionAndDrawBothEnds) {
    SetCurrentPosition(2, 2);
    DrawLineTo(6, 2);
    EXPECT_EQ(GraphState.CurrentX, 6);
    DrawLineBy(0, 3);
    EXPECT_EQ(GraphState.CurrentY, 5);
    DrawLine(0, 0, 1, 0);  // an absolute line leaves the position alone
    EXPECT_EQ(GraphState.CurrentX, 6);
    EXPECT_EQ(GraphState.CurrentY, 5);
    EXPECT_EQ(Picture(0, 0, 7, 5),
              "11......\n"
              "........\n"
              "..11111.\n"
              "......1.\n"
              "......1.\n"
              "......1.\n");
}

TEST_F(LinesTest, PlottedPixelsIgnoreTheMixModeAndLinesFollowTheViewArea) {
    SetMixMode(1);
    PlotPixel(3, 3, 6);
    PlotPixel(3, 3, 6);
    EXPECT_EQ(ReadPixel(3, 3), 6u);
    SetMixMode(0);
    SetViewArea(100, 100, 109, 109, true);
    DrawLine(-20, 5, 30, 5);
    DrawLine(5, -20, 5, 30);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(CountOf(1, 90, 90, 120, 120), 19);
    EXPECT_EQ(BoundsOfAllBut(0, 90, 90, 120, 120).left, 100);
    EXPECT_EQ(BoundsOfAllBut(0, 90, 90, 120, 120).bottom, 109);
}

TEST_F(LinesTest, LinesFarOffTheCanvasDrawNothingAndFinish) {
    DrawLine(-32768, -32768, 32767, -32768);
    DrawLine(-32768, 32767, 32767, -32768);  // crosses the canvas
    SetLineMode(0, 0, 9);
    DrawLine(-32768, 32767, 32767, -32768);
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_GT(CountOf(1, 0, 0, 639, 479), 0);
}

TEST_F(LinesTest, APolylineNeedsTwoPoints) {
    const std::array<Point, 1> one{{{1, 1}}};
    DrawPolygon(one);
    EXPECT_EQ(Status(), StatusOutOfRange);
    DrawPolygon({});
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(CountOf(0, 0, 0, 3, 3), 16);
}

TEST_F(LinesTest, TheWindowShowsWhatTheCanvasGot) {
    SetLineMode(1, 0, 1);
    SetMixMode(16 + 1);
    DrawLine(0, 0, 99, 60);
    SetLineMode(0, 0, 4);
    DrawRectangle(10, 10, 80, 50);
    const std::array<Point, 4> zigzag{{{5, 70}, {40, 90}, {60, 70}, {90, 95}}};
    DrawPolygon(zigzag);
    PlotPixel(99, 99, 77);
    EXPECT_EQ(WindowCanvasDifferences(0, 0, 110, 110), "");
}

// With the default palette, xor of two entry numbers is not xor of their
// colours: the window must show the entry the canvas got, not its own sum.
TEST_F(PaletteWindowTest, MixedPensShowOnTheWindowWhatTheCanvasGot) {
    SetFillMode(1, 3);
    FillBar(0, 0, 199, 99);
    SetDrawColor(5);
    for (const std::int16_t mix : {1, 2, 3, 5, 6, 13, 14}) {
        SetMixMode(mix);
        SetLineMode(0, 0, mix == 2 ? 5 : 1);
        DrawLine(3, static_cast<std::int16_t>(mix * 5), 190, static_cast<std::int16_t>(90 - mix * 3));
        DrawCircle(static_cast<std::int16_t>(40 + mix * 9), 50, 30);
        DrawRectangle(static_cast<std::int16_t>(mix * 10), 10, static_cast<std::int16_t>(mix * 10 + 40), 60);
    }
    SetFillMode(2, 7);
    SetMixMode(1);
    PaintPieSlice(150, 50, 10, 200, 40, 30);
    EXPECT_EQ(WindowCanvasDifferences(0, 0, 200, 100), "");
}

TEST(LinesWithoutWindow, EveryCallReportsNotOpen) {
    test_support::CloseTestWindow();
    const std::array<Point, 2> two{{{0, 0}, {1, 1}}};
    PlotPixel(0, 0, 1);
    EXPECT_EQ(Status(), StatusNotOpen);
    DrawLine(0, 0, 1, 1);
    EXPECT_EQ(Status(), StatusNotOpen);
    DrawLineTo(1, 1);
    EXPECT_EQ(Status(), StatusNotOpen);
    DrawLineBy(1, 1);
    EXPECT_EQ(Status(), StatusNotOpen);
    DrawRectangle(0, 0, 1, 1);
    EXPECT_EQ(Status(), StatusNotOpen);
    DrawPolygon(two);
    EXPECT_EQ(Status(), StatusNotOpen);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
