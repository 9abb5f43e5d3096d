// OpenGL binding of the Windows stand-in: pixel formats and rendering
// contexts. Every context is a real OpenGL context (compatibility profile,
// drawn in software by Mesa through EGL) with a framebuffer the size of its
// device context's surface; SwapBuffers (gdi.h) puts its picture there.
// Without EGL or a driver at run time, no context is made.
#pragma once

#include <lumenbox/win/types.h>

namespace lumenbox::win {

inline constexpr DWORD PFD_DOUBLEBUFFER = 0x01;
inline constexpr DWORD PFD_STEREO = 0x02;
inline constexpr DWORD PFD_DRAW_TO_WINDOW = 0x04;
inline constexpr DWORD PFD_DRAW_TO_BITMAP = 0x08;
inline constexpr DWORD PFD_SUPPORT_GDI = 0x10;
inline constexpr DWORD PFD_SUPPORT_OPENGL = 0x20;
inline constexpr BYTE PFD_TYPE_RGBA = 0;
inline constexpr BYTE PFD_TYPE_COLORINDEX = 1;
inline constexpr BYTE PFD_MAIN_PLANE = 0;

struct PIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
};

// A format number (1 or above) matching the request as closely as the stand-in
// can: drawing to a window or to a bitmap, RGBA. 0 for a bad DC, a null
// descriptor, or when the display offers no OpenGL.
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* descriptor);
// Records the format and the descriptor asked for on the DC; a DC's format
// can be set once. FALSE for a bad DC, a format of 0, or a second setting.
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* descriptor);
// The format set on the DC, 0 if none.
int GetPixelFormat(HDC dc);
// A context on a DC with a pixel format; NULL for a bad DC, a DC without a
// format, or when the display offers no OpenGL.
HGLRC wglCreateContext(HDC dc);
// Makes the context current on the calling thread (NULL, NULL: none current).
// A context on a memory DC then holds the DC's bitmap picture, so OpenGL
// drawing composes with what GDI drew. FALSE for a bad context, a DC other
// than the context's, or a context current on another thread.
BOOL wglMakeCurrent(HDC dc, HGLRC context);
HGLRC wglGetCurrentContext();
HDC wglGetCurrentDC();
// Deletes the context; a context current on the calling thread is made not
// current first. FALSE for a bad handle or a context current on another thread.
BOOL wglDeleteContext(HGLRC context);

}  // namespace lumenbox::win
