#include "platform/gl/opengl_driver.h"

#include <cfenv>

#include "platform/display/display.h"

namespace lumenbox::win::detail {

bool OpenGLOffered() {
    const display::Display* screen = display::Current();
    return screen && screen->OpenGLAvailable();
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
