// What the engine knows about the sequence it is running: the display it set
// up, and what the library must be showing now (whether a window is open).
#pragma once

#include <cstdint>
#include <string>

#include <lumenbox/display/headless.h>

#include "robustness/live_objects.h"

namespace lumenbox::robustness {

// The headless display as one sequence set it up before its first call.
struct Environment {
    int screenWidth = 1920;
    int screenHeight = 1080;
    int bitsPerPixel = 32;
    bool openGL = true;
    bool openGLAltersFloatingPoint = false;
    std::string missingFont;        // a standard face removed (or every family); empty when all are there
    bool windowClassTaken = false;  // another window class holds the library's class name
};

struct Session {
    Environment environment;
    bool open = false;            // what IsGraphOpen must answer
    bool defaultsLoaded = false;  // the open got as far as the drawing defaults
    display::headless::WindowId window = 0;       // the open window
    display::headless::WindowId staleWindow = 0;  // a window closed earlier in the process
    LiveObjects beforeOpen;       // what lived before the open window was opened
};

}  // namespace lumenbox::robustness
