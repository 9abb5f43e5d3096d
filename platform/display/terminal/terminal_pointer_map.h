// Which window pixel a character cell shows, so that a mouse report's cell
// becomes a client position.
#pragma once

#include "platform/display/terminal/terminal_frame_renderer.h"

namespace lumenbox::display {

struct WindowPoint {
    int x;
    int y;

    friend bool operator==(const WindowPoint&, const WindowPoint&) = default;
};

// The window pixel under the upper half of cell (column, row), counted from 0,
// for a window of sourceWidth x sourceHeight drawn at `fit`. A cell beside
// the picture maps to a point outside the window (negative, or at or beyond
// its size), as a real pointer beside a window would be; with no picture at
// all, (-1, -1).
WindowPoint CellToWindowPixel(const PictureFit& fit, int sourceWidth, int sourceHeight, int column, int row);

}  // namespace lumenbox::display
