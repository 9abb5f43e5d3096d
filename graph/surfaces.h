// The canvas pages, the logical palette and the device contexts: created with
// the window on the window thread, released with it.
#pragma once

#include <lumenbox/win/types.h>

namespace lumenbox {

// WM_CREATE: measures the client area, takes the window's DC, makes the
// canvas and pattern DCs, records their initial objects, makes the palette
// (palette kinds) and the four canvas pages, and initialises DrawLock. When
// a page cannot be made, releases what it made and returns false.
bool CreateSurfaces(win::HWND window);
// A logical palette of PaletteCapacity black entries.
void CreateGraphPalette();
// Four zeroed pages of the client size and canvas depth; ColorTable gets
// PaletteCapacity zero entries in palette kinds and none otherwise. False
// when a page could not be made (those that were made are kept).
bool CreateCanvasPages();
// WM_DESTROY, after CloseGraphics has lowered GraphIsOpen: deletes DrawLock,
// then every object the library made for the window and the memory DCs.
void ReleaseSurfaces();
// Whether the window's surfaces exist: false before creation, after release,
// and after a creation that failed.
bool SurfacesExist();

}  // namespace lumenbox
