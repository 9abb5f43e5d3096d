// The OpenGL binding's probes for tests and tools.
#include <lumenbox/win/probes.h>

#include "platform/gl/gl_tables.h"

namespace lumenbox::win::probe {

std::size_t LiveGLContexts() {
    std::lock_guard lock(detail::Gl().mutex);
    return detail::Gl().contexts.Size();
}

std::optional<PIXELFORMATDESCRIPTOR> PixelFormatOf(HDC dc) {
    std::lock_guard lock(detail::Gl().mutex);
    const detail::PixelFormatRecord* record = detail::FormatOf(dc);
    if (!record) return std::nullopt;
    return record->descriptor;
}

}  // namespace lumenbox::win::probe
