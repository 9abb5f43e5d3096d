// SwapBuffers: a context's finished picture goes to its device context's
// surface. On a window DC it covers the client area, and the display shows
// it; on a memory DC the pixels the drawing changed go into the selected
// bitmap, as Windows' own software OpenGL draws into a bitmap's bits.
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>

#include "platform/gl/gdi_transfer.h"
#include "platform/gl/gl_tables.h"

namespace lumenbox::win {
namespace {

// The calling thread's context on `dc`, or nullptr. The record stays the
// caller's to use without the lock: no other thread takes or deletes a
// context current here.
detail::GlContext* CurrentContextOn(HDC dc) {
    if (!dc || wglGetCurrentDC() != dc) return nullptr;
    std::lock_guard lock(detail::Gl().mutex);
    detail::GlContext* record = detail::Gl().contexts.Find(detail::HandleValue(wglGetCurrentContext()));
    if (!record || record->currentOn != std::this_thread::get_id()) return nullptr;
    return record;
}

bool ToBitmap(HDC dc, detail::GlContext& record) {
    const detail::Framebuffer& framebuffer = record.framebuffer;
    if (!detail::WriteChangedPixels(dc, framebuffer.width, framebuffer.height, record.handedOver, record.readBack))
        return false;
    record.handedOver.swap(record.readBack);
    return true;
}

}  // namespace

// The calling thread's current context must be the DC's: the stand-in keeps
// a picture per context, not per window.
BOOL SwapBuffers(HDC dc) {
    detail::GlContext* record = CurrentContextOn(dc);
    if (!record || record->framebuffer.object == 0) return FALSE;
    const detail::GlCalls& gl = *detail::GlFunctions();
    gl.Finish();
    detail::ReadFramebuffer(gl, record->framebuffer, record->readBack);
    const int width = record->framebuffer.width;
    const int height = record->framebuffer.height;
    if (GetObjectType(dc) == OBJ_MEMDC) return ToBitmap(dc, *record) ? TRUE : FALSE;
    return detail::ShowOnWindow(dc, width, height, record->readBack) ? TRUE : FALSE;
}

}  // namespace lumenbox::win
