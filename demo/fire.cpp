// The fire animation. It keeps no picture of its own: each cell's new heat is
// averaged from colour indices read back from the canvas, and the bottom row
// flickers at random between black and the hot default colour 160.
#include "fire.h"

#include <cstdio>
#include <cstdlib>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/random.h>

#include "frame_pacing.h"

namespace lumenbox {

std::int32_t CellX = 0;
std::int32_t CellY = 0;
std::int32_t Heat = 0;
std::int16_t DemoKind = 0;
std::int16_t DemoSize = 0;
std::uint8_t LastKey = 0;

namespace {

constexpr std::int16_t PaletteKind256 = 3;
constexpr std::int16_t Size640x480 = 4;
constexpr const char* Caption = "Vyr";
constexpr std::uint8_t EscapeKey = 27;
constexpr std::uint16_t SolidFill = 1;

// Cell centres lie 4 pixels apart: columns 0 to 159 span the canvas width,
// rows 59 to 118 its lower half. Row 118 is the flicker row.
constexpr std::int32_t LastColumn = 159;
constexpr std::int32_t FirstReadRow = 60;
constexpr std::int32_t FlickerRow = 118;
constexpr std::int32_t FlickerColour = 160;

// A 5 x 5 block centred on pixel (2px, 2py); px and py are half-cell
// coordinates. Neighbouring blocks overlap by one pixel, never on a centre.
void PlotCell(std::int32_t px, std::int32_t py, std::uint32_t colour) {
    const std::int32_t factor = 2;
    SetFillMode(SolidFill, colour);
    FillBar(static_cast<std::int16_t>(factor * px - 2), static_cast<std::int16_t>(factor * py - 2),
            static_cast<std::int16_t>(factor * px + 2), static_cast<std::int16_t>(factor * py + 2));
}

// The centre pixel of a cell: a palette index. One cell beyond either side
// edge lies outside the canvas and reads as the entry nearest to white (96).
std::uint32_t ReadCell(std::int32_t px, std::int32_t py) {
    return ReadPixel(static_cast<std::int16_t>(2 * px), static_cast<std::int16_t>(2 * py));
}

// The cell (CellX, CellY) and its right, left and below-right neighbours,
// averaged and cooled by one, drawn one row up. The left neighbour already
// holds this frame's value; the right ones still hold the last frame's.
void BurnCell() {
    std::uint32_t sum = ReadCell(2 * CellX, 2 * CellY);
    sum += ReadCell(2 * (CellX + 1), 2 * CellY);
    sum += ReadCell(2 * (CellX - 1), 2 * CellY);
    sum += ReadCell(2 * (CellX + 1), 2 * (CellY + 1));
    Heat = static_cast<std::int32_t>(sum) / 4;
    if (Heat != 0) {
        Heat -= 1;
    }
    // The index in both low bytes; the library reduces it to entry Heat.
    PlotCell(2 * CellX, 2 * (CellY - 1), static_cast<std::uint32_t>(Heat * 256 + Heat));
}

void Flicker() {
    PlotCell(2 * CellX, 2 * FlickerRow, static_cast<std::uint32_t>(RandomBelow(2) * FlickerColour));
}

// A window that failed to open, or opened without being shown, gets no keys:
// the animation could never be ended, so vyr gives up at once instead.
void ExitUnlessWindowShown() {
    const std::int16_t status = GraphState.GraphStatus.load();
    if (status == StatusOk || status == StatusNoOpenGL) {
        return;
    }
    std::fprintf(stderr, "vyr: cannot show the graphics window: status %d (%s)\n", status,
                 StatusMeaning(status));
    std::exit(EXIT_FAILURE);
}

// One key at most per frame, so a burst of keys drains one frame at a time;
// only Escape ends the animation.
void AnimateUntilEscape() {
    FramePace pace = StartFramePace();
    for (;;) {
        FireFrame();
        if (KeyWaiting()) {
            LastKey = NextKey();
        }
        if (LastKey == EscapeKey) {
            return;
        }
        WaitForNextFrame(pace);
    }
}

}  // namespace

void LoadFirePalette() {
    for (CellX = 1; CellX <= 32; ++CellX) {
        const auto ramp = static_cast<std::uint16_t>(8 * CellX - 4);  // 4, 12, ..., 252
        const auto entry = static_cast<std::uint16_t>(CellX);
        SetPaletteColor(entry, ramp, 0, 0);                 // black-red to red
        SetPaletteColor(entry + 32, 252, ramp, 0);          // red to yellow
        SetPaletteColor(entry + 64, 252, 252, ramp);        // yellow to white
        SetPaletteColor(entry + 96, 252, 252, 252);         // white
    }
}

void FireFrame() {
    for (CellX = 0; CellX <= LastColumn; ++CellX) {
        for (CellY = FirstReadRow; CellY <= FlickerRow; ++CellY) {
            BurnCell();
        }
        CellY = FlickerRow;
        Flicker();
    }
}

void FireDemo() {
    DemoKind = PaletteKind256;
    DemoSize = Size640x480;
    OpenGraphics(DemoKind, DemoSize, Caption);
    ExitUnlessWindowShown();
    SeedRandom();
    LoadFirePalette();
    LastKey = 0;  // a second run in the same process must not find the first one's Escape
    AnimateUntilEscape();
    CloseGraphics();
}

}  // namespace lumenbox
