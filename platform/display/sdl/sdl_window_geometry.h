// Where a shown window goes on the desktop and how large it is drawn.
//
// The toolkit window is the client area only: the window manager draws the
// frame and caption around it. Pure arithmetic, so that placement rules can
// be checked without a display server.
#pragma once

#include "platform/display/display.h"

namespace lumenbox::display {

struct SdlWindowGeometry {
    int x;  // top-left corner of the client area on the desktop
    int y;
    int width;  // client area size times the scale
    int height;
    int scale;  // whole-number magnification, nearest-neighbour
    bool borderless;
};

// A framed window keeps its client area where the placement's frame puts it
// (the left frame width in, the caption and top frame down). Where the
// desktop holds the outer window at least twice over in both directions,
// the window is magnified by the largest whole factor that fits and its
// client area centred, since a small window on a large screen is otherwise
// hard to see.
SdlWindowGeometry PlaceSdlWindow(const WindowPlacement& placement, int desktopWidth, int desktopHeight);

struct SdlClientPoint {
    int x;
    int y;

    friend bool operator==(const SdlClientPoint&, const SdlClientPoint&) = default;
};

// The client pixel under point (x, y) of a toolkit window drawn
// `drawnWidth` x `drawnHeight` (the client area times the scale, or whatever
// size the window manager gave it: the picture fills the window). Points
// left of or above the window give negative positions, points beyond it
// positions at or past the client size, as a captured pointer reports them.
// (-1, -1) when either size is empty.
SdlClientPoint ClientPointOf(int x, int y, int drawnWidth, int drawnHeight, int clientWidth, int clientHeight);

}  // namespace lumenbox::display
