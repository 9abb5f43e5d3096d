// Filled rectangles in every fill mode, on the canvas and on the window.
#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/standard_colors.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using Rows = std::array<std::uint8_t, 8>;

// Eight rows, top first, 0x80 the leftmost pixel; a set bit is a line pixel.
// The rows tile from device (0, 0).
struct FillPicture {
    std::uint16_t mode;
    Rows rows;
};

constexpr Rows Solid = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr Rows Empty = {0, 0, 0, 0, 0, 0, 0, 0};
constexpr Rows Checker = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};

constexpr std::array<FillPicture, 10> FillPictures = {{
    {0, Solid},                                                   // background colour
    {1, Solid},                                                   // solid
    {2, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}},        // horizontal
    {3, {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}},        // vertical
    {4, {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}},        // cross
    {5, {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}},        // rising diagonal
    {6, {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}},        // falling diagonal
    {7, {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}},        // diagonal cross
    {8, Checker},                                                 // user pattern
    {9, Empty},                                                   // none
}};

bool LinePixel(const Rows& rows, int x, int y) { return (rows[y % 8] & (0x80 >> (x % 8))) != 0; }

// The area every fill test paints, deliberately not aligned to the tiles.
constexpr int Left = 5, Top = 3, Right = 29, Bottom = 27;  // right and bottom inclusive

// Pixels of the area whose read-back differs from the picture.
std::string PictureDifferences(const Rows& rows, std::uint32_t line, std::uint32_t gap) {
    std::ostringstream differences;
    for (int y = Top; y <= Bottom; ++y) {
        for (int x = Left; x <= Right; ++x) {
            const std::uint32_t expected = LinePixel(rows, x, y) ? line : gap;
            const std::uint32_t read = ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
            if (read != expected) {
                differences << "(" << x << ", " << y << ") read " << Hex(read) << " expected "
                            << Hex(expected) << "\n";
            }
        }
    }
    return differences.str();
}

void PaintArea(std::uint16_t mode, std::uint32_t colour) {
    SetFillMode(mode, colour);
    FillBar(Left, Top, Right, Bottom);
}

// Colour numbers for the kind: what lies under the fill, the fill colour.
struct KindColours {
    std::int16_t kind;
    std::uint32_t under;
    std::uint32_t line;
};

void PrintTo(const KindColours& colours, std::ostream* out) {
    *out << "kind " << colours.kind << ", under " << Hex(colours.under) << ", line " << Hex(colours.line);
}

class FillModes : public DrawingTest, public ::testing::WithParamInterface<KindColours> {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        OpenWindow(GetParam().kind);
    }
};

TEST_P(FillModes, EveryModeShowsItsPictureOnCanvasAndWindow) {
    const auto [kind, under, line] = GetParam();
    const std::uint32_t background = Black;
    for (const FillPicture& picture : FillPictures) {
        SCOPED_TRACE("mode " + std::to_string(picture.mode));
        PaintArea(1, under);
        if (picture.mode == 8) DefineFillPattern(Checker, line);
        PaintArea(picture.mode, line);
        ASSERT_EQ(Status(), StatusOk);
        // Hatch gaps stay as they were (transparent mixing); pattern gaps
        // have the background colour; mode 0 is all background.
        const std::uint32_t lineColour = picture.mode == 0 ? background : line;
        const std::uint32_t gapColour = picture.mode == 8 ? background : under;
        EXPECT_EQ(PictureDifferences(picture.rows, lineColour, gapColour), "");
        EXPECT_EQ(WindowCanvasDifferences(Left, Top, Right + 1, Bottom + 1), "");
    }
}

TEST_P(FillModes, OpaqueMixingPaintsHatchGapsInTheBackground) {
    const auto [kind, under, line] = GetParam();
    SetMixMode(16);
    for (std::uint16_t mode = 2; mode <= 7; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        PaintArea(1, under);
        PaintArea(mode, line);
        EXPECT_EQ(PictureDifferences(FillPictures[mode].rows, line, Black), "");
        EXPECT_EQ(WindowCanvasDifferences(Left, Top, Right + 1, Bottom + 1), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, FillModes,
                         ::testing::Values(KindColours{TwoColourKind, 1, 0},
                                           KindColours{SixteenColourKind, 15, 4},
                                           KindColours{PaletteKind, 2, 4},
                                           KindColours{DirectKind, 0x00FF00, 0x0000A8}),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

TEST_F(PaletteWindowTest, SetFillModeStoresItsSettings) {
    SetFillMode(0, 5);  // background 0: the colour argument gives way
    EXPECT_EQ(GraphState.FillMode, 0);
    EXPECT_EQ(GraphState.FillColor, 0u);
    SetFillMode(3, 5 * 257);
    EXPECT_EQ(GraphState.FillColor, 5u * 257);
    win::LOGBRUSH brush{};
    ASSERT_NE(win::GetObjectA(GraphState.FillBrush, sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbStyle, win::BS_HATCHED);
    EXPECT_EQ(brush.lbHatch, static_cast<win::ULONG_PTR>(win::HS_VERTICAL));
    EXPECT_EQ(brush.lbColor, win::PALETTEINDEX(5));
}

TEST_F(PaletteWindowTest, ModeTenIsRefusedAndTheBrushKeepsFilling) {
    SetFillMode(1, 6);
    const win::HBRUSH brush = GraphState.FillBrush;
    SetFillMode(10, 9);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(GraphState.FillMode, 1);
    EXPECT_EQ(GraphState.FillColor, 6u);
    EXPECT_EQ(GraphState.FillBrush, brush);
    FillBar(0, 0, 0, 0);
    EXPECT_EQ(ReadPixel(0, 0), 6u);
}

TEST_F(PaletteWindowTest, PatternBitsRunFromLeftmostToRightmost) {
    DefineFillPattern({128, 1, 0, 0, 0, 0, 0, 0}, 4);
    FillBar(0, 0, 7, 1);
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 0), x == 0 ? 4u : 0u) << "row 0, x " << x;
        EXPECT_EQ(ReadPixel(static_cast<std::int16_t>(x), 1), x == 7 ? 4u : 0u) << "row 1, x " << x;
    }
}

TEST_F(PaletteWindowTest, SolidPatternFillsLikeModeOne) {
    DefineFillPattern(Solid, 12);
    EXPECT_EQ(GraphState.FillMode, 8);
    FillBar(0, 0, 15, 15);
    SetFillMode(1, 12);
    FillBar(16, 0, 31, 15);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)),
                      ReadPixel(static_cast<std::int16_t>(x + 16), static_cast<std::int16_t>(y)))
                << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(ReadPixel(3, 3), 12u);
}

TEST_F(PaletteWindowTest, PatternKeepsTheBackgroundOfItsDefinition) {
    DefineFillPattern({0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0}, 4);
    SetBackgroundColor(2);
    FillBar(0, 0, 7, 0);
    EXPECT_EQ(ReadPixel(0, 0), 4u);
    EXPECT_EQ(ReadPixel(7, 0), 0u);
    SetFillMode(0, 9);  // a plain background fill takes the new colour
    EXPECT_EQ(GraphState.FillColor, 2u);
    FillBar(8, 0, 8, 0);
    EXPECT_EQ(ReadPixel(8, 0), 2u);
}

TEST_F(PaletteWindowTest, CornersAreInclusive) {
    SetFillMode(1, 3);
    FillBar(10, 20, 10, 20);
    EXPECT_EQ(ReadPixel(10, 20), 3u);
    EXPECT_EQ(ReadPixel(11, 20), 0u);
    EXPECT_EQ(ReadPixel(10, 21), 0u);
    EXPECT_EQ(ReadPixel(9, 20), 0u);
    SetFillMode(1, 6);
    FillBar(0, 0, 639, 479);
    EXPECT_EQ(ReadPixel(0, 0), 6u);
    EXPECT_EQ(ReadPixel(639, 479), 6u);
    EXPECT_EQ(WindowCanvasDifferences(630, 470, 640, 480), "");
}

TEST_F(PaletteWindowTest, ReversedCornersFillNothing) {
    SetFillMode(1, 3);
    FillBar(20, 20, 10, 30);
    FillBar(10, 30, 20, 20);
    for (int y = 18; y <= 32; ++y) {
        for (int x = 8; x <= 22; ++x) {
            ASSERT_EQ(ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)), 0u)
                << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(PaletteWindowTest, ClippedViewAreaConfinesTheFill) {
    SetViewArea(100, 50, 199, 149, true);
    SetFillMode(1, 4);
    FillBar(0, 0, 1000, 1000);
    FillBar(-100, -50, -90, -40);  // wholly outside the view area
    SetViewArea(0, 0, 639, 479, false);
    int filled = 0;
    int left = 640, top = 480, right = -1, bottom = -1;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) != 4u) continue;
            ++filled;
            left = std::min(left, x), top = std::min(top, y);
            right = std::max(right, x), bottom = std::max(bottom, y);
        }
    }
    EXPECT_EQ(filled, 100 * 100);
    EXPECT_EQ((std::array<int, 4>{left, top, right, bottom}), (std::array<int, 4>{100, 50, 199, 149}));
    EXPECT_EQ(WindowCanvasDifferences(90, 40, 210, 160), "");
}

TEST_F(PaletteWindowTest, UnclippedViewAreaMovesTheOrigin) {
    SetViewArea(100, 50, 199, 149, false);
    SetFillMode(1, 4);
    FillBar(0, 0, 4, 4);
    EXPECT_EQ(ReadPixel(-100, -50), 0u);
    SetFillMode(1, 5);
    FillBar(-100, -50, -100, -50);
    SetViewArea(0, 0, 639, 479, false);
    EXPECT_EQ(ReadPixel(0, 0), 5u);
    EXPECT_EQ(ReadPixel(100, 50), 4u);
    EXPECT_EQ(ReadPixel(104, 54), 4u);
    EXPECT_EQ(ReadPixel(105, 54), 0u);
}

// A view-area coordinate plus the origin beyond the 16-bit range is off the
// canvas: it must not wrap round onto pixels far from where it was asked for.
TEST_F(PaletteWindowTest, DeviceCoordinatesDoNotWrapInSixteenBits) {
    SetViewArea(-32767, -32767, 0, 0, false);
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    SetFillMode(1, 4);
    FillBar(-32763, -32767, -32763, -32767);  // device (-65530, -65534)
    FillBar(-32768, -32768, -32759, -32759);
    SetViewArea(0, 0, 639, 479, false);
    for (std::int16_t x = 0; x < 12; ++x) {
        for (std::int16_t y = 0; y < 12; ++y) {
            ASSERT_EQ(ReadPixel(x, y), 0u) << x << "," << y;
        }
    }
}

TEST_F(PaletteWindowTest, ViewAreaWiderOrTallerThanSixteenBitsIsRefused) {
    SetViewArea(10, 20, 109, 119, true);
    for (const auto& [x1, y1, x2, y2] : {std::array<std::int16_t, 4>{-32768, 0, 32767, 479},
                                         std::array<std::int16_t, 4>{0, -32768, 639, 32767},
                                         std::array<std::int16_t, 4>{-32768, 0, 0, 479},
                                         std::array<std::int16_t, 4>{-1, 0, 32767, 479}}) {
        SetViewArea(x1, y1, x2, y2, false);
        EXPECT_EQ(GraphState.GraphStatus, StatusOutOfRange) << x1 << " " << x2 << " " << y1 << " " << y2;
        EXPECT_EQ(GraphState.ViewOriginX, 10);
        EXPECT_EQ(GraphState.ViewWidth, 99);
    }
    SetViewArea(-32767, -32767, 0, 0, false);
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(GraphState.ViewWidth, 32767);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
