// The OpenGL binding's records: rendering contexts and the pixel format set
// on each device context.
//
// Both are kept here rather than in GDI because only this module gives them
// meaning. Pixel formats are filed under the DC's handle value; since GDI
// never hands out a value twice (generation-checked handles), an entry whose
// DC has gone can only be stale, never someone else's, and is dropped when met.
//
// Lock order: the GL mutex may be held while asking GDI whether a DC is live,
// never the other way round (GDI knows nothing of this module).
#pragma once

#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include <lumenbox/win/gl.h>

#include "platform/gl/framebuffer.h"
#include "platform/kernel/handle_table.h"

namespace lumenbox::win::detail {

// The two formats the stand-in offers, numbered as ChoosePixelFormat returns
// them: one for drawing to windows, one for drawing to bitmaps.
inline constexpr int kWindowPixelFormat = 1;
inline constexpr int kBitmapPixelFormat = 2;

struct GlContext {
    std::uintptr_t dc = 0;
    std::thread::id currentOn;  // default (no thread) while not current anywhere
    EGLContext egl = EGL_NO_CONTEXT;
    DepthStencilBits bits;  // as the DC's pixel format asked for
    // Touched only by the thread the context is current on, which no other
    // thread can take it from or delete it under.
    Framebuffer framebuffer;
    // A memory DC's picture as the framebuffer last held it (when handed
    // over, or when last read back): what the drawing since has not changed.
    std::vector<std::uint32_t> handedOver;
    std::vector<std::uint32_t> readBack;  // kept only to spare an allocation a frame
};

struct PixelFormatRecord {
    int format = 0;
    std::optional<PIXELFORMATDESCRIPTOR> descriptor;  // as asked for; none if not given
};

struct GlTables {
    std::mutex mutex;
    HandleTable<GlContext> contexts{HandleTag::Gl};
    std::unordered_map<std::uintptr_t, PixelFormatRecord> formats;
};

// Never destroyed, like every platform table: threads that end late in the
// process's exit still give their current context back here.
GlTables& Gl();

// Whether GDI knows the handle as a window or memory device context.
bool IsDeviceContext(HDC dc);
// The format record of a live DC, or nullptr (dropping the entry of a DC that
// has been deleted). Call with the GL mutex held.
const PixelFormatRecord* FormatOf(HDC dc);
// Drops every entry whose DC has been deleted. Call with the GL mutex held.
void ForgetDeletedDeviceContexts();

}  // namespace lumenbox::win::detail
