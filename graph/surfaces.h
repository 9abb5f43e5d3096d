// The canvas pages, the logical palette and the device contexts: created with
// the window on the window thread, released with it.
#pragma once

#include <lumenbox/win/types.h>

namespace lumenbox {

// WM_CREATE: measures the client area, takes the window's DC, makes the
// canvas and pattern DCs, records their initial objects, makes the palette
// (palette kinds) and the four canvas pages, and initialises DrawLock.
void CreateSurfaces(win::HWND window);
// A logical palette of PaletteCapacity black entries.
void CreateGraphPalette();
// Four zeroed pages of the client size and canvas depth; ColorTable gets
// PaletteCapacity zero entries in palette kinds and none otherwise.
void CreateCanvasPages();
// WM_DESTROY, after CloseGraphics has lowered GraphIsOpen: deletes DrawLock,
// then every object the library made for the window and the memory DCs.
void ReleaseSurfaces();

}  // namespace lumenbox
