// Pixel formats: choosing one for a request and setting it on a DC.
#include "platform/gl/gl_tables.h"
#include "platform/gl/opengl_driver.h"

namespace lumenbox::win {

using detail::Gl;

// Two formats exist: 1 draws to windows, 2 to bitmaps. A request for a bitmap
// gets 2, any other request 1; colour depth and buffers are whatever was asked.
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* descriptor) {
    if (!descriptor || !detail::IsDeviceContext(dc) || !detail::OpenGLOffered()) return 0;
    return (descriptor->dwFlags & PFD_DRAW_TO_BITMAP) ? detail::kBitmapPixelFormat : detail::kWindowPixelFormat;
}

// As on Windows a DC's format can be set only once, and the descriptor only
// records what the caller asked for; it does not change the format.
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* descriptor) {
    if (format != detail::kWindowPixelFormat && format != detail::kBitmapPixelFormat) return FALSE;
    if (!detail::IsDeviceContext(dc)) return FALSE;
    std::lock_guard lock(Gl().mutex);
    detail::ForgetDeletedDeviceContexts();
    detail::PixelFormatRecord record{format, std::nullopt};
    if (descriptor) record.descriptor = *descriptor;
    return Gl().formats.try_emplace(detail::HandleValue(dc), record).second ? TRUE : FALSE;
}

int GetPixelFormat(HDC dc) {
    std::lock_guard lock(Gl().mutex);
    const detail::PixelFormatRecord* record = detail::FormatOf(dc);
    return record ? record->format : 0;
}

}  // namespace lumenbox::win
