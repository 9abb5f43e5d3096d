// The display's mouse events turned into Windows' mouse messages.
#pragma once

#include "platform/display/display.h"

namespace lumenbox::win::detail {

// Posts the message for a mouse event reported over `window` (client
// coordinates of that window): to the capture window when there is one,
// else to `window` when the point is inside its client area, else to none.
// The window the pointer left gets WM_MOUSELEAVE if it asked for it.
void DeliverPointerEvent(display::WindowId window, const display::PointerEvent& event);

}  // namespace lumenbox::win::detail
