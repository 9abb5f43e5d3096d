// The display server connection behind the toolkit's windows, for waiting on
// it beside other sources.
#pragma once

#include <SDL2/SDL_video.h>

namespace lumenbox::display {

// The descriptor of the connection that brings `window`'s events, or -1
// where the toolkit's driver has none we know how to wait on (only X11's is
// known). Every window of the toolkit shares it.
int SdlServerConnection(SDL_Window* window);

}  // namespace lumenbox::display
