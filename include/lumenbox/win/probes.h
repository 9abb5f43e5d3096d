// What tests and tools may look at inside the Windows stand-in. None of these
// are Windows calls.
#pragma once

#include <cstddef>
#include <optional>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/types.h>

namespace lumenbox::win::probe {

// Live GDI objects of one OBJ_* type (OBJ_DC and OBJ_MEMDC count device
// contexts), stock objects not counted.
std::size_t LiveGdiObjects(UINT objectType);
// Live windows, live thread handles, live OpenGL contexts.
std::size_t LiveWindows();
std::size_t LiveThreadHandles();
std::size_t LiveGLContexts();
// Registered window classes.
bool IsClassRegistered(const char* className);
// The descriptor given to SetPixelFormat on the DC, if one was set.
std::optional<PIXELFORMATDESCRIPTOR> PixelFormatOf(HDC dc);
// The priority last set on a thread.
std::optional<int> ThreadPriority(HANDLE thread);

}  // namespace lumenbox::win::probe
