// The X11 connection of the toolkit's windows.
#include "platform/display/sdl/sdl_server_connection.h"

#include <SDL2/SDL_syswm.h>

namespace lumenbox::display {

int SdlServerConnection(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE) return -1;
#if defined(SDL_VIDEO_DRIVER_X11)
    // A field of the connection record, read without a call into the library.
    if (info.subsystem == SDL_SYSWM_X11 && info.info.x11.display != nullptr)
        return ConnectionNumber(info.info.x11.display);
#endif
    return -1;
}

}  // namespace lumenbox::display
