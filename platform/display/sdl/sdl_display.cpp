// The SDL display's entry points: whether a display server answers, and
// starting the display.
#include "platform/display/sdl/sdl_display.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/display/sdl/sdl_display_backend.h"
#include "platform/display/sdl/sdl_video_claim.h"

namespace lumenbox::display {

namespace {

bool EnvironmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Without a named server or driver SDL would go on to try the console's
// graphics devices, which is not a display server a window can open on.
bool ServerNamed() {
    return EnvironmentSet("DISPLAY") || EnvironmentSet("WAYLAND_DISPLAY") || EnvironmentSet("SDL_VIDEODRIVER");
}

// Starts SDL's video on a throwaway thread and stops it again, so that the
// caller's thread never owns any SDL state.
bool ProbeVideo() {
    bool answers = false;
    std::thread probe([&answers] {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_Init(SDL_INIT_VIDEO) == 0) answers = IsWindowSystemDriver(SDL_GetCurrentVideoDriver());
        SDL_Quit();
    });
    probe.join();
    return answers;
}

}  // namespace

bool IsWindowSystemDriver(const char* driver) {
    if (EnvironmentSet("SDL_VIDEODRIVER")) return driver != nullptr;  // the user chose it
    return driver != nullptr && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

bool SdlDisplayServerAnswers() {
    if (!ServerNamed()) return false;
    // A running SDL display is the proof; probing would disturb it.
    if (!ClaimSdlVideo()) return true;
    const bool answers = ProbeVideo();
    ReleaseSdlVideo();
    return answers;
}

std::unique_ptr<Display> CreateSdlDisplay() { return SdlDisplay::Start(); }

}  // namespace lumenbox::display
