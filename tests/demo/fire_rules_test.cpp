// One frame of the fire on small, known pictures: cooling, the averaging of
// the four samples, the hot side edges and the palette's read-back rules.
// Expected cells are kept as small tables, rows top to bottom.
#include <array>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "fire_canvas.h"

namespace lumenbox {
namespace {

using firetest::CellIndex;
using firetest::PaintCell;

class FireRulesTest : public testing::Test {
protected:
    void SetUp() override { firetest::OpenFireWindow(); }
    void TearDown() override { firetest::CloseFireWindow(); }
};

// A window of cells: columns firstX.., rows firstY.., as read after a frame.
template <std::size_t Rows, std::size_t Columns>
using CellTable = std::array<std::array<std::uint32_t, Columns>, Rows>;

template <std::size_t Rows, std::size_t Columns>
std::string CompareCells(int firstX, int firstY, const CellTable<Rows, Columns>& expected) {
    std::ostringstream differences;
    for (std::size_t row = 0; row < Rows; ++row) {
        for (std::size_t column = 0; column < Columns; ++column) {
            const int x = firstX + static_cast<int>(column);
            const int y = firstY + static_cast<int>(row);
            const std::uint32_t actual = CellIndex(x, y);
            if (actual != expected[row][column]) {
                differences << "cell (" << x << ", " << y << "): expected " << expected[row][column] << ", got "
                            << actual << "\n";
            }
        }
    }
    return differences.str();
}

TEST_F(FireRulesTest, ABlackCanvasStaysBlackInsideAndBurnsAtBothSideEdges) {
    FireFrame();
    // Left edge: one sample of 96 from outside the canvas, (96 / 4) - 1 = 23,
    // then 23 / 4 - 1 = 4 in the next column. Right edge: two samples of 96,
    // 192 / 4 - 1 = 47. Rows from 114 down feel the new flicker row; not
    // checked here.
    std::ostringstream differences;
    for (int y = 59; y <= 113; ++y) {
        for (int x = 0; x <= 159; ++x) {
            const std::uint32_t expected = x == 0 ? 23 : x == 1 ? 4 : x == 159 ? 47 : 0;
            const std::uint32_t actual = CellIndex(x, y);
            if (actual != expected) {
                differences << "cell (" << x << ", " << y << "): expected " << expected << ", got " << actual
                            << "\n";
            }
        }
    }
    EXPECT_EQ(differences.str(), "");
}

TEST_F(FireRulesTest, TheFlickerRowHoldsOnlyBlackAndColourOneHundredSixty) {
    FireFrame();
    int hot = 0;
    for (int x = 0; x <= 159; ++x) {
        const std::uint32_t index = CellIndex(x, 118);
        EXPECT_TRUE(index == 0 || index == 160) << "cell (" << x << ", 118) reads " << index;
        hot += index == 160 ? 1 : 0;
    }
    // 160 fair coin tosses: both sides turn up (all alike has odds of 2^-159).
    EXPECT_GT(hot, 0);
    EXPECT_LT(hot, 160);
}

// A single hot cell at (80, 90) on black: it moves one row up and spreads to
// the left and up-left; the cell itself is cooled away.
struct SingleCellCase {
    std::uint32_t seed;
    CellTable<5, 5> after;  // columns 78 to 82, rows 87 to 91
};

class SingleCellTest : public FireRulesTest, public testing::WithParamInterface<SingleCellCase> {};

TEST_P(SingleCellTest, SpreadsAsTheAveragedAndCooledSamplesSay) {
    PaintCell(80, 90, GetParam().seed);
    FireFrame();
    EXPECT_EQ(CompareCells(78, 87, GetParam().after), "");
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, SingleCellTest,
    testing::Values(
        // Sums of 3 and of 4 both give 0: 3 / 4 truncates to 0, 4 / 4 cools to 0.
        SingleCellCase{3, {{{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}}},
        SingleCellCase{4, {{{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}}},
        // 8 / 4 - 1 = 1 wherever the cell is one of the four samples.
        SingleCellCase{8, {{{0, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 1, 1, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}}},
        // 100 reads back as 96 (entries 97 to 128 share 96's white):
        // 96 / 4 - 1 = 23, not 24; and 23 / 4 - 1 = 4 one further on.
        SingleCellCase{100,
                       {{{0, 0, 4, 0, 0}, {0, 23, 4, 4, 0}, {0, 23, 23, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}}}),
    [](const testing::TestParamInfo<SingleCellCase>& info) { return "Seed" + std::to_string(info.param.seed); });

TEST_F(FireRulesTest, AHotBlockMakesValuesAbove128ThatReadBackAsThemselves) {
    // A 3 x 3 block of the flicker colour 160, columns 79 to 81, rows 99 to 101.
    for (int y = 99; y <= 101; ++y) {
        for (int x = 79; x <= 81; ++x) {
            PaintCell(x, y, 160);
        }
    }
    FireFrame();
    // (79, 99) becomes 128, which reads back as 96; (80, 98) then averages
    // 160, 160, 96, 160 to 143, a default-palette colour that reads as itself.
    const CellTable<8, 8> after = {{
        {0, 0, 0, 0, 1, 2, 3, 0},          // row 95, columns 76 to 83
        {0, 0, 0, 8, 13, 17, 7, 3},        // row 96
        {0, 0, 39, 58, 73, 34, 17, 2},     // row 97
        {0, 0, 79, 138, 143, 73, 13, 1},   // row 98
        {0, 0, 79, 96, 138, 58, 8, 0},     // row 99
        {0, 0, 39, 79, 79, 39, 0, 0},      // row 100
        {0, 0, 0, 0, 0, 0, 0, 0},          // row 101
        {0, 0, 0, 0, 0, 0, 0, 0},          // row 102
    }};
    EXPECT_EQ(CompareCells(76, 95, after), "");
}

TEST_F(FireRulesTest, EntriesReadBackAsTheLowestEntryOfTheirColour) {
    struct ReadBack {
        std::uint32_t painted;
        std::uint32_t read;
    };
    const ReadBack table[] = {
        {1, 1},   {32, 32}, {33, 33},   {64, 64},   {65, 65},   {96, 96},   {97, 96},
        {100, 96}, {128, 96}, {129, 129}, {143, 143}, {160, 160},
    };
    for (const ReadBack& entry : table) {
        PaintCell(10, 10, entry.painted);
        EXPECT_EQ(CellIndex(10, 10), entry.read) << "painted with " << entry.painted;
    }
}

TEST_F(FireRulesTest, TheWindowShowsTheFirePaletteRamp) {
    struct Shown {
        std::uint32_t index;
        std::uint32_t rgb;  // 0x00RRGGBB
    };
    // Black-red to red, red to yellow, yellow to white, then white; entry 160
    // keeps the default palette's dim red-grey.
    const Shown table[] = {
        {1, 0x040000},  {2, 0x0C0000},  {32, 0xFC0000}, {33, 0xFC0400}, {64, 0xFCFC00},
        {65, 0xFCFC04}, {96, 0xFCFCFC}, {128, 0xFCFCFC}, {160, 0x705050},
    };
    const auto window = firetest::headless::IdOf(GraphState.GraphWindow.load());
    int x = 5;
    for (const Shown& entry : table) {
        PaintCell(x, 20, entry.index);
        const auto pixel = firetest::headless::ClientPixel(window, 4 * x, 80);
        ASSERT_TRUE(pixel.has_value());
        EXPECT_EQ(*pixel, entry.rgb) << "entry " << entry.index << std::hex << " shows " << *pixel;
        x += 2;
    }
}

}  // namespace
}  // namespace lumenbox
