// Copying and pasting blocks of raw canvas values: round trips, the paste
// modes, entry numbers kept apart from their colours, the canvas's edges,
// refusals, and clearing the view area or the page.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_calls_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using PixelBlocksTest = DrawingCallsTest;

void DrawSomething() {
    SetFillMode(1, 3);
    FillBar(10, 10, 29, 19);
    SetDrawColor(200);
    DrawLine(5, 5, 40, 25);
    PlotPixel(12, 22, 255);
}

TEST_F(PixelBlocksTest, ACopiedBlockPastedBackRestoresTheCanvas) {
    DrawSomething();
    const PixelBlock block = CopyBlock(0, 0, 44, 29);
    ASSERT_EQ(Status(), StatusOk);
    ASSERT_EQ(block.Width, 45);
    ASSERT_EQ(block.Height, 30);
    EXPECT_EQ(block.Pixels[static_cast<std::size_t>(15 * 45 + 20)], 3u);
    EXPECT_EQ(block.Pixels[static_cast<std::size_t>(22 * 45 + 12)], 255u);
    ClearGraphics();
    EXPECT_EQ(CountOf(0, 0, 0, 44, 29), 45 * 30);
    PasteBlock(0, 0, block, 0);
    EXPECT_EQ(CopyBlock(0, 0, 44, 29).Pixels, block.Pixels);
    // Elsewhere, through the view area's origin.
    SetViewArea(300, 200, 399, 299, false);
    PasteBlock(0, 0, block, 0);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(CopyBlock(300, 200, 344, 229).Pixels, block.Pixels);
}

TEST_F(PixelBlocksTest, TheModesCombineEntryNumbersAndXorTwiceRestores) {
    SetFillMode(1, 0b1100);
    FillBar(0, 0, 3, 0);
    const PixelBlock pattern{4, 1, {0b1010, 0b1010, 0b1010, 0b1010}};
    const std::uint32_t expected[] = {0b1010, 0b0110, 0b1110, 0b1000, 0b11110101};
    for (std::uint16_t mode = 0; mode < 5; ++mode) {
        SCOPED_TRACE(::testing::Message() << "mode " << mode);
        FillBar(0, 0, 3, 0);
        PasteBlock(0, 0, pattern, mode);
        EXPECT_EQ(ReadPixel(2, 0), expected[mode]);
    }
    DrawSomething();
    const PixelBlock before = CopyBlock(0, 0, 60, 40);
    const PixelBlock noise = CopyBlock(5, 5, 30, 25);
    PasteBlock(17, 3, noise, 1);
    PasteBlock(17, 3, noise, 1);
    EXPECT_EQ(CopyBlock(0, 0, 60, 40).Pixels, before.Pixels);
}

TEST_F(PixelBlocksTest, EntriesOfEqualColourStayApart) {
    SetPaletteColor(21, 20, 20, 20);  // entry 21 now looks like entry 20
    PlotPixel(1, 1, 21);
    EXPECT_EQ(ReadPixel(1, 1), 20u) << "read by colour: the lowest equal entry";
    const PixelBlock block = CopyBlock(0, 0, 2, 2);
    EXPECT_EQ(block.Pixels[4], 21u) << "copied raw: the entry itself";
    SetPaletteColor(21, 99, 99, 99);
    PasteBlock(10, 10, block, 0);
    // 21 and 99 now look alike and 20 does not: the pasted pixel is entry 21.
    EXPECT_EQ(ReadPixel(11, 11), 21u);
    EXPECT_EQ(CanvasRgb(11, 11), 0x636363u);
}

TEST_F(PixelBlocksTest, OffTheCanvasReadsZeroAndIsLeftOutWhenPasting) {
    DrawSomething();
    const PixelBlock corner = CopyBlock(-5, -5, 14, 14);
    ASSERT_EQ(corner.Pixels.size(), 400u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(corner.Pixels[static_cast<std::size_t>(i)], 0u);
    EXPECT_EQ(corner.Pixels[static_cast<std::size_t>(19 * 20 + 19)], 3u);
    const PixelBlock huge{32767, 2, std::vector<std::uint32_t>(32767u * 2u, 9)};
    PasteBlock(-100, 478, huge, 0);
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_EQ(CountOf(9, 0, 470, 639, 479), 640 * 2);
    PasteBlock(-32768, -32768, corner, 1);
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(PixelBlocksTest, MalformedRequestsAreRefused) {
    const PixelBlock reversed = CopyBlock(10, 10, 9, 20);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(reversed.Width, 0);
    EXPECT_TRUE(reversed.Pixels.empty());
    CopyBlock(-32768, 0, 32767, 0);
    EXPECT_EQ(Status(), StatusOutOfRange) << "wider than a block can say";
    PasteBlock(0, 0, PixelBlock{2, 2, {1, 2, 3}}, 0);
    EXPECT_EQ(Status(), StatusOutOfRange);
    PasteBlock(0, 0, PixelBlock{-2, -2, {1, 2, 3, 4}}, 0);
    EXPECT_EQ(Status(), StatusOutOfRange);
    PasteBlock(0, 0, PixelBlock{1, 1, {1}}, 5);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(CountOf(0, 0, 0, 3, 3), 16);
}

TEST_F(PixelBlocksTest, ClearingFillsTheViewAreaOrThePageWithTheBackground) {
    SetBackgroundColor(4);
    SetViewArea(10, 10, 19, 14, true);
    SetCurrentPosition(3, 3);
    ClearViewArea();
    EXPECT_EQ(GraphState.CurrentX, 0);
    EXPECT_EQ(GraphState.CurrentY, 0);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(CountOf(4, 0, 0, 639, 479), 50);
    EXPECT_EQ(CountOf(4, 10, 10, 19, 14), 50);

    SetBackgroundColor(5);
    SetViewArea(10, 10, 19, 14, true);
    ClearGraphics();
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(CountOf(5, 0, 0, 639, 479), 640 * 480);
    EXPECT_EQ(WindowCanvasDifferences(0, 0, 640, 480), "");
}

TEST_F(DirectWindowTest, BlocksHoldColoursInDirectColour) {
    SetFillMode(1, win::RGB(0x12, 0x34, 0x56));
    FillBar(0, 0, 9, 9);
    const PixelBlock block = CopyBlock(0, 0, 1, 0);
    ASSERT_EQ(block.Pixels.size(), 2u);
    EXPECT_EQ(block.Pixels[0], 0x00123456u);
    PasteBlock(20, 20, PixelBlock{1, 1, {0x00ABCDEF}}, 0);
    EXPECT_EQ(ReadPixel(20, 20), win::RGB(0xAB, 0xCD, 0xEF));
    PasteBlock(20, 20, PixelBlock{1, 1, {0x00FFFFFF}}, 1);
    EXPECT_EQ(ReadPixel(20, 20), win::RGB(0x54, 0x32, 0x10));
    EXPECT_EQ(WindowCanvasDifferences(0, 0, 30, 30), "");
}

}  // namespace
}  // namespace lumenbox::drawing_tests
