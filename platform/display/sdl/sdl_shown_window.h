// One visible window on the SDL display: the toolkit window, its renderer and
// the streaming texture through which the client surface reaches the screen.
//
// Lives on the display thread only, like every SDL object.
#pragma once

#include <cstdint>
#include <memory>

#include <SDL2/SDL_render.h>
#include <SDL2/SDL_video.h>

#include "platform/display/display.h"

namespace lumenbox::display {

class SdlShownWindow {
public:
    // NULL when the toolkit refuses the window, its renderer or its texture.
    static std::unique_ptr<SdlShownWindow> Open(const WindowPlacement& placement, std::shared_ptr<Surface> surface,
                                                int desktopWidth, int desktopHeight);
    ~SdlShownWindow();
    SdlShownWindow(const SdlShownWindow&) = delete;
    SdlShownWindow& operator=(const SdlShownWindow&) = delete;

    std::uint32_t ToolkitId() const { return SDL_GetWindowID(window_); }
    // The size the window has on the desktop now, which the picture fills.
    void DrawnSize(int& width, int& height) const { SDL_GetWindowSize(window_, &width, &height); }
    // Brings the window to the front and gives it the keyboard.
    void Raise();
    // The screen lost what was shown (exposure): show it again at the next
    // chance even if the surface has not changed.
    void MarkDamaged() { damaged_ = true; }
    // Shows the surface if it changed since it was last shown, or was
    // damaged; true when it did.
    bool PresentIfChanged();
    // Whether PresentIfChanged would show anything.
    bool HasChangeToPresent() const { return damaged_ || surface_->Version() != shownVersion_; }
    // From now on the first change after each presentation tells `watcher`,
    // so the display can sleep while nothing changes. It must outlive this.
    void ReportChangesTo(SurfaceWatcher* watcher) { watcher_ = watcher; }
    // The display server connection that brings this window's events, or -1.
    int ServerConnection() const;

private:
    SdlShownWindow() = default;
    bool CreateToolkitObjects(const WindowPlacement& placement, int desktopWidth, int desktopHeight);
    bool CopySurfaceToTexture();

    std::shared_ptr<Surface> surface_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool damaged_ = true;
    std::uint64_t shownVersion_ = 0;
    SurfaceWatcher* watcher_ = nullptr;
};

}  // namespace lumenbox::display
