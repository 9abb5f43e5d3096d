// Writing text through the library: glyphs only in the drawing colour, inside
// their measured box, the current position moving as the alignment says,
// rotation, the opaque background, spacing, and the window agreeing.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_calls_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

class TextOutputTest : public DrawingCallsTest {
protected:
    void SetUp() override {
        DrawingCallsTest::SetUp();
        if (HasFatalFailure()) return;
        SetDrawColor(9);
        SetFillMode(1, 7);
        FillBar(0, 0, 639, 479);  // a field of 7 shows what text leaves alone
    }
};

TEST_F(TextOutputTest, GlyphsAreDrawnInTheDrawingColourInsideTheirMeasuredBox) {
    SetTextFont(2, 0, 24);  // Times New Roman
    const std::int16_t width = MeasureTextWidth("Hello, World");
    const std::int16_t height = MeasureTextHeight("Hello, World");
    EXPECT_GT(width, 60);
    EXPECT_GE(height, 20);
    WriteTextAt(100, 100, "Hello, World");
    EXPECT_EQ(CountOf(7, 0, 0, 639, 479) + CountOf(9, 0, 0, 639, 479), 640 * 480) << "no other colour";
    const Bounds ink = BoundsOfAllBut(7, 0, 0, 639, 479);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, 100);
    EXPECT_LT(ink.right, 100 + width);
    EXPECT_GE(ink.top, 100);
    EXPECT_LT(ink.bottom, 100 + height);
    EXPECT_EQ(GraphState.CurrentX, 0) << "WriteTextAt leaves the position";
}

TEST_F(TextOutputTest, TheCurrentPositionMovesAsTheAlignmentSays) {
    SetCurrentPosition(50, 50);
    const std::int16_t width = MeasureTextWidth("abc");
    WriteText("abc");
    EXPECT_EQ(GraphState.CurrentX, 50 + width);
    EXPECT_EQ(GraphState.CurrentY, 50);
    WriteText("abc");
    EXPECT_EQ(GraphState.CurrentX, 50 + 2 * width);

    SetTextAlignment(2, 0);  // right: the text ends at the position, which goes to its start
    SetCurrentPosition(300, 50);
    WriteText("abc");
    EXPECT_EQ(GraphState.CurrentX, 300 - width);
    EXPECT_LT(BoundsOfAllBut(7, 200, 40, 400, 80).right, 300);

    SetTextAlignment(1, 0);  // centred: the position stays
    SetCurrentPosition(500, 50);
    WriteText("abc");
    EXPECT_EQ(GraphState.CurrentX, 500);
    const Bounds centred = BoundsOfAllBut(7, 420, 40, 600, 80);
    EXPECT_LT(centred.left, 500);
    EXPECT_GT(centred.right, 500);
}

TEST_F(TextOutputTest, TextTurnedNinetyDegreesRunsUpwards) {
    SetTextFont(3, 90, 20);
    const std::int16_t width = MeasureTextWidth("Upwards");
    const std::int16_t height = MeasureTextHeight("Upwards");
    WriteTextAt(200, 300, "Upwards");
    const Bounds ink = BoundsOfAllBut(7, 0, 0, 639, 479);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, 200);
    EXPECT_LT(ink.right, 200 + height);
    EXPECT_LE(ink.bottom, 300);
    EXPECT_GT(ink.top, 300 - width);
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left) << "taller than wide";
}

TEST_F(TextOutputTest, AnOpaqueMixModeFillsTheTextBoxWithTheBackground) {
    SetBackgroundColor(4);
    SetMixMode(16);
    const std::int16_t width = MeasureTextWidth("box");
    const std::int16_t height = MeasureTextHeight("box");
    WriteTextAt(10, 10, "box");
    EXPECT_EQ(CountOf(7, 10, 10, 10 + width - 1, 10 + height - 1), 0);
    EXPECT_GT(CountOf(4, 10, 10, 10 + width - 1, 10 + height - 1), 0);
    EXPECT_EQ(ReadPixel(10 + width, 10), 7u);
    // The raster operation does not touch text: xor draws it plainly.
    SetMixMode(1);
    WriteTextAt(10, 100, "box");
    EXPECT_EQ(CountOf(7, 0, 90, 100, 140) + CountOf(9, 0, 90, 100, 140), 101 * 51);
}

TEST_F(TextOutputTest, SpacingWidensTheTextByItsExtraPixels) {
    const std::int16_t plain = MeasureTextWidth("a b c");
    SetTextSpacing(3, 0, 0, 0);
    EXPECT_EQ(MeasureTextWidth("a b c"), plain + 5 * 3);
    SetTextSpacing(0, 0, 0, 0);
    EXPECT_EQ(MeasureTextWidth(""), 0);
}

TEST_F(TextOutputTest, LongTextAndTheWindowAgree) {
    SetMixMode(16);
    WriteTextAt(5, 200, std::string(100000, 'W'));
    SetTextFont(1 | (1 << 4) | (1 << 8) | (1 << 12), 0, 16);  // bold, underlined, italic
    WriteTextAt(5, 250, "Styled text");
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_EQ(WindowCanvasDifferences(0, 190, 640, 280), "");
}

TEST(TextWithoutWindow, MeasuresAreZeroAndStatusNotOpen) {
    test_support::CloseTestWindow();
    EXPECT_EQ(MeasureTextWidth("abc"), 0);
    EXPECT_EQ(Status(), StatusNotOpen);
    EXPECT_EQ(MeasureTextHeight("abc"), 0);
    EXPECT_EQ(Status(), StatusNotOpen);
    WriteText("abc");
    EXPECT_EQ(Status(), StatusNotOpen);
    WriteTextAt(0, 0, "abc");
    EXPECT_EQ(Status(), StatusNotOpen);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
