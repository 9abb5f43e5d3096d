// ReadPixel answers with the entry nearest to a pixel's colour as the palette
// stands at the moment of the read: a colour read before a change must not
// answer with what it was nearest to before the change.
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

constexpr std::uint16_t Drawn = 200;

// Entry 200 in a colour no default entry has; one cell of it at (10, 10).
void DrawCellOfEntry200() {
    SetPaletteColor(Drawn, 13, 77, 141);
    SetFillMode(1, Drawn * 257u);
    FillBar(10, 10, 10, 10);
}

TEST_F(PaletteWindowTest, ALowerEntryGivenTheReadColourAnswersTheNextRead) {
    DrawCellOfEntry200();
    ASSERT_EQ(ReadPixel(10, 10), Drawn);
    SetPaletteColor(7, 13, 77, 141);  // now the lowest entry of that colour
    EXPECT_EQ(ReadPixel(10, 10), 7u);
    SetPaletteColor(7, 0, 0, 0);      // and no longer
    EXPECT_EQ(ReadPixel(10, 10), Drawn);
}

TEST_F(PaletteWindowTest, AReplacedPaletteAnswersTheNextRead) {
    DrawCellOfEntry200();
    ASSERT_EQ(ReadPixel(10, 10), Drawn);
    PaletteRecord record{};
    FillDefaultPalette(record);
    record.Colors[Drawn] = 0x8D4D0D;  // the same colour, COLORREF form
    record.Colors[3] = 0x8D4D0D;
    ReplacePalette(record);
    ASSERT_EQ(Status(), StatusOk);
    EXPECT_EQ(ReadPixel(10, 10), 3u);
}

TEST_F(DrawingTest, ANewWindowsPaletteAnswersReadsOfTheSameColour) {
    OpenWindow(PaletteKind);
    DrawCellOfEntry200();
    SetPaletteColor(9, 13, 77, 141);
    ASSERT_EQ(ReadPixel(10, 10), 9u);
    lumenbox::test_support::CloseTestWindow();

    OpenWindow(PaletteKind);
    DrawCellOfEntry200();
    EXPECT_EQ(ReadPixel(10, 10), Drawn);  // entry 9 of this palette is the default one
}

}  // namespace
}  // namespace lumenbox::drawing_tests
