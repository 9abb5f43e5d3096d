// Which renderer shows a window's surface.
#pragma once

#include <SDL2/SDL_render.h>
#include <SDL2/SDL_video.h>

namespace lumenbox::display {

// A hardware renderer with vsync where there is one, against tearing; the
// toolkit's software renderer where the only OpenGL rasterises on the
// processor or none can be made. NULL when neither can be had.
SDL_Renderer* CreateSdlRenderer(SDL_Window* window);

}  // namespace lumenbox::display
