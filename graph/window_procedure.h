// The graphics window's procedure: builds and releases the surfaces with the
// window, repaints from the canvas, and hands keyboard and close messages to
// the keyboard unit through KeyHook.
#pragma once

#include <lumenbox/win/types.h>
#include <lumenbox/win/user.h>

namespace lumenbox {

win::LRESULT GraphWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
// WM_PAINT: copies the update rectangle from the shown canvas page.
win::LRESULT RepaintFromCanvas(win::HWND window);

}  // namespace lumenbox
