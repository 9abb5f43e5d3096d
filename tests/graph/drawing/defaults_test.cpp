// The drawing state that every opening leaves, in each kind of window.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/standard_colors.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

struct KindDefaults {
    std::int16_t kind;
    std::uint16_t paletteSize;  // 0: no palette
    std::uint32_t white;        // colour numbers of the standard white and black
    std::uint32_t black;
};

void PrintTo(const KindDefaults& defaults, std::ostream* out) {
    *out << "kind " << defaults.kind;
}

class DefaultsByKind : public DrawingTest, public ::testing::WithParamInterface<KindDefaults> {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        OpenWindow(GetParam().kind);
    }
};

TEST_P(DefaultsByKind, PaletteAndStandardColours) {
    const KindDefaults expected = GetParam();
    if (expected.paletteSize != 0) {
        EXPECT_EQ(GraphState.PaletteSize, expected.paletteSize);
    }
    EXPECT_EQ(White, expected.white);
    EXPECT_EQ(Black, expected.black);
    EXPECT_EQ(GraphState.StandardColors[250], expected.white);
    EXPECT_EQ(GraphState.StandardColors[12], expected.black);
}

TEST_P(DefaultsByKind, ColoursFillAndLines) {
    const KindDefaults expected = GetParam();
    EXPECT_EQ(GraphState.DrawColor, expected.white);
    EXPECT_EQ(GraphState.BackgroundColor, expected.black);
    EXPECT_EQ(GraphState.FillMode, 1);
    EXPECT_EQ(GraphState.FillColor, expected.white);
    EXPECT_EQ(GraphState.LineStyle, 0);
    EXPECT_EQ(GraphState.LinePattern, 0);
    EXPECT_EQ(GraphState.LineThickness, 1);
    const std::array<std::uint8_t, 8> solid = {255, 255, 255, 255, 255, 255, 255, 255};
    EXPECT_EQ(GraphState.UserPatternRows, solid);
    EXPECT_NE(GraphState.PatternBitmap, nullptr);
}

TEST_P(DefaultsByKind, DeviceContextsCopyWithTransparentBackground) {
    for (win::HDC dc : {GraphState.WindowDC, GraphState.CanvasDC}) {
        EXPECT_EQ(win::GetROP2(dc), win::R2_COPYPEN);
        EXPECT_EQ(win::GetBkMode(dc), win::TRANSPARENT);
        EXPECT_EQ(win::GetTextAlign(dc), win::TA_LEFT | win::TA_TOP | win::TA_UPDATECP);
        EXPECT_EQ(win::GetTextCharacterExtra(dc), 0);
        EXPECT_EQ(win::GetBkColor(dc), DeviceColor(GetParam().black));
        EXPECT_EQ(win::GetTextColor(dc), DeviceColor(GetParam().white));
    }
}

TEST_P(DefaultsByKind, ViewAreaIsTheWholeCanvasUnclipped) {
    EXPECT_EQ(GraphState.ViewArea.x1, 0);
    EXPECT_EQ(GraphState.ViewArea.y1, 0);
    EXPECT_EQ(GraphState.ViewArea.x2, 639);
    EXPECT_EQ(GraphState.ViewArea.y2, 479);
    EXPECT_FALSE(GraphState.ViewArea.clip);
    EXPECT_EQ(GraphState.ViewWidth, 639);
    EXPECT_EQ(GraphState.ViewHeight, 479);
    EXPECT_EQ(GraphState.ClipRegion, nullptr);
    EXPECT_EQ(GraphState.CurrentX, 0);
    EXPECT_EQ(GraphState.CurrentY, 0);
    EXPECT_TRUE(GraphState.AspectIsSquare);
    EXPECT_EQ(GraphState.AspectX, 10000u);
}

TEST_P(DefaultsByKind, FontIsSlotZeroAtSixteenPixels) {
    win::LOGFONTA font{};
    ASSERT_EQ(win::GetObjectA(GraphState.CurrentFont, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfHeight, 16);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfEscapement, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DefaultsByKind,
                         ::testing::Values(KindDefaults{TwoColourKind, 2, 1, 0},
                                           KindDefaults{SixteenColourKind, 16, 15, 0},
                                           KindDefaults{PaletteKind, 256, 15, 0},
                                           KindDefaults{DirectKind, 0, 0xFFFFFF, 0}),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

TEST_F(DrawingTest, ReopeningRestoresTheDefaults) {
    OpenWindow(PaletteKind);
    SetPaletteColor(15, 1, 2, 3);
    SetFillMode(4, 9);
    SetViewArea(10, 10, 20, 20, true);
    SetMixMode(17);
    CloseGraphics();
    OpenWindow(PaletteKind);
    EXPECT_EQ(Components(PaletteEntry(15)), (std::array<int, 3>{252, 252, 252}));
    EXPECT_EQ(GraphState.FillMode, 1);
    EXPECT_EQ(GraphState.ClipRegion, nullptr);
    EXPECT_EQ(win::GetBkMode(GraphState.CanvasDC), win::TRANSPARENT);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
