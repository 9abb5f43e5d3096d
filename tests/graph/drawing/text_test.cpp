// Font registration, the current font, alignment and spacing.
#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

win::LOGFONTA CurrentFontDescription() {
    win::LOGFONTA font{};
    EXPECT_NE(win::GetObjectA(GraphState.CurrentFont, sizeof font, &font), 0);
    return font;
}

TEST_F(PaletteWindowTest, StandardFacesTakeTheFirstFourSlots) {
    EXPECT_EQ(GraphState.FontTable[0].Name(), "Courier New");
    EXPECT_EQ(GraphState.FontTable[1].Name(), "MS Sans Serif");
    EXPECT_EQ(GraphState.FontTable[2].Name(), "Times New Roman");
    EXPECT_EQ(GraphState.FontTable[3].Name(), "Arial");
    EXPECT_EQ(GraphState.FontTable[3].Length, 6);  // the name and its zero
    EXPECT_EQ(GraphState.FontTable[4].Length, 0);
}

TEST_F(PaletteWindowTest, RegisteringAgainTakesTheNextFreeSlotUntilTheTableIsFull) {
    EXPECT_EQ(RegisterFontFace("Arial"), 4);
    EXPECT_EQ(Status(), StatusOk);
    for (std::int16_t slot = 5; slot < 15; ++slot) EXPECT_EQ(RegisterFontFace("arial"), slot);
    EXPECT_EQ(RegisterFontFace("Arial"), -1);
    EXPECT_EQ(Status(), StatusFontMissing);
}

TEST_F(PaletteWindowTest, MissingFaceIsNotRegistered) {
    EXPECT_EQ(RegisterFontFace("No Such Face"), -1);
    EXPECT_EQ(Status(), StatusFontMissing);
    EXPECT_EQ(GraphState.FontTable[4].Length, 0);
}

TEST_F(PaletteWindowTest, EmptyOrUnnamedSlotsAreRefused) {
    SetTextFont(0x0011, 0, 16);
    const win::HFONT font = GraphState.CurrentFont;
    SetTextFont(15, 0, 16);
    EXPECT_EQ(Status(), StatusEmptyFontSlot);
    SetTextFont(4, 0, 16);
    EXPECT_EQ(Status(), StatusEmptyFontSlot);
    EXPECT_EQ(GraphState.CurrentFont, font);
}

TEST_F(PaletteWindowTest, FontNumberSelectsFaceWeightAndStyle) {
    SetTextFont(0x0011, 90, 2);
    ASSERT_EQ(Status(), StatusOk);
    win::LOGFONTA font = CurrentFontDescription();
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfEscapement, 900);
    EXPECT_EQ(font.lfOrientation, 900);
    EXPECT_EQ(font.lfHeight, 16);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfUnderline, 0);
    EXPECT_EQ(font.lfCharSet, win::DEFAULT_CHARSET);

    SetTextFont(0x1100, 0, 5);
    font = CurrentFontDescription();
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfHeight, 40);
    EXPECT_NE(font.lfItalic, 0);
    EXPECT_NE(font.lfUnderline, 0);

    SetTextFont(0x0023, 0, 6);
    font = CurrentFontDescription();
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfWeight, 1000);
    EXPECT_EQ(font.lfHeight, 6);
}

TEST_F(DrawingTest, LongFaceNamesAreCutAndStayTerminated) {
    const std::string longName(40, 'L');
    headless::SetFontFamilies({"Courier New", "MS Sans Serif", "Times New Roman", "Arial", longName});
    OpenWindow(PaletteKind);
    ASSERT_EQ(RegisterFontFace(longName), 4);
    EXPECT_EQ(GraphState.FontTable[4].Length, 31);
    EXPECT_EQ(GraphState.FontTable[4].Name(), longName.substr(0, 31));
    SetTextFont(4, 0, 16);
    const win::LOGFONTA font = CurrentFontDescription();
    EXPECT_EQ(font.lfFaceName[31], '\0');
    EXPECT_EQ(std::string(font.lfFaceName), longName.substr(0, 31));
}

TEST_F(DrawingTest, MissingStandardFaceStopsTheRegistration) {
    headless::RemoveFontFamily("Courier New");
    std::int16_t kind = PaletteKind;
    std::int16_t size = Size640x480;
    OpenGraphics(kind, size, "drawing");
    EXPECT_EQ(Status(), StatusFontMissing);
    EXPECT_TRUE(IsGraphOpen());
    for (const FontSlot& slot : GraphState.FontTable) EXPECT_EQ(slot.Length, 0);
}

// A missing face leaves the window without its defaults, so no palette has
// been loaded: PaletteSize is still 0 (the first window of the program) or
// that of an earlier, larger palette. Drawing and palette calls stay safe.
TEST_F(DrawingTest, WindowThatNeverLoadedItsPaletteIsSafeToDrawIn) {
    headless::RemoveFontFamily("Courier New");
    struct LeftOver {
        std::uint16_t paletteSize;
        win::COLORREF brushColour;  // of colour number 7
    };
    for (const LeftOver leftOver : {LeftOver{0, win::PALETTEINDEX(1)}, LeftOver{256, win::PALETTEINDEX(7)}}) {
        SCOPED_TRACE("palette size left over: " + std::to_string(leftOver.paletteSize));
        GraphState.PaletteSize = leftOver.paletteSize;
        std::int16_t kind = TwoColourKind;
        std::int16_t size = Size640x480;
        OpenGraphics(kind, size, "drawing");
        ASSERT_TRUE(IsGraphOpen());
        SetFillMode(1, 7);
        FillBar(0, 0, 3, 3);
        EXPECT_EQ(Status(), StatusOk);
        win::LOGBRUSH brush{};
        win::GetObjectA(GraphState.FillBrush, sizeof brush, &brush);
        EXPECT_EQ(brush.lbColor, leftOver.brushColour);
        SetPaletteColor(200, 1, 2, 3);
        EXPECT_EQ(Status(), StatusOutOfRange);
        CloseGraphics();
    }
}

TEST_F(PaletteWindowTest, AlignmentGoesToBothContextsWithUpdatedPosition) {
    SetTextAlignment(1, 2);
    for (win::HDC dc : {GraphState.WindowDC, GraphState.CanvasDC}) {
        EXPECT_EQ(win::GetTextAlign(dc), win::TA_CENTER | win::TA_BASELINE | win::TA_UPDATECP);
    }
    SetTextAlignment(2, 1);
    EXPECT_EQ(win::GetTextAlign(GraphState.CanvasDC), win::TA_RIGHT | win::TA_BOTTOM | win::TA_UPDATECP);
}

TEST_F(PaletteWindowTest, AlignmentOutsideTheTableIsRefused) {
    SetTextAlignment(1, 1);
    SetTextAlignment(3, 0);
    EXPECT_EQ(Status(), StatusOutOfRange);
    SetTextAlignment(0, 3);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(win::GetTextAlign(GraphState.WindowDC), win::TA_CENTER | win::TA_BOTTOM | win::TA_UPDATECP);
}

TEST_F(PaletteWindowTest, SpacingGoesToBothContexts) {
    SetTextSpacing(3, 7, 99, 99);
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_EQ(win::GetTextCharacterExtra(GraphState.WindowDC), 3);
    EXPECT_EQ(win::GetTextCharacterExtra(GraphState.CanvasDC), 3);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
