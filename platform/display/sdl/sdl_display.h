// The SDL2 display: a real window per visible window, presented at the
// display's refresh, with keys, close button and exposure wired to the sink.
#pragma once

#include <memory>

#include "platform/display/display.h"

namespace lumenbox::display {

// Whether a display server answers (SDL's video subsystem can start).
bool SdlDisplayServerAnswers();
// Starts SDL on a thread of the display's own; NULL if it cannot start.
std::unique_ptr<Display> CreateSdlDisplay();

}  // namespace lumenbox::display
