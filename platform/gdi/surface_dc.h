// Device contexts over a display surface: what the user layer needs of GDI
// to give windows and the screen their DCs.
#pragma once

#include <memory>

#include <lumenbox/win/types.h>

#include "platform/display/display.h"

namespace lumenbox::win::detail {

// A DC that draws into a window's 32-bit client surface. It belongs to the
// window: DeleteDC refuses it; it goes with DestroySurfaceDC. Every change of
// pixels marks the surface changed.
HDC CreateWindowSurfaceDC(std::shared_ptr<display::Surface> surface);
// A DC for the whole screen: GetDeviceCaps answers with the screen's size and
// depth; drawing on it changes nothing. Released with DestroySurfaceDC.
HDC CreateScreenDC(const display::ScreenInfo& screen);
// Deletes a DC made by one of the two calls above, with its selected objects
// deselected (they stay alive). FALSE for any other handle.
BOOL DestroySurfaceDC(HDC dc);

}  // namespace lumenbox::win::detail
