// Colour numbers, the default palette, and changing single entries or the
// whole palette.
#include <array>
#include <chrono>
#include <cstdint>
#include <thread>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/standard_colors.h>
#include <lumenbox/win/gdi.h>

#include "graph/drawing/drawing_fixture.h"

namespace lumenbox::drawing_tests {
namespace {

using Rgb3 = std::array<int, 3>;

// Entries of the default palette worth knowing by heart.
struct KnownEntry {
    unsigned index;
    Rgb3 colour;
};
constexpr KnownEntry KnownDefaultEntries[] = {
    {0, {0, 0, 0}},       {1, {0, 0, 168}},       {6, {168, 84, 0}},      {7, {168, 168, 168}},
    {8, {84, 84, 84}},    {9, {132, 132, 252}},   {14, {252, 252, 84}},   {15, {252, 252, 252}},
    {16, {0, 0, 0}},      {17, {20, 20, 20}},     {23, {96, 96, 96}},     {31, {252, 252, 252}},
    {32, {0, 0, 252}},    {36, {252, 0, 252}},    {40, {252, 0, 0}},      {44, {252, 252, 0}},
    {48, {0, 252, 0}},    {52, {0, 252, 252}},    {55, {0, 64, 252}},     {56, {124, 124, 252}},
    {64, {252, 124, 124}}, {65, {252, 156, 252}}, {66, {252, 188, 124}},  {104, {0, 0, 112}},
    {128, {56, 56, 112}}, {129, {68, 56, 112}},   {136, {112, 56, 56}},   {144, {56, 112, 56}},
    {151, {56, 68, 112}}, {152, {80, 80, 112}},   {160, {112, 80, 80}},   {176, {0, 0, 64}},
    {224, {44, 44, 64}},  {231, {64, 44, 48}},    {232, {64, 48, 44}},    {246, {44, 48, 64}},
    {247, {0, 0, 0}},     {255, {0, 0, 0}},
};

TEST_F(PaletteWindowTest, DefaultPaletteHoldsItsKnownEntries) {
    for (const KnownEntry& known : KnownDefaultEntries) {
        EXPECT_EQ(Components(PaletteEntry(known.index)), known.colour) << "entry " << known.index;
    }
}

TEST_F(PaletteWindowTest, DefaultPaletteComponentsAreMultiplesOfFour) {
    for (unsigned i = 0; i < 256; ++i) {
        for (int component : Components(PaletteEntry(i))) {
            EXPECT_EQ(component % 4, 0) << "entry " << i;
            EXPECT_LE(component, 252) << "entry " << i;
        }
    }
}

TEST_F(PaletteWindowTest, CanvasColourTableEqualsThePalette) {
    std::array<win::RGBQUAD, 256> table{};
    ASSERT_EQ(win::GetDIBColorTable(GraphState.CanvasDC, 0, 256, table.data()), 256u);
    for (unsigned i = 0; i < 256; ++i) {
        const Rgb3 fromTable = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue};
        EXPECT_EQ(fromTable, Components(PaletteEntry(i))) << "entry " << i;
        EXPECT_EQ(GraphState.ColorTable[i].rgbRed, table[i].rgbRed) << "entry " << i;
    }
}

TEST_F(DrawingTest, SixteenColourWindowGetsTheFirstSixteenEntries) {
    OpenWindow(SixteenColourKind);
    EXPECT_EQ(Components(PaletteEntry(9)), (Rgb3{132, 132, 252}));
    EXPECT_EQ(Components(PaletteEntry(15)), (Rgb3{252, 252, 252}));
}

TEST_F(DrawingTest, TwoColourWindowIsBlackAndWhite) {
    OpenWindow(TwoColourKind);
    EXPECT_EQ(Components(PaletteEntry(0)), (Rgb3{0, 0, 0}));
    EXPECT_EQ(Components(PaletteEntry(1)), (Rgb3{255, 255, 255}));
}

TEST_F(PaletteWindowTest, ColourNumbersAreReducedModuloThePaletteSize) {
    EXPECT_EQ(DeviceColor(5), win::PALETTEINDEX(5));
    EXPECT_EQ(DeviceColor(261), win::PALETTEINDEX(5));
    EXPECT_EQ(DeviceColor(5 * 257), win::PALETTEINDEX(5));
    EXPECT_EQ(DeviceColor(160 * 257), win::PALETTEINDEX(160));
    EXPECT_EQ(DeviceColor(4294967295u), win::PALETTEINDEX(255));
}

TEST_F(DrawingTest, TwoColourWindowNamesEntryOneForEveryOddNumber) {
    OpenWindow(TwoColourKind);
    EXPECT_EQ(DeviceColor(7), win::PALETTEINDEX(1));
    EXPECT_EQ(DeviceColor(4294967295u), win::PALETTEINDEX(1));
    EXPECT_EQ(DeviceColor(1000), win::PALETTEINDEX(0));
}

TEST_F(DirectWindowTest, ColourNumbersPassUnchanged) {
    EXPECT_EQ(DeviceColor(41120), win::RGB(160, 160, 0));
    EXPECT_EQ(DeviceColor(0xFF123456u), 0xFF123456u);
}

TEST_F(PaletteWindowTest, SetPaletteColorKeepsTheLowByte) {
    SetPaletteColor(5, 300, 0x1FF, 256);
    EXPECT_EQ(Status(), StatusOk);
    EXPECT_EQ(Components(PaletteEntry(5)), (Rgb3{44, 255, 0}));
    win::RGBQUAD canvasEntry{};
    win::GetDIBColorTable(GraphState.CanvasDC, 5, 1, &canvasEntry);
    EXPECT_EQ(canvasEntry.rgbRed, 44);
    EXPECT_EQ(canvasEntry.rgbGreen, 255);
    EXPECT_EQ(GraphState.ColorTable[5].rgbRed, 44);
}

TEST_F(PaletteWindowTest, SetPaletteColorRefusesEntriesPastThePalette) {
    SetPaletteColor(256, 1, 2, 3);
    EXPECT_EQ(Status(), StatusOutOfRange);
    EXPECT_EQ(Components(PaletteEntry(0)), (Rgb3{0, 0, 0}));
}

TEST_F(PaletteWindowTest, StandardColoursKeepTheirIndexWhenTheEntryChanges) {
    SetPaletteColor(15, 10, 20, 30);
    EXPECT_EQ(White, 15u);
}

// What a user sees: pixels already drawn with an entry take its new colour
// once the window has repainted, without being drawn again.
TEST_F(PaletteWindowTest, WindowShowsTheNewColourOfDrawnPixels) {
    SetFillMode(1, 5);
    FillBar(0, 0, 9, 9);
    ASSERT_EQ(WindowRgb(3, 3), 0xA800A8u);
    SetPaletteColor(5, 12, 34, 56);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (WindowRgb(3, 3) != 0x0C2238u && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(WindowRgb(3, 3), 0x0C2238u);
    EXPECT_EQ(CanvasRgb(3, 3), 0x0C2238u);
}

TEST_F(PaletteWindowTest, ShorterPaletteShowsEntryZeroBeyondItsEnd) {
    PaletteRecord palette{};
    palette.Count = 16;
    for (std::uint32_t i = 0; i < 16; ++i) palette.Colors[i] = win::RGB(10 * i + 7, 3, 200);
    ReplacePalette(palette);
    ASSERT_EQ(Status(), StatusOk);
    EXPECT_EQ(GraphState.PaletteSize, 16);
    EXPECT_EQ(DeviceColor(17), win::PALETTEINDEX(1));

    std::array<win::RGBQUAD, 256> table{};
    win::GetDIBColorTable(GraphState.CanvasDC, 0, 256, table.data());
    for (unsigned i = 16; i < 256; ++i) {
        EXPECT_EQ(table[i].rgbRed, 7) << "entry " << i;
        EXPECT_EQ(table[i].rgbBlue, 200) << "entry " << i;
    }
    SetPaletteColor(16, 0, 0, 0);
    EXPECT_EQ(Status(), StatusOutOfRange);
}

TEST_F(PaletteWindowTest, ReplacePaletteRefusesEmptyAndOversizedRecords) {
    PaletteRecord palette{};
    palette.Colors.fill(win::RGB(40, 40, 40));
    for (std::uint16_t count : {std::uint16_t{0}, std::uint16_t{257}}) {
        palette.Count = count;
        ReplacePalette(palette);
        EXPECT_EQ(Status(), StatusOutOfRange) << "count " << count;
        EXPECT_EQ(GraphState.PaletteSize, 256) << "count " << count;
        EXPECT_EQ(Components(PaletteEntry(9)), (Rgb3{132, 132, 252})) << "count " << count;
        EXPECT_EQ(GraphState.ColorTable[0].rgbRed, 0) << "count " << count;
    }
}

TEST_F(PaletteWindowTest, ReplacePaletteMatchesTheStandardColoursAgain) {
    PaletteRecord palette{};
    FillDefaultPalette(palette);
    palette.Colors[200] = win::RGB(255, 255, 255);
    ReplacePalette(palette);
    EXPECT_EQ(White, 200u);  // exact match beats the near-white entry 15
    EXPECT_EQ(Black, 0u);
}

TEST_F(DrawingTest, FillDefaultPaletteWorksWithoutWindow) {
    PaletteRecord palette{};
    palette.Colors.fill(0xABCDEF);
    FillDefaultPalette(palette);
    EXPECT_EQ(palette.Count, 256);
    EXPECT_EQ(palette.Colors[9], win::RGB(132, 132, 252));
    EXPECT_EQ(palette.Colors[65], win::RGB(252, 156, 252));
}

}  // namespace
}  // namespace lumenbox::drawing_tests
