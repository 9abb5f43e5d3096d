// The EGL and OpenGL entry points the stand-in calls, found at run time.
//
// libEGL.so.1 is opened with dlopen rather than linked, so that a machine
// without Mesa still runs every program that draws no OpenGL: there the
// library is simply absent and every context request is refused. The OpenGL
// calls come through eglGetProcAddress, which answers for core functions too
// (EGL_KHR_get_all_proc_addresses), so the library links no OpenGL at all;
// a program links the OpenGL it calls itself.
//
// The library is never closed: the driver it loads keeps threads and tables
// for the life of the process, and closing it would pull code from under them.
#pragma once

#define EGL_NO_X11
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

namespace lumenbox::win::detail {

struct EglCalls {
    PFNEGLGETPROCADDRESSPROC GetProcAddress = nullptr;
    PFNEGLQUERYSTRINGPROC QueryString = nullptr;
    PFNEGLGETPLATFORMDISPLAYEXTPROC GetPlatformDisplayEXT = nullptr;
    PFNEGLGETPLATFORMDISPLAYPROC GetPlatformDisplay = nullptr;  // EGL 1.5; may be missing
    PFNEGLINITIALIZEPROC Initialize = nullptr;
    PFNEGLBINDAPIPROC BindAPI = nullptr;
    PFNEGLCREATECONTEXTPROC CreateContext = nullptr;
    PFNEGLDESTROYCONTEXTPROC DestroyContext = nullptr;
    PFNEGLMAKECURRENTPROC MakeCurrent = nullptr;
    PFNEGLGETCURRENTCONTEXTPROC GetCurrentContext = nullptr;
    PFNEGLRELEASETHREADPROC ReleaseThread = nullptr;
    // Present only with EGL_EXT_device_enumeration / EGL_EXT_device_query.
    PFNEGLQUERYDEVICESEXTPROC QueryDevicesEXT = nullptr;
    PFNEGLQUERYDEVICESTRINGEXTPROC QueryDeviceStringEXT = nullptr;
};

struct GlCalls {
    decltype(&::glViewport) Viewport = nullptr;
    decltype(&::glFinish) Finish = nullptr;
    decltype(&::glReadPixels) ReadPixels = nullptr;
    decltype(&::glPixelStorei) PixelStorei = nullptr;
    decltype(&::glGenTextures) GenTextures = nullptr;
    decltype(&::glBindTexture) BindTexture = nullptr;
    decltype(&::glTexImage2D) TexImage2D = nullptr;
    decltype(&::glTexSubImage2D) TexSubImage2D = nullptr;
    decltype(&::glGetIntegerv) GetIntegerv = nullptr;
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC FramebufferTexture2D = nullptr;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;
    decltype(&::glDeleteTextures) DeleteTextures = nullptr;
};

// The EGL calls, or nullptr when libEGL.so.1 or one of the calls every EGL
// 1.5 library has is missing. Loaded once, on first use, from any thread.
const EglCalls* Egl();

// The OpenGL calls, or nullptr when one is missing. Found once, through Egl().
const GlCalls* GlFunctions();

}  // namespace lumenbox::win::detail
