// hatch_table: every fill mode side by side (background, solid, the six
// hatches, a user pattern and none), then the 256 entries of the default
// palette as a table, numbered in hexadecimal. Escape ends it.
//
//   hatch_table              shows the table in a window
//   hatch_table --save FILE  draws it, writes what the window shows to FILE
//                            as a PNG picture, and ends
#include <array>
#include <cstdint>
#include <cstdio>

#include <lumenbox/graph.h>
#include <lumenbox/standard_colors.h>

#include "still_picture.h"

using namespace lumenbox;

namespace {

constexpr std::uint16_t CourierNew = 0;
constexpr std::uint16_t ArialBold = 3 | (1 << 4);
constexpr std::uint16_t SolidFill = 1;

// Swatches of the fill modes: 56 x 48 pixels, 61 apart.
constexpr std::int16_t SwatchLeft = 20;
constexpr std::int16_t SwatchTop = 40;
constexpr std::int16_t SwatchStep = 61;
constexpr std::int16_t SwatchWidth = 56;
constexpr std::int16_t SwatchHeight = 48;

// The palette table: 16 x 16 cells of 36 x 20 pixels under its headers.
constexpr std::int16_t TableLeft = 52;
constexpr std::int16_t TableTop = 150;
constexpr std::int16_t CellWidth = 36;
constexpr std::int16_t CellHeight = 20;

void DrawHeading(std::int16_t y, const char* text) {
    SetDrawColor(White);
    SetTextFont(ArialBold, 0, 18);
    WriteTextAt(SwatchLeft, y, text);
}

// A checker with a diamond: the user pattern's rows, bit 7 leftmost.
constexpr std::array<std::uint8_t, 8> UserPattern = {0x18, 0x3C, 0x7E, 0xFF, 0x7E, 0x3C, 0x18, 0x00};

void DrawFillModes() {
    const char* const names[] = {"back", "solid", "horiz", "vert", "cross", "rise", "fall", "x-diag", "user", "none"};
    DrawHeading(10, "Fill modes: the background colour, solid, six hatches, a pattern, none");
    SetTextFont(CourierNew, 0, 13);
    for (std::uint16_t mode = 0; mode < 10; ++mode) {
        const auto left = static_cast<std::int16_t>(SwatchLeft + SwatchStep * mode);
        const auto right = static_cast<std::int16_t>(left + SwatchWidth - 1);
        const auto bottom = static_cast<std::int16_t>(SwatchTop + SwatchHeight - 1);
        if (mode == 8) {
            DefineFillPattern(UserPattern, Orange);
        } else {
            SetFillMode(mode, Yellow);
        }
        FillBar(left, SwatchTop, right, bottom);
        SetDrawColor(Gray);
        DrawRectangle(static_cast<std::int16_t>(left - 1), SwatchTop - 1, static_cast<std::int16_t>(right + 1),
                      static_cast<std::int16_t>(bottom + 1));
        SetDrawColor(LightGray);
        WriteTextAt(left, static_cast<std::int16_t>(bottom + 6), names[mode]);
    }
}

void DrawTableHeaders() {
    SetDrawColor(LightGray);
    SetTextFont(CourierNew, 0, 13);
    char label[8];
    for (int column = 0; column < 16; ++column) {
        std::snprintf(label, sizeof label, "%X", column);
        WriteTextAt(static_cast<std::int16_t>(TableLeft + CellWidth * column + CellWidth / 2 - 4), TableTop - 16, label);
    }
    for (int row = 0; row < 16; ++row) {
        std::snprintf(label, sizeof label, "%X0", row);
        WriteTextAt(SwatchLeft, static_cast<std::int16_t>(TableTop + CellHeight * row + 3), label);
    }
}

void DrawPaletteTable() {
    DrawHeading(110, "The default palette: entry = row + column, in hexadecimal");
    DrawTableHeaders();
    for (std::uint32_t entry = 0; entry < 256; ++entry) {
        const auto left = static_cast<std::int16_t>(TableLeft + CellWidth * static_cast<int>(entry % 16));
        const auto top = static_cast<std::int16_t>(TableTop + CellHeight * static_cast<int>(entry / 16));
        const auto right = static_cast<std::int16_t>(left + CellWidth - 2);
        const auto bottom = static_cast<std::int16_t>(top + CellHeight - 2);
        SetFillMode(SolidFill, entry);
        FillBar(left, top, right, bottom);
        // The black entries would vanish on the black canvas without an edge.
        SetDrawColor(DimGray);
        DrawRectangle(left, top, right, bottom);
    }
}

void DrawPicture() {
    ClearGraphics();
    // Hatch gaps and mode 0 show the background colour: a gray that both
    // the yellow lines and the black canvas stand out from.
    SetBackgroundColor(DarkSlateGray);
    DrawFillModes();
    SetBackgroundColor(Black);
    DrawPaletteTable();
}

}  // namespace

int main(int argc, char** argv) {
    return examples::ShowOrSaveStillPicture("hatch_table", "Hatch and palette table", DrawPicture, argc, argv);
}
