// Where a new window goes and how large its client area is.
#pragma once

#include <lumenbox/win/user.h>

#include "platform/display/display.h"

namespace lumenbox::win::detail {

inline constexpr int kFixedFrameWidth = 3;   // SM_CXFIXEDFRAME
inline constexpr int kFixedFrameHeight = 3;  // SM_CYFIXEDFRAME
inline constexpr int kCaptionHeight = 19;    // SM_CYCAPTION

struct WindowGeometry {
    RECT outer;  // screen coordinates
    int clientWidth;
    int clientHeight;
    bool framed;
};

// Whether the window has a caption and frame: every overlapped window does,
// a popup only when its style asks for a caption.
bool IsFramed(DWORD style);

// Resolves CREATEWINDOW's position and size against the screen.
// - CW_USEDEFAULT as x places the window at an eighth of the screen from its
//   top-left corner; as width, makes it three quarters of the screen in each
//   direction. (x decides the position, width the size, as on Windows.)
// - No window is larger than the screen plus its frame, so a client area can
//   always be as large as the screen and a silly size cannot exhaust memory.
// - A framed window's client area is the outer size less the fixed frame on
//   each side and the caption; a borderless popup's is all of it; never
//   negative.
WindowGeometry ResolveGeometry(DWORD style, int x, int y, int width, int height, const display::ScreenInfo& screen);

}  // namespace lumenbox::win::detail
