// Which display this process uses, chosen once at the first request.
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/display/display.h"
#include "platform/display/headless/headless_display.h"
#include "platform/display/terminal/terminal_display.h"
#if LUMENBOX_WITH_SDL
#include "platform/display/sdl/sdl_display.h"
#endif

namespace lumenbox::display {

namespace {

// The chosen display, for the exit handler (which takes no argument and may
// run on a thread that never asked for the display).
std::atomic<Display*> chosenDisplay{nullptr};

// Runs after every exit handler registered once the display was chosen, so
// the library's own shut-down still finds the display working.
void ShutDownChosenDisplay() {
    if (Display* display = chosenDisplay.load()) display->Shutdown();
}

std::unique_ptr<Display> CreateSdlIfBuilt() {
#if LUMENBOX_WITH_SDL
    return CreateSdlDisplay();
#else
    return nullptr;
#endif
}

bool SdlServerAnswers() {
#if LUMENBOX_WITH_SDL
    return SdlDisplayServerAnswers();
#else
    return false;
#endif
}

// The terminal display needs nothing beyond the system's own terminal
// interface, so it is always built; without a terminal it yields no display
// and window creation fails cleanly instead of drawing nowhere.
std::unique_ptr<Display> CreateTerminalIfBuilt() { return CreateTerminalDisplay(); }

std::unique_ptr<Display> CreateNamed(std::string_view name) {
    if (name == "headless") return CreateHeadlessDisplay();
    if (name == "sdl") return CreateSdlIfBuilt();
    if (name == "terminal") return CreateTerminalIfBuilt();
    return nullptr;  // an unknown name: no display rather than a guess
}

std::unique_ptr<Display> CreateForMachine() {
    if (SdlServerAnswers()) {
        if (auto sdl = CreateSdlIfBuilt()) return sdl;
    }
    if (isatty(STDOUT_FILENO) == 1) return CreateTerminalIfBuilt();
    return nullptr;
}

Display* Choose() {
    const char* requested = std::getenv("LUMENBOX_DISPLAY");
    std::unique_ptr<Display> display =
        (requested && *requested) ? CreateNamed(requested) : CreateForMachine();
    if (!display) return nullptr;
    // Never destroyed: windows and other threads may still reach it while the
    // process exits; only its thread is stopped.
    Display* chosen = display.release();
    chosenDisplay.store(chosen);
    std::atexit(ShutDownChosenDisplay);
    return chosen;
}

}  // namespace

Display* Current() {
    // A function-local static makes the choice exactly once, even when several
    // threads ask first at the same time.
    static Display* const display = Choose();
    return display;
}

}  // namespace lumenbox::display
