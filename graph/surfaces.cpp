// Canvas and palette surfaces, and the choice of draw page.
#include "graph/surfaces.h"

#include "graph/display_mode.h"
#include "graph/thread_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

namespace lumenbox {

namespace {

void RecordInitialObjects() {
    GraphState.InitialPalette = static_cast<win::HPALETTE>(win::GetCurrentObject(GraphState.WindowDC, win::OBJ_PAL));
    GraphState.InitialPen = static_cast<win::HPEN>(win::GetCurrentObject(GraphState.WindowDC, win::OBJ_PEN));
    GraphState.InitialBrush = static_cast<win::HBRUSH>(win::GetCurrentObject(GraphState.WindowDC, win::OBJ_BRUSH));
    GraphState.InitialFont = static_cast<win::HFONT>(win::GetCurrentObject(GraphState.WindowDC, win::OBJ_FONT));
    GraphState.InitialBitmap =
        static_cast<win::HBITMAP>(win::GetCurrentObject(GraphState.CanvasDC, win::OBJ_BITMAP));
}

// Force-background: the window is never the foreground palette's owner.
void SelectPaletteEverywhere(win::HPALETTE palette) {
    win::SelectPalette(GraphState.WindowDC, palette, win::TRUE);
    win::SelectPalette(GraphState.CanvasDC, palette, win::TRUE);
    win::SelectPalette(GraphState.PatternDC, palette, win::TRUE);
}

// Puts the initial object back into both drawing contexts before the
// library's own one is deleted: an object still selected cannot be deleted.
void ReplaceWithInitial(win::HGDIOBJ initial, win::HGDIOBJ own) {
    win::SelectObject(GraphState.WindowDC, initial);
    win::SelectObject(GraphState.CanvasDC, initial);
    win::DeleteObject(own);
}

void ReleaseCanvasPages() {
    win::SelectObject(GraphState.CanvasDC, GraphState.InitialBitmap);
    for (win::HBITMAP& page : GraphState.CanvasPages) {
        win::DeleteObject(page);
        page = nullptr;
    }
}

void ReleasePalette() {
    if (!GraphState.PaletteMode) {
        return;
    }
    SelectPaletteEverywhere(GraphState.InitialPalette);
    win::DeleteObject(GraphState.GraphPalette);
    GraphState.GraphPalette = nullptr;
    GraphState.PaletteMode = false;
}

// The view area becomes the whole window without clipping, and the clip
// region goes with the window. A window with an empty client area has no
// last column or row: its corners stay ones SetViewArea accepts, since the
// OpenGL switch restores the recorded area through it.
void ResetViewArea() {
    GraphState.ViewArea = ViewAreaRecord{0, 0, static_cast<std::int16_t>(std::max(GraphState.MaxX, 0)),
                                         static_cast<std::int16_t>(std::max(GraphState.MaxY, 0)), false};
    if (GraphState.ClipRegion != nullptr) {
        win::SelectClipRgn(GraphState.WindowDC, nullptr);
        win::SelectClipRgn(GraphState.CanvasDC, nullptr);
        win::DeleteObject(GraphState.ClipRegion);
        GraphState.ClipRegion = nullptr;
    }
}

// The memory DCs are gone and the window's goes with it: no handle of theirs
// stays behind for a later window, and the window procedure can tell that
// nothing is left to release.
void ForgetDeviceContexts() {
    GraphState.WindowDC = nullptr;
    GraphState.CanvasDC = nullptr;
    GraphState.PatternDC = nullptr;
}

// What a failed creation made, before DrawLock existed: the pages that were
// made, the palette and the memory DCs. The window DC goes with the window.
void ReleasePartialSurfaces() {
    ReleaseCanvasPages();
    GraphState.ColorTable.clear();
    ReleasePalette();
    win::DeleteDC(GraphState.CanvasDC);
    win::DeleteDC(GraphState.PatternDC);
    ForgetDeviceContexts();
}

// A 16-bit canvas on a 16-bit desktop has the desktop's 5-6-5 layout, which
// a DIB section gets only through explicit masks; plain BI_RGB is 5-5-5.
void DescribeCanvasFormat(win::BITMAPINFO& header) {
    header.bmiHeader.biBitCount = GraphState.CanvasBitsPerPixel;
    header.bmiHeader.biCompression = win::BI_RGB;
    if (GraphState.CanvasBitsPerPixel != 16 || DesktopBitsPerPixel() != 16) return;
    header.bmiHeader.biCompression = win::BI_BITFIELDS;
    const std::uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(header.bmiColors, masks, sizeof(masks));
}

}  // namespace

bool CreateSurfaces(win::HWND window) {
    // 1. The canvas takes the client size the system actually gave.
    win::RECT client{};
    win::GetClientRect(window, &client);
    GraphState.MaxX = client.right - 1;
    GraphState.MaxY = client.bottom - 1;
    // 2. The class's own DC: valid for the window's whole life.
    GraphState.WindowDC = win::GetDC(window);
    // 3.
    GraphState.CanvasDC = win::CreateCompatibleDC(nullptr);
    GraphState.PatternDC = win::CreateCompatibleDC(nullptr);
    // 4.
    RecordInitialObjects();
    // 5.
    if (GraphState.PaletteMode) {
        CreateGraphPalette();
        SelectPaletteEverywhere(GraphState.GraphPalette);
    }
    // 6. No page goes into CanvasDC yet: OpenGraphics selects page 0. A
    // canvas that cannot be made fails the window rather than leaving it
    // open with nothing to draw on; a window the system made without a
    // client area (on a screen too small for any) has no canvas to make.
    const bool emptyClient = GraphState.MaxX < 0 || GraphState.MaxY < 0;
    if (!CreateCanvasPages() && !emptyClient) {
        ReleasePartialSurfaces();
        return false;
    }
    // 7.
    win::InitializeCriticalSection(&GraphState.DrawLock);
    return true;
}

void CreateGraphPalette() {
    // The record is large (room for 256 entries), so it lives on the heap.
    auto record = std::make_unique<win::LOGPALETTE>();
    record->palVersion = 0x300;
    record->palNumEntries = GraphState.PaletteCapacity;
    GraphState.GraphPalette = win::CreatePalette(record.get());
}

bool CreateCanvasPages() {
    // 1.
    const std::uint16_t entries = GraphState.PaletteMode ? GraphState.PaletteCapacity : 0;
    // 2. Every colour-table entry is zero, as are the unused ones.
    auto header = std::make_unique<win::BITMAPINFO>();
    header->bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
    header->bmiHeader.biWidth = GraphState.MaxX + 1;
    header->bmiHeader.biHeight = GraphState.MaxY + 1;  // positive: rows bottom-up
    header->bmiHeader.biPlanes = 1;
    DescribeCanvasFormat(*header);
    // 3. The pixel address is not kept: everything draws through the DCs.
    bool made = true;
    for (win::HBITMAP& page : GraphState.CanvasPages) {
        void* bits = nullptr;
        page = win::CreateDIBSection(GraphState.WindowDC, header.get(), win::DIB_RGB_COLORS, &bits, nullptr, 0);
        made = made && page != nullptr;
    }
    // 4. The header goes with `header`. 5.
    GraphState.ColorTable.assign(entries, win::RGBQUAD{0, 0, 0, 0});
    return made;
}

void SelectDrawPage(std::uint16_t page) {
    CheckCallingThread(__func__);
    // 1.
    GraphState.GraphStatus = StatusOk;
    if (!IsGraphOpen()) {
        GraphState.GraphStatus = StatusNotOpen;
        return;
    }
    // 2.
    if (page >= GraphState.CanvasPages.size()) {
        page = 0;
    }
    // 3. and 4. DrawPage is set under the lock too, because the repaint reads
    // it on the window thread.
    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.DrawPage = page;
    win::SelectObject(GraphState.CanvasDC, GraphState.CanvasPages[page]);
    if (GraphState.PaletteMode) {
        // The page just selected carries the current colours.
        const auto entries = std::min<std::size_t>(GraphState.PaletteCapacity, GraphState.ColorTable.size());
        win::SetDIBColorTable(GraphState.CanvasDC, 0, static_cast<win::UINT>(entries), GraphState.ColorTable.data());
    }
    win::LeaveCriticalSection(&GraphState.DrawLock);
    // 5.
    GraphState.DrawToWindow = GraphState.DrawPage == GraphState.ShownPage && GraphState.DirectDrawing;
}

void ReleaseSurfaces() {
    // 1. GraphIsOpen is false by now, so no drawing call gets past its open
    // check, and the window is being destroyed, so no paint message comes.
    win::DeleteCriticalSection(&GraphState.DrawLock);
    // 2.
    win::DeleteObject(GraphState.PatternBitmap);
    GraphState.PatternBitmap = nullptr;
    // 3.
    ReleaseCanvasPages();
    // 4.
    GraphState.ColorTable.clear();
    // 5.
    ReleasePalette();
    // 6. to 8. The handles are cleared so that no later window sees them.
    ReplaceWithInitial(GraphState.InitialFont, GraphState.CurrentFont);
    GraphState.CurrentFont = nullptr;
    ReplaceWithInitial(GraphState.InitialBrush, GraphState.FillBrush);
    GraphState.FillBrush = nullptr;
    ReplaceWithInitial(GraphState.InitialPen, GraphState.CurrentPen);
    GraphState.CurrentPen = nullptr;
    // 9.
    ResetViewArea();
    // 10. WindowDC goes with the window.
    win::DeleteDC(GraphState.CanvasDC);
    win::DeleteDC(GraphState.PatternDC);
    ForgetDeviceContexts();
}

bool SurfacesExist() { return GraphState.CanvasDC != nullptr; }

}  // namespace lumenbox
