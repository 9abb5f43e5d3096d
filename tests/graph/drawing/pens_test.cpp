// The drawing colour, line styles and the mix mode.
#include <cstdint>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

win::LOGPEN CurrentPenDescription() {
    win::LOGPEN pen{};
    EXPECT_NE(win::GetObjectA(GraphState.CurrentPen, sizeof pen, &pen), 0);
    return pen;
}

void ExpectMixOnBothContexts(int rop, int background) {
    for (win::HDC dc : {GraphState.WindowDC, GraphState.CanvasDC}) {
        EXPECT_EQ(win::GetROP2(dc), rop);
        EXPECT_EQ(win::GetBkMode(dc), background);
    }
}

TEST_F(PaletteWindowTest, MixModeSplitsIntoOperationAndBackground) {
    SetMixMode(16);
    ExpectMixOnBothContexts(win::R2_COPYPEN, win::OPAQUE);
    SetMixMode(31);
    ExpectMixOnBothContexts(win::R2_NOP, win::OPAQUE);
    SetMixMode(1);
    ExpectMixOnBothContexts(win::R2_XORPEN, win::TRANSPARENT);
    SetMixMode(13);
    ExpectMixOnBothContexts(win::R2_BLACK, win::TRANSPARENT);
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(PaletteWindowTest, MixModesOutsideTheTableAreRefused) {
    SetMixMode(21);
    for (std::int16_t mode : {std::int16_t{32}, std::int16_t{-1}, std::int16_t{-16}, std::int16_t{-32768}}) {
        SetMixMode(mode);
        EXPECT_EQ(Status(), StatusOutOfRange) << "mode " << mode;
        ExpectMixOnBothContexts(win::R2_NOT, win::OPAQUE);
    }
}

TEST_F(PaletteWindowTest, LineStylesChooseThePenStyle) {
    constexpr win::UINT expected[] = {win::PS_SOLID, win::PS_DOT,  win::PS_DASHDOT, win::PS_DASH,
                                      win::PS_DASHDOTDOT, win::PS_NULL, win::PS_NULL};
    for (std::uint16_t style = 0; style <= 6; ++style) {
        SetLineMode(style, 0xABCD, 3);
        EXPECT_EQ(CurrentPenDescription().lopnStyle, expected[style]) << "style " << style;
    }
    const win::LOGPEN pen = CurrentPenDescription();
    EXPECT_EQ(pen.lopnWidth.x, 3);
    EXPECT_EQ(pen.lopnColor, win::PALETTEINDEX(15));
    EXPECT_EQ(GraphState.LinePattern, 0xABCD);
}

TEST_F(PaletteWindowTest, LineStyleSevenIsRefused) {
    SetLineMode(3, 0, 2);
    const win::HPEN pen = GraphState.CurrentPen;
    SetLineMode(7, 5, 9);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(GraphState.LineStyle, 3);
    EXPECT_EQ(GraphState.LinePattern, 0);
    EXPECT_EQ(GraphState.LineThickness, 2);
    EXPECT_EQ(GraphState.CurrentPen, pen);
}

TEST_F(PaletteWindowTest, DrawColourRebuildsThePenWithTheLineSettings) {
    SetLineMode(2, 77, 4);
    SetDrawColor(261);
    EXPECT_EQ(GraphState.DrawColor, 261u);
    EXPECT_EQ(GraphState.LineStyle, 2);
    EXPECT_EQ(GraphState.LinePattern, 77);
    EXPECT_EQ(GraphState.LineThickness, 4);
    const win::LOGPEN pen = CurrentPenDescription();
    EXPECT_EQ(pen.lopnStyle, win::PS_DASHDOT);
    EXPECT_EQ(pen.lopnWidth.x, 4);
    EXPECT_EQ(pen.lopnColor, win::PALETTEINDEX(5));
    EXPECT_EQ(win::GetTextColor(GraphState.WindowDC), win::PALETTEINDEX(5));
    EXPECT_EQ(win::GetTextColor(GraphState.CanvasDC), win::PALETTEINDEX(5));
}

}  // namespace
}  // namespace lumenbox::drawing_tests
