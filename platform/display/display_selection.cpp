// Which display this process uses, chosen once at the first request.
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
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

// Why the sdl or terminal display could not start, in a user's words.
std::string SdlProblem() {
#if LUMENBOX_WITH_SDL
    return "sdl (no display server answered; DISPLAY and WAYLAND_DISPLAY name the server)";
#else
    return "sdl (this build of the library has no sdl display)";
#endif
}
std::string TerminalProblem() { return "terminal (the program has no terminal: standard output is not one)"; }

// Without any display no window can be made, and the program learns only
// that; the user learns why here, once, with what was tried.
void ReportNoDisplay(const std::string& why) {
    std::fprintf(stderr, "lumenbox: no display: %s; LUMENBOX_DISPLAY=headless runs without a screen\n",
                 why.c_str());
}

std::unique_ptr<Display> CreateNamed(std::string_view name) {
    std::unique_ptr<Display> display;
    std::string problem;
    if (name == "headless") return CreateHeadlessDisplay();
    if (name == "sdl") {
        display = CreateSdlIfBuilt();
        problem = "LUMENBOX_DISPLAY asks for " + SdlProblem();
    } else if (name == "terminal") {
        display = CreateTerminalIfBuilt();
        problem = "LUMENBOX_DISPLAY asks for " + TerminalProblem();
    } else {
        // An unknown name: no display rather than a guess.
        problem = "LUMENBOX_DISPLAY=\"" + std::string(name) + "\" names none of the displays headless, sdl, terminal";
    }
    if (!display) ReportNoDisplay(problem);
    return display;
}

std::unique_ptr<Display> CreateForMachine() {
    if (SdlServerAnswers()) {
        if (auto sdl = CreateSdlIfBuilt()) return sdl;
    }
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    if (terminal) {
        if (auto display = CreateTerminalIfBuilt()) return display;
    }
    ReportNoDisplay("tried " + SdlProblem() + " and " +
                    (terminal ? std::string("terminal (the terminal could not be set up)") : TerminalProblem()));
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
