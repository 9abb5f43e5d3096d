// OpenGL attachment: the contexts on the window and on the canvas, and the
// switch between them.
#include "graph/opengl.h"

#include "graph/drawing_call.h"

#include <cfenv>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/kernel.h>

namespace lumenbox {

namespace {

constexpr win::WORD PixelFormatDescriptorSize = 40;
static_assert(sizeof(win::PIXELFORMATDESCRIPTOR) == PixelFormatDescriptorSize);

win::PIXELFORMATDESCRIPTOR WindowPixelFormat() {
    win::PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = PixelFormatDescriptorSize;
    descriptor.nVersion = 1;
    descriptor.dwFlags = win::PFD_DOUBLEBUFFER | win::PFD_DRAW_TO_WINDOW | win::PFD_SUPPORT_OPENGL;
    descriptor.iPixelType = win::PFD_TYPE_RGBA;
    descriptor.cColorBits = 24;
    descriptor.cDepthBits = 32;
    descriptor.iLayerType = win::PFD_MAIN_PLANE;
    return descriptor;
}

// The canvas is a bitmap that GDI draws on too, at the canvas's own depth.
void ToCanvasPixelFormat(win::PIXELFORMATDESCRIPTOR& descriptor) {
    descriptor.cColorBits = GraphState.CanvasBitsPerPixel;
    descriptor.dwFlags = win::PFD_DRAW_TO_BITMAP | win::PFD_SUPPORT_GDI | win::PFD_SUPPORT_OPENGL;
}

// Only the context decides; the format results are not examined.
win::HGLRC CreateContextOn(win::HDC dc, const win::PIXELFORMATDESCRIPTOR& descriptor) {
    const int format = win::ChoosePixelFormat(dc, &descriptor);
    win::SetPixelFormat(dc, format, &descriptor);
    return win::wglCreateContext(dc);
}

}  // namespace

void AttachOpenGL() {
    // 1. Some drivers change the rounding mode or leave exceptions pending
    // while they make a context; the program must not notice.
    std::fenv_t saved;
    std::fegetenv(&saved);
    // 2.
    win::PIXELFORMATDESCRIPTOR descriptor = WindowPixelFormat();
    GraphState.WindowGLContext = CreateContextOn(GraphState.WindowDC, descriptor);
    // 3.
    ToCanvasPixelFormat(descriptor);
    GraphState.CanvasGLContext = CreateContextOn(GraphState.CanvasDC, descriptor);
    // 4.
    std::feclearexcept(FE_ALL_EXCEPT);
    std::fesetenv(&saved);
    // 5. A context made without its partner is deleted at the close.
    if (GraphState.WindowGLContext != nullptr && GraphState.CanvasGLContext != nullptr) {
        GraphState.GLReady = true;
        SelectGLTarget(false);
    } else {
        GraphState.GLReady = false;
        GraphState.GraphStatus = StatusNoOpenGL;
    }
}

void SelectGLTarget(bool toWindow) {
    // 1. The status is not cleared first.
    if (!GraphState.GLReady) {
        GraphState.GraphStatus = StatusNoOpenGL;
        return;
    }
    // 2. The repaint waits for the whole switch.
    win::EnterCriticalSection(&GraphState.DrawLock);
    // 3. and 4. No clip region may be in force while the context changes.
    const ViewAreaRecord saved = GraphState.ViewArea;
    SetViewArea(0, 0, static_cast<std::int16_t>(GraphState.MaxX), static_cast<std::int16_t>(GraphState.MaxY), false);
    // 5.
    if (toWindow) {
        win::wglMakeCurrent(GraphState.WindowDC, GraphState.WindowGLContext);
    } else {
        win::wglMakeCurrent(GraphState.CanvasDC, GraphState.CanvasGLContext);
    }
    // 6. Restores the view area, its origin and its clip region.
    SetViewArea(saved.x1, saved.y1, saved.x2, saved.y2, saved.clip);
    // 7.
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

void FinishGLDrawing() {
    // 1.
    if (!DrawingCallAllowed()) return;
    if (!GraphState.GLReady) {
        GraphState.GraphStatus = StatusNoOpenGL;
        return;
    }
    // 2. The repaint must not read the page while it changes.
    win::EnterCriticalSection(&GraphState.DrawLock);
    const win::HDC target = win::wglGetCurrentDC();
    if (target == GraphState.CanvasDC) {
        win::SwapBuffers(target);
        ShowCanvasPart(win::RECT{0, 0, GraphState.MaxX + 1, GraphState.MaxY + 1});
    } else if (target == GraphState.WindowDC) {
        win::SwapBuffers(target);
    }
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

void ReleaseOpenGL() {
    // Deleting a context that was never made does nothing.
    win::wglMakeCurrent(nullptr, nullptr);
    win::wglDeleteContext(GraphState.WindowGLContext);
    win::wglDeleteContext(GraphState.CanvasGLContext);
    GraphState.WindowGLContext = nullptr;
    GraphState.CanvasGLContext = nullptr;
    GraphState.GLReady = false;
}

}  // namespace lumenbox
