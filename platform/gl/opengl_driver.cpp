#include "platform/gl/opengl_driver.h"

#include <cfenv>

#include "platform/display/display.h"
#include "platform/gl/egl_display.h"

namespace lumenbox::win::detail {

// The display's word comes first: the headless display's switch must turn
// OpenGL off without EGL ever being loaded.
bool OpenGLOffered() {
    const display::Display* screen = display::Current();
    if (!screen || !screen->OpenGLAvailable()) return false;
    return SharedEglDisplay() != EGL_NO_DISPLAY && GlFunctions() != nullptr;
}

// Only the flags and the rounding mode change; exception traps stay masked,
// so the caller sees wrong rounding, not a signal.
void DisturbFloatingPointLikeADriver() {
    const display::Display* screen = display::Current();
    if (!screen || !screen->OpenGLAltersFloatingPoint()) return;
    std::fesetround(FE_TOWARDZERO);
    std::feraiseexcept(FE_INEXACT);
}

}  // namespace lumenbox::win::detail
