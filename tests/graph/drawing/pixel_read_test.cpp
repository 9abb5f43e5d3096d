// Reading pixels back as colour numbers: the lowest entry of equal colour,
// and what a point off the canvas reads.
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

// The demonstration's fire ramp over entries 1 to 128.
void LoadFirePalette() {
    for (std::uint16_t i = 1; i <= 32; ++i) {
        const auto ramp = static_cast<std::uint16_t>(8 * i - 4);
        SetPaletteColor(i, ramp, 0, 0);
        SetPaletteColor(i + 32, 252, ramp, 0);
        SetPaletteColor(i + 64, 252, 252, ramp);
        SetPaletteColor(i + 96, 252, 252, 252);
    }
}

TEST_F(PaletteWindowTest, FreshCanvasReadsZero) {
    EXPECT_EQ(ReadPixel(0, 0), 0u);
    EXPECT_EQ(ReadPixel(639, 479), 0u);
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(PaletteWindowTest, DrawnEntryReadsBackAsItself) {
    SetFillMode(1, 5 * 257);
    FillBar(0, 0, 0, 0);
    EXPECT_EQ(ReadPixel(0, 0), 5u);
    SetFillMode(1, 160);
    FillBar(1, 0, 1, 0);
    EXPECT_EQ(ReadPixel(1, 0), 160u);
}

TEST_F(PaletteWindowTest, EntryOfARepeatedColourReadsAsTheLowestEqualEntry) {
    SetFillMode(1, 250);  // default black, like entry 0
    FillBar(0, 0, 0, 0);
    EXPECT_EQ(ReadPixel(0, 0), 0u);

    LoadFirePalette();
    SetFillMode(1, 100);
    FillBar(5, 5, 5, 5);
    EXPECT_EQ(ReadPixel(5, 5), 96u);
    SetFillMode(1, 129);
    FillBar(6, 5, 6, 5);
    EXPECT_EQ(ReadPixel(6, 5), 129u);
}

TEST_F(PaletteWindowTest, ReadBackFollowsPaletteChanges) {
    SetFillMode(1, 40);
    FillBar(0, 0, 0, 0);
    SetPaletteColor(40, 168, 0, 0);  // now the colour of entry 4
    EXPECT_EQ(ReadPixel(0, 0), 4u);
}

TEST_F(PaletteWindowTest, OffCanvasReadsTheEntryNearestToWhite) {
    EXPECT_EQ(ReadPixel(-1, 0), 15u);
    EXPECT_EQ(ReadPixel(640, 0), 15u);
    EXPECT_EQ(ReadPixel(0, 480), 15u);
    LoadFirePalette();
    EXPECT_EQ(ReadPixel(-4, 0), 96u);
    EXPECT_EQ(ReadPixel(640, 236), 96u);
}

TEST_F(DrawingTest, TwoColourOffCanvasReadsEntryOne) {
    OpenWindow(TwoColourKind);
    EXPECT_EQ(ReadPixel(-1, 0), 1u);
}

TEST_F(DirectWindowTest, PixelsReadBackAsColorRefs) {
    SetFillMode(1, 41120);
    FillBar(3, 4, 3, 4);
    EXPECT_EQ(ReadPixel(3, 4), 41120u);
    EXPECT_EQ(ReadPixel(-1, 0), win::CLR_INVALID);
    EXPECT_EQ(ReadPixel(640, 0), win::CLR_INVALID);
}

TEST_F(PaletteWindowTest, ReadsAreRelativeToTheViewArea) {
    SetFillMode(1, 7);
    FillBar(0, 0, 0, 0);
    SetFillMode(1, 9);
    FillBar(100, 50, 100, 50);
    SetViewArea(100, 50, 199, 149, false);
    EXPECT_EQ(ReadPixel(0, 0), 9u);
    EXPECT_EQ(ReadPixel(-100, -50), 7u);
    SetViewArea(100, 50, 199, 149, true);
    EXPECT_EQ(ReadPixel(0, 0), 9u);
    EXPECT_EQ(ReadPixel(-100, -50), 15u);  // clipped away: reads as off the canvas
    EXPECT_EQ(ReadPixel(-1, 0), 15u);
}

TEST_F(PaletteWindowTest, ReadCoordinatesDoNotWrap) {
    SetViewArea(-32767, 0, 0, 479, false);
    EXPECT_EQ(ReadPixel(-32763, 0), 15u);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
