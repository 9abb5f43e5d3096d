// Rendering contexts and which one each thread has current.
//
// A context is current on at most one thread. Each thread remembers its own
// current context; the context's record remembers the thread, so that no other
// thread can take it or delete it meanwhile.
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
    if (GlContext* record = Gl().contexts.Find(HandleValue(current.context)))
        if (record->currentOn == std::this_thread::get_id()) record->currentOn = {};
    current.context = nullptr;
    current.dc = nullptr;
}

CurrentBinding::~CurrentBinding() {
    if (!context) return;
    std::lock_guard lock(Gl().mutex);
    ReleaseCurrent();
}

bool MayBecomeCurrentHere(const GlContext& record, HDC dc) {
    if (record.dc != HandleValue(dc) || !detail::IsDeviceContext(dc)) return false;
    return record.currentOn == std::thread::id{} || record.currentOn == std::this_thread::get_id();
}

}  // namespace

HGLRC wglCreateContext(HDC dc) {
    if (!detail::IsDeviceContext(dc) || !detail::OpenGLOffered()) return nullptr;
    std::uintptr_t handle = 0;
    {
        std::lock_guard lock(Gl().mutex);
        if (!detail::FormatOf(dc)) return nullptr;
        handle = Gl().contexts.Insert(std::make_unique<GlContext>(GlContext{HandleValue(dc), {}}));
    }
    detail::DisturbFloatingPointLikeADriver();
    return detail::MakeHandle<HGLRC>(handle);
}

// As on Windows, a failed call leaves the thread with no current context.
BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    std::lock_guard lock(Gl().mutex);
    ReleaseCurrent();
    if (!context) return TRUE;
    GlContext* record = Gl().contexts.Find(HandleValue(context));
    if (!record || !MayBecomeCurrentHere(*record, dc)) return FALSE;
    record->currentOn = std::this_thread::get_id();
    current.context = context;
    current.dc = dc;
    return TRUE;
}

HGLRC wglGetCurrentContext() { return current.context; }

HDC wglGetCurrentDC() { return current.dc; }

BOOL wglDeleteContext(HGLRC context) {
    std::lock_guard lock(Gl().mutex);
    const GlContext* record = Gl().contexts.Find(HandleValue(context));
    if (!record) return FALSE;
    if (record->currentOn != std::thread::id{} && record->currentOn != std::this_thread::get_id()) return FALSE;
    if (current.context == context) ReleaseCurrent();
    Gl().contexts.Erase(HandleValue(context));
    return TRUE;
}

}  // namespace lumenbox::win
