// A saved picture read back with libpng: its kind of PNG, its palette, and
// every pixel against the colour ReadPixel gives.
#include <array>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <png.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/picture/picture_fixture.h"
#include "graph/picture/png_reading.h"

namespace lumenbox::picture_tests {
namespace {

// The colour a colour number read back by ReadPixel shows: a palette
// entry's colour in palette kinds, the COLORREF itself otherwise.
PngColour ColourOfNumber(std::uint32_t number) {
    if (GraphState.PaletteMode) {
        win::PALETTEENTRY entry{};
        win::GetPaletteEntries(GraphState.GraphPalette, number, 1, &entry);
        return {entry.peRed, entry.peGreen, entry.peBlue};
    }
    return {win::GetRValue(number), win::GetGValue(number), win::GetBValue(number)};
}

std::string Describe(std::optional<PngColour> colour) {
    if (!colour) return "an index past the palette";
    std::ostringstream text;
    text << "(" << int{colour->red} << ", " << int{colour->green} << ", " << int{colour->blue} << ")";
    return text.str();
}

// Every pixel whose colour in the file differs from the canvas's, the first
// few by name and then a count.
std::string DifferencesFromCanvas(const DecodedPng& picture) {
    std::ostringstream differences;
    int count = 0;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const PngColour canvas = ColourOfNumber(ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)));
            const std::optional<PngColour> file = picture.ColourAt(x, y);
            if (file == canvas) continue;
            if (++count <= 8)
                differences << "(" << x << ", " << y << ") file " << Describe(file) << " canvas " << Describe(canvas)
                             << "\n";
        }
    }
    if (count > 8) differences << "... " << count << " pixels in all\n";
    return differences.str();
}

// The logical palette's entries, in order.
std::vector<PngColour> WindowPalette() {
    const win::UINT entries = win::GetPaletteEntries(GraphState.GraphPalette, 0, 0, nullptr);
    std::vector<PngColour> colours;
    for (win::UINT i = 0; i < entries; ++i) colours.push_back(ColourOfNumber(i));
    return colours;
}

// A picture that uses many colours and every kind of edge: a bar per
// colour number, lines, an ellipse, a hatch and text.
void DrawScene(std::uint32_t colours) {
    for (std::uint32_t c = 0; c < colours; ++c) {
        const auto x = static_cast<std::int16_t>((c * 5) % 320);
        const auto y = static_cast<std::int16_t>(((c * 5) / 320) * 20);
        SetFillMode(1, GraphState.PaletteMode ? c : (c * 0x010305u) & 0xFFFFFFu);
        FillBar(x, y, static_cast<std::int16_t>(x + 4), static_cast<std::int16_t>(y + 19));
    }
    SetDrawColor(GraphState.PaletteMode ? colours - 1 : 0x00FFCC33u);
    DrawLine(0, 199, 319, 80);
    SetFillMode(4, GraphState.PaletteMode ? 1 : 0x0000FF00u);
    PaintEllipse(200, 140, 60, 40);
    WriteTextAt(10, 150, "Picture");
}

struct KindCase {
    std::int16_t kind;
    std::uint32_t colours;   // colour numbers the scene draws with
    int bitDepth;
    int colourType;
};

class RoundTripTest : public PictureTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(RoundTripTest, FileHoldsTheCanvasInItsKindOfPng) {
    const KindCase& kindCase = GetParam();
    ASSERT_NO_FATAL_FAILURE(Open(kindCase.kind));
    if (GraphState.PaletteMode) SetPaletteColor(1, 10, 200, 30);  // the current palette, not the default one
    DrawScene(kindCase.colours);

    SavePicture(Scratch("scene.png"));
    ASSERT_EQ(Status(), StatusOk);
    DecodedPng picture;
    std::string error;
    ASSERT_TRUE(ReadPng(Scratch("scene.png"), picture, error)) << error;

    EXPECT_EQ(picture.width, 320u);
    EXPECT_EQ(picture.height, 200u);
    EXPECT_EQ(picture.bitDepth, kindCase.bitDepth);
    EXPECT_EQ(picture.colourType, kindCase.colourType);
    if (GraphState.PaletteMode) {
        EXPECT_EQ(picture.palette, WindowPalette());
        EXPECT_EQ(picture.palette.size(), GraphState.PaletteSize);
    } else {
        EXPECT_TRUE(picture.palette.empty());
    }
    EXPECT_EQ(DifferencesFromCanvas(picture), "");
    EXPECT_EQ(FolderEntries(ScratchFolder()), std::vector<std::string>{"scene.png"}) << "no temporary stays";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RoundTripTest,
                         ::testing::Values(KindCase{TwoColourKind, 2, 1, PNG_COLOR_TYPE_PALETTE},
                                           KindCase{SixteenColourKind, 16, 4, PNG_COLOR_TYPE_PALETTE},
                                           KindCase{PaletteKind, 256, 8, PNG_COLOR_TYPE_PALETTE},
                                           KindCase{DirectKind, 256, 8, PNG_COLOR_TYPE_RGB}),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

// A canvas narrower than 32 bits (a direct-colour window on a 16-bit screen)
// is written in the colours it holds, 8 bits each.
TEST_F(PictureTest, DirectColourOnASixteenBitScreenGivesItsOwnColours) {
    display::headless::SetScreen(1920, 1080, 16);
    ASSERT_NO_FATAL_FAILURE(Open(DirectKind));
    ASSERT_EQ(GraphState.CanvasBitsPerPixel, 16);
    DrawScene(64);
    SavePicture(Scratch("deep.png"));
    ASSERT_EQ(Status(), StatusOk);
    DecodedPng picture;
    std::string error;
    ASSERT_TRUE(ReadPng(Scratch("deep.png"), picture, error)) << error;
    EXPECT_EQ(picture.colourType, PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(DifferencesFromCanvas(picture), "");
}

// A palette cut to five entries: five in the file, at 8 bits, and a pixel
// drawn earlier with an entry past them shows (and is written as) entry 0.
TEST_F(PictureTest, ACutPaletteGivesItsEntriesAndEntryZeroForPixelsPastThem) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetFillMode(1, 200);
    FillBar(0, 0, 9, 9);
    SetFillMode(1, 3);
    FillBar(10, 0, 19, 9);
    PaletteRecord record{};
    record.Count = 5;
    record.Colors = {win::RGB(1, 2, 3), win::RGB(200, 0, 0), win::RGB(0, 200, 0), win::RGB(0, 0, 200),
                     win::RGB(9, 9, 9)};
    ReplacePalette(record);
    ASSERT_EQ(Status(), StatusOk);

    SavePicture(Scratch("cut.png"));
    ASSERT_EQ(Status(), StatusOk);
    DecodedPng picture;
    std::string error;
    ASSERT_TRUE(ReadPng(Scratch("cut.png"), picture, error)) << error;
    EXPECT_EQ(picture.bitDepth, 8);
    const std::vector<PngColour> expected = {{1, 2, 3}, {200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {9, 9, 9}};
    EXPECT_EQ(picture.palette, expected);
    EXPECT_EQ(picture.pixels[0], 0) << "entry 200 is past the palette";
    EXPECT_EQ(picture.pixels[10], 3);
    EXPECT_EQ(DifferencesFromCanvas(picture), "");
}

// The picture is the shown page, whatever page drawing goes to.
TEST_F(PictureTest, PictureIsTheShownPageNotTheDrawPage) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetFillMode(1, 4);
    FillBar(0, 0, 319, 199);
    SelectDrawPage(1);
    SetFillMode(1, 9);
    FillBar(0, 0, 319, 199);

    SavePicture(Scratch("shown.png"));
    ASSERT_EQ(Status(), StatusOk);
    DecodedPng picture;
    std::string error;
    ASSERT_TRUE(ReadPng(Scratch("shown.png"), picture, error)) << error;
    ASSERT_EQ(picture.pixels.size(), 320u * 200u);
    std::size_t others = 0;
    for (const std::uint8_t index : picture.pixels) others += index != 4;
    EXPECT_EQ(others, 0u) << "pixels not of the shown page's entry 4";
}

}  // namespace
}  // namespace lumenbox::picture_tests
