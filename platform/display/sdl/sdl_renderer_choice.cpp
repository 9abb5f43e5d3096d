// The renderer of a shown window.
//
// On a virtual server (Xvfb, a remote session) OpenGL is Mesa's software
// rasteriser: every frame becomes a texture upload, a draw by the processor
// and a copy of the drawn picture to the server, costing several times what
// the toolkit's software renderer spends copying the surface to the server
// once. The renderer is therefore chosen by what actually draws.
#include "platform/display/sdl/sdl_renderer_choice.h"

#include <SDL2/SDL_hints.h>

#include <array>
#include <cstring>
#include <string_view>

namespace lumenbox::display {

namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

// The names Mesa gives its processor-only rasterisers.
bool NamesSoftwareRasteriser(std::string_view name) {
    constexpr std::array<std::string_view, 3> kSoftware{"llvmpipe", "softpipe", "Software Rasterizer"};
    for (const std::string_view software : kSoftware) {
        if (name.find(software) != std::string_view::npos) return true;
    }
    return false;
}

// Asked of the renderer's own context, which is current on this thread
// right after the renderer was made.
bool RasterisesOnProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr) return false;
    if (std::strncmp(info.name, "opengl", 6) != 0 || SDL_GL_GetCurrentContext() == nullptr) return false;
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    const unsigned char* name = getString(kGlRenderer);
    return name != nullptr && NamesSoftwareRasteriser(reinterpret_cast<const char*>(name));
}

}  // namespace

SDL_Renderer* CreateSdlRenderer(SDL_Window* window) {
    if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC)) {
        // A renderer the user named is kept, whatever draws it.
        if (SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr || !RasterisesOnProcessor(renderer)) return renderer;
        SDL_DestroyRenderer(renderer);
    }
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace lumenbox::display
