#include "platform/gl/egl_library.h"

#include <dlfcn.h>

namespace lumenbox::win::detail {
namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& out) {
    out = reinterpret_cast<Function>(dlsym(library, name));
    return out != nullptr;
}

template <typename Function>
bool FindThroughEgl(PFNEGLGETPROCADDRESSPROC lookup, const char* name, Function& out) {
    out = reinterpret_cast<Function>(lookup(name));
    return out != nullptr;
}

bool LoadEgl(EglCalls& calls) {
    // RTLD_LOCAL: the program may load its own EGL; ours stays out of its way.
    void* library = dlopen("libEGL.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    const bool core = Find(library, "eglGetProcAddress", calls.GetProcAddress) &&
                      Find(library, "eglQueryString", calls.QueryString) &&
                      Find(library, "eglInitialize", calls.Initialize) &&
                      Find(library, "eglBindAPI", calls.BindAPI) &&
                      Find(library, "eglCreateContext", calls.CreateContext) &&
                      Find(library, "eglDestroyContext", calls.DestroyContext) &&
                      Find(library, "eglMakeCurrent", calls.MakeCurrent) &&
                      Find(library, "eglGetCurrentContext", calls.GetCurrentContext) &&
                      Find(library, "eglReleaseThread", calls.ReleaseThread);
    if (!core) return false;
    Find(library, "eglGetPlatformDisplay", calls.GetPlatformDisplay);
    FindThroughEgl(calls.GetProcAddress, "eglQueryDevicesEXT", calls.QueryDevicesEXT);
    FindThroughEgl(calls.GetProcAddress, "eglQueryDeviceStringEXT", calls.QueryDeviceStringEXT);
    return FindThroughEgl(calls.GetProcAddress, "eglGetPlatformDisplayEXT", calls.GetPlatformDisplayEXT);
}

bool LoadGl(PFNEGLGETPROCADDRESSPROC lookup, GlCalls& calls) {
    return FindThroughEgl(lookup, "glViewport", calls.Viewport) && FindThroughEgl(lookup, "glFinish", calls.Finish) &&
           FindThroughEgl(lookup, "glReadPixels", calls.ReadPixels) &&
           FindThroughEgl(lookup, "glPixelStorei", calls.PixelStorei) &&
           FindThroughEgl(lookup, "glGenTextures", calls.GenTextures) &&
           FindThroughEgl(lookup, "glBindTexture", calls.BindTexture) &&
           FindThroughEgl(lookup, "glTexImage2D", calls.TexImage2D) &&
           FindThroughEgl(lookup, "glTexSubImage2D", calls.TexSubImage2D) &&
           FindThroughEgl(lookup, "glGetIntegerv", calls.GetIntegerv) &&
           FindThroughEgl(lookup, "glDeleteTextures", calls.DeleteTextures) &&
           FindThroughEgl(lookup, "glGenFramebuffers", calls.GenFramebuffers) &&
           FindThroughEgl(lookup, "glDeleteFramebuffers", calls.DeleteFramebuffers) &&
           FindThroughEgl(lookup, "glBindFramebuffer", calls.BindFramebuffer) &&
           FindThroughEgl(lookup, "glFramebufferTexture2D", calls.FramebufferTexture2D) &&
           FindThroughEgl(lookup, "glGenRenderbuffers", calls.GenRenderbuffers) &&
           FindThroughEgl(lookup, "glDeleteRenderbuffers", calls.DeleteRenderbuffers) &&
           FindThroughEgl(lookup, "glBindRenderbuffer", calls.BindRenderbuffer) &&
           FindThroughEgl(lookup, "glRenderbufferStorage", calls.RenderbufferStorage) &&
           FindThroughEgl(lookup, "glFramebufferRenderbuffer", calls.FramebufferRenderbuffer) &&
           FindThroughEgl(lookup, "glCheckFramebufferStatus", calls.CheckFramebufferStatus);
}

}  // namespace

const EglCalls* Egl() {
    static const EglCalls* const loaded = [] {
        auto* calls = new EglCalls;
        if (LoadEgl(*calls)) return static_cast<const EglCalls*>(calls);
        delete calls;
        return static_cast<const EglCalls*>(nullptr);
    }();
    return loaded;
}

const GlCalls* GlFunctions() {
    static const GlCalls* const loaded = []() -> const GlCalls* {
        const EglCalls* egl = Egl();
        if (!egl) return nullptr;
        static GlCalls calls;
        return LoadGl(egl->GetProcAddress, calls) ? &calls : nullptr;
    }();
    return loaded;
}

}  // namespace lumenbox::win::detail
