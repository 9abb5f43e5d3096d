// Calls made without a window, and the order in which refusals are reported.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using ClosedWindowTest = DrawingTest;

TEST_F(ClosedWindowTest, EveryDrawingCallReportsNotOpen) {
    PaletteRecord palette{};
    palette.Count = 16;
    const std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"SetPaletteColor", [] { SetPaletteColor(999, 1, 2, 3); }},
        {"ReplacePalette", [&] { ReplacePalette(palette); }},
        {"SetFillMode", [] { SetFillMode(99, 1); }},
        {"DefineFillPattern", [] { DefineFillPattern({1, 2, 3, 4, 5, 6, 7, 8}, 1); }},
        {"FillBar", [] { FillBar(0, 0, 10, 10); }},
        {"SetLineMode", [] { SetLineMode(9, 0, 1); }},
        {"SetMixMode", [] { SetMixMode(-1); }},
        {"RegisterFontFace", [] { RegisterFontFace("Arial"); }},
        {"SetTextFont", [] { SetTextFont(15, 0, 16); }},
        {"SetTextAlignment", [] { SetTextAlignment(7, 7); }},
        {"SetTextSpacing", [] { SetTextSpacing(1, 1, 0, 0); }},
        {"SetViewArea", [] { SetViewArea(10, 10, 5, 5, true); }},
        {"SetCurrentPosition", [] { SetCurrentPosition(1, 1); }},
        {"SetBackgroundColor", [] { SetBackgroundColor(3); }},
    };
    for (const auto& [name, call] : calls) {
        GraphState.GraphStatus = StatusOk;
        call();
        EXPECT_EQ(Status(), StatusNotOpen) << name;
    }
}

TEST_F(ClosedWindowTest, ReadPixelGivesZero) {
    EXPECT_EQ(ReadPixel(0, 0), 0u);
    EXPECT_EQ(Status(), StatusNotOpen);
}

TEST_F(ClosedWindowTest, NothingIsStoredExceptTheDrawingColour) {
    const std::array<std::uint8_t, 8> rowsBefore = GraphState.UserPatternRows;
    const std::uint32_t backgroundBefore = GraphState.BackgroundColor;
    const std::int32_t originBefore = GraphState.ViewOriginX;
    DefineFillPattern({9, 9, 9, 9, 9, 9, 9, 9}, 1);
    SetBackgroundColor(backgroundBefore + 7);
    SetViewArea(1, 2, 30, 40, false);
    SetDrawColor(0x123456);
    EXPECT_EQ(GraphState.UserPatternRows, rowsBefore);
    EXPECT_EQ(GraphState.BackgroundColor, backgroundBefore);
    EXPECT_EQ(GraphState.ViewOriginX, originBefore);
    EXPECT_EQ(GraphState.DrawColor, 0x123456u);
    EXPECT_EQ(Status(), StatusNotOpen);
}

TEST_F(ClosedWindowTest, RegisterFontFaceGivesNoSlot) {
    EXPECT_EQ(RegisterFontFace("Arial"), -1);
    EXPECT_EQ(Status(), StatusNotOpen);
}

TEST_F(ClosedWindowTest, AspectFactorsWorkWithoutWindowAndLeaveTheStatus) {
    GraphState.GraphStatus = StatusOutOfRange;
    SetAspectFactors(10000, 10000);
    EXPECT_TRUE(GraphState.AspectIsSquare);
    SetAspectFactors(10000, 9999);
    EXPECT_FALSE(GraphState.AspectIsSquare);
    SetAspectFactors(20000, 20000);
    EXPECT_FALSE(GraphState.AspectIsSquare);
    SetAspectFactors(5000, 5000);
    EXPECT_FALSE(GraphState.AspectIsSquare);
    EXPECT_EQ(GraphState.AspectX, 5000u);
    EXPECT_EQ(GraphState.AspectY, 5000u);
    EXPECT_EQ(Status(), StatusOutOfRange);
}

TEST_F(ClosedWindowTest, DeviceColorWorksWithoutWindow) {
    // After a palette window has closed, colour numbers are colours again.
    OpenWindow(PaletteKind);
    CloseGraphics();
    EXPECT_EQ(DeviceColor(41120), 41120u);
}

// -1 comes before -8, and -8 before -7.
TEST_F(ClosedWindowTest, PaletteRefusalsComeInOrder) {
    SetPaletteColor(999, 0, 0, 0);
    EXPECT_EQ(Status(), StatusNotOpen);

    OpenWindow(DirectKind);
    SetPaletteColor(999, 0, 0, 0);
    EXPECT_EQ(Status(), StatusNoPalette);
    PaletteRecord tooMany{};
    tooMany.Count = 1000;
    ReplacePalette(tooMany);
    EXPECT_EQ(Status(), StatusNoPalette);
    CloseGraphics();

    OpenWindow(PaletteKind);
    SetPaletteColor(999, 0, 0, 0);
    EXPECT_EQ(Status(), StatusOutOfRange);
}

}  // namespace
}  // namespace lumenbox::drawing_tests
