// The graphics window's procedure and its repaint.
#include "graph/window_procedure.h"

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/surfaces.h"

namespace lumenbox {

namespace {

// KeyHook sees the procedure's own arguments. It is never called with
// DrawLock held: the keyboard unit takes its own lock in there.
win::LRESULT CallKeyHook(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    const KeyHookProc hook = GraphState.KeyHook;
    return hook != nullptr ? hook(window, message, wParam, lParam) : 0;
}

// The pointer unit's handler, called like KeyHook: never with DrawLock held.
win::LRESULT CallPointerHook(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    const KeyHookProc hook = GraphState.PointerHook;
    return hook != nullptr ? hook(window, message, wParam, lParam) : 0;
}

win::LRESULT OnCreate(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    GraphState.GraphWindow.store(window, std::memory_order_release);
    // -1 ends the creation: CreateWindowExA destroys the window and fails,
    // and the opening reports that the window could not be made.
    if (!CreateSurfaces(window)) return -1;
    CallKeyHook(window, message, wParam, lParam);
    CallPointerHook(window, message, wParam, lParam);
    // The last step of the creation: the opening thread's acquire load of
    // the flag then sees the window handle, the surfaces and DrawLock.
    GraphState.GraphIsOpen.store(true, std::memory_order_release);
    return win::DefWindowProcA(window, message, wParam, lParam);
}

// A window whose creation failed has released its surfaces already, and the
// keyboard unit never heard of it.
win::LRESULT OnDestroy(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    if (!SurfacesExist()) return 0;
    CallKeyHook(window, message, wParam, lParam);
    CallPointerHook(window, message, wParam, lParam);
    ReleaseSurfaces();
    win::PostQuitMessage(0);
    return 0;
}

// The repaint covers the whole update area, so erasing first would only
// flicker; before the window is ready the class background is drawn.
win::LRESULT OnEraseBackground(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    if (GraphState.GraphIsOpen.load(std::memory_order_acquire)) {
        return 1;
    }
    return win::DefWindowProcA(window, message, wParam, lParam);
}

// Canvas pixel (x, y) is client pixel (x, y).
void CopyFromCanvas(const win::RECT& update) {
    win::BitBlt(GraphState.WindowDC, update.left, update.top, update.right - update.left,
                update.bottom - update.top, GraphState.CanvasDC, update.left, update.top, win::SRCCOPY);
}

void CopyShownPage(const win::RECT& update) {
    if (GraphState.DrawPage == GraphState.ShownPage) {
        CopyFromCanvas(update);
        return;
    }
    const win::HGDIOBJ previous = win::SelectObject(GraphState.CanvasDC, GraphState.CanvasPages[GraphState.ShownPage]);
    CopyFromCanvas(update);
    win::SelectObject(GraphState.CanvasDC, previous);
}

}  // namespace

win::LRESULT RepaintFromCanvas(win::HWND window) {
    // 1.
    win::RECT update{};
    if (win::GetUpdateRect(window, &update, win::FALSE) == 0) {
        return 0;
    }
    // 2.
    win::EnterCriticalSection(&GraphState.DrawLock);
    // 3. The view area's clipping must not limit the repaint.
    if (GraphState.ClipRegion != nullptr) {
        win::SelectClipRgn(GraphState.WindowDC, nullptr);
    }
    // 4. With the own-DC class, BeginPaint's context is WindowDC itself, now
    // clipped to the update region.
    win::PAINTSTRUCT paint{};
    win::BeginPaint(window, &paint);
    // 5. BeginPaint validates the whole update region, including whatever
    // was invalidated after step 1 while this thread waited for DrawLock (a
    // palette change, say): the rectangle it reports is the one to copy, or
    // that later part would never be repainted.
    update = paint.rcPaint;
    CopyShownPage(update);
    // 6.
    win::EndPaint(window, &paint);
    // 7.
    if (GraphState.ClipRegion != nullptr) {
        win::SelectClipRgn(GraphState.WindowDC, GraphState.ClipRegion);
    }
    // 8.
    win::LeaveCriticalSection(&GraphState.DrawLock);
    return 0;
}

win::LRESULT GraphWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    switch (message) {
    case win::WM_CREATE: return OnCreate(window, message, wParam, lParam);
    case win::WM_DESTROY: return OnDestroy(window, message, wParam, lParam);
    case win::WM_PAINT: return RepaintFromCanvas(window);
    case win::WM_ERASEBKGND: return OnEraseBackground(window, message, wParam, lParam);
    // The close button and Alt+F4 never close the window: the keyboard unit
    // turns them into a key code, and the program decides.
    case win::WM_CLOSE:
    case win::WM_KEYDOWN:
    case win::WM_CHAR:
    case win::WM_SYSKEYDOWN: return CallKeyHook(window, message, wParam, lParam);
    // Answered, so that Alt with a character key does not beep.
    case win::WM_SYSCHAR:
        return 0;
    // The pointer unit keeps the position and queues the rest.
    case win::WM_MOUSEMOVE:
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
    case win::WM_RBUTTONDBLCLK:
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
    case win::WM_MBUTTONDBLCLK:
    case win::WM_MOUSEWHEEL:
    case win::WM_MOUSELEAVE: return CallPointerHook(window, message, wParam, lParam);
    // CloseGraphics asks for the window's end; WM_DESTROY is handled within.
    case win::WM_USER: win::DestroyWindow(window); return 0;
    default: return win::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace lumenbox
