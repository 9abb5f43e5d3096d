// The SDL2 display: a real window per visible window, presented at the
// display's refresh, with keys, close button and exposure wired to the sink.
#pragma once

#include <memory>

#include "platform/display/display.h"

namespace lumenbox::display {

// Whether a display server answers (SDL's video subsystem can start).
bool SdlDisplayServerAnswers();
// Starts SDL on a thread of the display's own; NULL if it cannot start, or
// if what started shows nothing.
std::unique_ptr<Display> CreateSdlDisplay();

// Whether SDL's video driver of this name puts windows on a screen: x11 or
// wayland, or whatever the user named in SDL_VIDEODRIVER. Without a server
// to talk to (one that is restarting, say) SDL goes on to drivers that draw
// into memory, and a program would run with a window nobody can see.
bool IsWindowSystemDriver(const char* driver);

}  // namespace lumenbox::display
