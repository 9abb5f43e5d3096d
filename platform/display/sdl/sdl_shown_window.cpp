// A shown window: creation from the placement, and presentation of the
// client surface.
#include "platform/display/sdl/sdl_shown_window.h"

#include <cstddef>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>

#include "platform/display/sdl/sdl_renderer_choice.h"
#include "platform/display/sdl/sdl_server_connection.h"
#include "platform/display/sdl/sdl_window_geometry.h"

namespace lumenbox::display {

namespace {

// Captions arrive in the ANSI code page's Latin range; the toolkit wants UTF-8.
std::string CaptionAsUtf8(const std::string& caption) {
    std::string text;
    for (const char c : caption) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

}  // namespace

std::unique_ptr<SdlShownWindow> SdlShownWindow::Open(const WindowPlacement& placement,
                                                     std::shared_ptr<Surface> surface, int desktopWidth,
                                                     int desktopHeight) {
    if (!surface || surface->Width() <= 0 || surface->Height() <= 0) return nullptr;
    std::unique_ptr<SdlShownWindow> shown(new SdlShownWindow);
    shown->surface_ = std::move(surface);
    if (!shown->CreateToolkitObjects(placement, desktopWidth, desktopHeight)) return nullptr;
    return shown;
}

bool SdlShownWindow::CreateToolkitObjects(const WindowPlacement& placement, int desktopWidth, int desktopHeight) {
    const SdlWindowGeometry geometry = PlaceSdlWindow(placement, desktopWidth, desktopHeight);
    // Hidden until its renderer exists: an OpenGL renderer makes the toolkit
    // replace the window with one of its own kind, which the user would
    // otherwise see appear, vanish and appear again.
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (geometry.borderless) flags |= SDL_WINDOW_BORDERLESS;
    const std::string caption = CaptionAsUtf8(placement.caption);
    window_ = SDL_CreateWindow(caption.c_str(), geometry.x, geometry.y, geometry.width, geometry.height, flags);
    if (window_ == nullptr) return false;
    // The display thread keeps to the refresh rate whichever renderer it is.
    renderer_ = CreateSdlRenderer(window_);
    if (renderer_ == nullptr) return false;
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, surface_->Width(),
                                 surface_->Height());
    if (texture_ == nullptr) return false;
    // Magnified pixels stay sharp squares.
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    SDL_ShowWindow(window_);
    return true;
}

SdlShownWindow::~SdlShownWindow() {
    // The surface outlives this window; its next change must not call out.
    if (watcher_ != nullptr) {
        std::lock_guard lock(surface_->Mutex());
        surface_->WatchNextChange(nullptr);
    }
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

int SdlShownWindow::ServerConnection() const { return SdlServerConnection(window_); }

void SdlShownWindow::Raise() {
    SDL_RaiseWindow(window_);
    // Without a window manager nobody hands out the keyboard on request; the
    // window takes it itself, as a foreground window does.
    SDL_SetWindowInputFocus(window_);
}

bool SdlShownWindow::PresentIfChanged() {
    if (surface_->Version() == shownVersion_ && !damaged_) return false;
    if (!CopySurfaceToTexture()) return false;
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    damaged_ = false;
    return true;
}

// The surface mutex is held only for the copy, so drawing on other threads
// waits at most for one memcpy of the client area.
bool SdlShownWindow::CopySurfaceToTexture() {
    void* texels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &texels, &pitch) != 0) return false;
    const auto rowBytes = static_cast<std::size_t>(surface_->Width()) * sizeof(std::uint32_t);
    {
        std::lock_guard lock(surface_->Mutex());
        // Read under the lock: a change made after the copy bumps the version
        // again, so it is shown next time and never lost.
        shownVersion_ = surface_->Version();
        // Armed under the same lock: the first change after this copy wakes
        // the display, and none before it is lost.
        if (watcher_ != nullptr) surface_->WatchNextChange(watcher_);
        const std::uint32_t* source = surface_->Pixels();
        auto* target = static_cast<std::byte*>(texels);
        for (int row = 0; row < surface_->Height(); ++row) {
            std::memcpy(target + static_cast<std::ptrdiff_t>(row) * pitch, source, rowBytes);
            source += surface_->Width();
        }
    }
    SDL_UnlockTexture(texture_);
    return true;
}

}  // namespace lumenbox::display
