// Rendering contexts and which one each thread has current.
//
// Every context is an EGL context of Mesa's surfaceless platform, OpenGL's
// compatibility profile, made without a config and current without a
// surface; it draws into a framebuffer of its own, the size of its DC's
// surface. A context on a memory DC starts each time it becomes current from
// the bitmap's picture, so OpenGL drawing composes with what GDI drew.
//
// A context is current on at most one thread. Each thread remembers its own
// current context; the context's record remembers the thread, so that no other
// thread can take it or delete it meanwhile (EGL says EGL_BAD_ACCESS too).
#include <lumenbox/win/gdi.h>

#include "platform/gl/egl_display.h"
#include "platform/gl/gdi_transfer.h"
#include "platform/gl/gl_tables.h"
#include "platform/gl/opengl_driver.h"

namespace lumenbox::win {
namespace {

using detail::GlContext;
using detail::Gl;
using detail::HandleValue;

// The calling thread's current context. A thread that ends with a context
// current gives it back, so the context does not stay locked to a dead thread.
// Only ever assigned field by field: a temporary binding would give the
// context back when it died.
struct CurrentBinding {
    HGLRC context = nullptr;
    HDC dc = nullptr;
    CurrentBinding() = default;
    CurrentBinding(const CurrentBinding&) = delete;
    CurrentBinding& operator=(const CurrentBinding&) = delete;
    ~CurrentBinding();
};

thread_local CurrentBinding current;

// Call with the GL mutex held.
void ReleaseCurrent() {
    if (!current.context) return;
    if (GlContext* record = Gl().contexts.Find(HandleValue(current.context)))
        if (record->currentOn == std::this_thread::get_id()) record->currentOn = {};
    detail::Egl()->MakeCurrent(detail::SharedEglDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    current.context = nullptr;
    current.dc = nullptr;
}

CurrentBinding::~CurrentBinding() {
    if (!context) return;
    std::lock_guard lock(Gl().mutex);
    ReleaseCurrent();
    detail::Egl()->ReleaseThread();
}

bool MayBecomeCurrentHere(const GlContext& record, HDC dc) {
    if (record.dc != HandleValue(dc) || !detail::IsDeviceContext(dc)) return false;
    return record.currentOn == std::thread::id{} || record.currentOn == std::this_thread::get_id();
}

detail::DepthStencilBits BitsAskedFor(const detail::PixelFormatRecord& format) {
    if (!format.descriptor) return {24, 8};
    return {format.descriptor->cDepthBits, format.descriptor->cStencilBits};
}

EGLContext CreateEglContext() {
    const detail::EglCalls& egl = *detail::Egl();
    // The API is chosen per thread; every thread that makes or binds a
    // context says it anew.
    if (!egl.BindAPI(EGL_OPENGL_API)) return EGL_NO_CONTEXT;
    const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                 EGL_NONE};
    return egl.CreateContext(detail::SharedEglDisplay(), EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
}

// With the context current: its framebuffer bound at the surface's size,
// and a memory DC's picture in it. Call with the GL mutex held.
void HandOverSurface(GlContext& record, HDC dc) {
    const detail::GlCalls& gl = *detail::GlFunctions();
    int width = 0;
    int height = 0;
    if (!detail::SurfaceSizeOf(dc, width, height)) {
        detail::DeleteFramebuffer(gl, record.framebuffer);
        record.handedOver.clear();
        return;
    }
    if (!detail::PrepareFramebuffer(gl, record.framebuffer, width, height, record.bits)) return;
    if (GetObjectType(dc) != OBJ_MEMDC) return;
    if (detail::ReadSelectedBitmap(dc, width, height, record.handedOver))
        detail::WriteFramebuffer(gl, record.framebuffer, record.handedOver, record.readBack);
}

}  // namespace

HGLRC wglCreateContext(HDC dc) {
    if (!detail::IsDeviceContext(dc) || !detail::OpenGLOffered()) return nullptr;
    std::uintptr_t handle = 0;
    {
        std::lock_guard lock(Gl().mutex);
        const detail::PixelFormatRecord* format = detail::FormatOf(dc);
        if (!format) return nullptr;
        auto record = std::make_unique<GlContext>();
        record->dc = HandleValue(dc);
        record->bits = BitsAskedFor(*format);
        detail::FloatingPointShield shield;
        record->egl = CreateEglContext();
        if (record->egl == EGL_NO_CONTEXT) return nullptr;
        handle = Gl().contexts.Insert(std::move(record));
    }
    detail::DisturbFloatingPointLikeADriver();
    return detail::MakeHandle<HGLRC>(handle);
}

// As on Windows, a failed call leaves the thread with no current context.
BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    detail::FloatingPointShield shield;
    std::lock_guard lock(Gl().mutex);
    ReleaseCurrent();
    if (!context) return TRUE;
    GlContext* record = Gl().contexts.Find(HandleValue(context));
    if (!record || !MayBecomeCurrentHere(*record, dc)) return FALSE;
    const detail::EglCalls& egl = *detail::Egl();
    if (!egl.BindAPI(EGL_OPENGL_API) ||
        !egl.MakeCurrent(detail::SharedEglDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, record->egl))
        return FALSE;
    record->currentOn = std::this_thread::get_id();
    current.context = context;
    current.dc = dc;
    HandOverSurface(*record, dc);
    return TRUE;
}

HGLRC wglGetCurrentContext() { return current.context; }

HDC wglGetCurrentDC() { return current.dc; }

// The context's framebuffer and everything else it made go with it.
BOOL wglDeleteContext(HGLRC context) {
    std::lock_guard lock(Gl().mutex);
    const GlContext* record = Gl().contexts.Find(HandleValue(context));
    if (!record) return FALSE;
    if (record->currentOn != std::thread::id{} && record->currentOn != std::this_thread::get_id()) return FALSE;
    if (current.context == context) ReleaseCurrent();
    detail::Egl()->DestroyContext(detail::SharedEglDisplay(), record->egl);
    Gl().contexts.Erase(HandleValue(context));
    return TRUE;
}

}  // namespace lumenbox::win
