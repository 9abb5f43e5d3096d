// Vyr: a fire that rises from a flickering bottom row of a 640 x 480,
// 256-colour graphics window until Escape is pressed.
//
// The picture on the canvas is the fire's whole state: every new value is
// computed from colour indices read back from the canvas and drawn back onto
// it in 5 x 5 blocks whose centres lie 4 pixels apart.
#pragma once

#include <cstdint>

namespace lumenbox {

// Column of the cell being computed (0 to 159); also the palette loop's counter.
extern std::int32_t CellX;
// Row of the cell being read (60 to 118).
extern std::int32_t CellY;
// The averaged and cooled colour index of the current cell.
extern std::int32_t Heat;
// The window's kind (3: 256-colour palette) and size (4: 640 x 480).
extern std::int16_t DemoKind;
extern std::int16_t DemoSize;
// The last key read; Escape (27) ends the animation.
extern std::uint8_t LastKey;

// The whole program: opens the window, loads the fire palette, animates at a
// steady 60 frames a second until Escape, closes the window and returns. When
// the window cannot be opened and shown, prints the reason on standard error
// and ends the process with status 1.
void FireDemo();
// The fire's palette: entries 1 to 128 run from black-red through red and
// yellow to white; entry 0 and those above 128 keep the default palette.
void LoadFirePalette();
// One frame of the fire: every column left to right, bottom cell flickering.
// Never waits.
void FireFrame();

}  // namespace lumenbox
