// The one EGL display of the process: Mesa's surfaceless platform, on the
// software device (EGL_MESA_device_software) unless LUMENBOX_GL_DEVICE=hardware
// asks for the machine's own, so that what OpenGL draws does not depend on
// the machine. Where the surfaceless platform cannot be given a device (Mesa
// before EGL_EXT_explicit_device) and the machine has a GPU, the software
// device's display comes from the device platform, surfaceless all the same.
//
// Initialised on first use and never terminated: terminating unloads the
// driver under every other context and leaves the leak checker allocations
// whose frames no longer name a library.
#pragma once

#include "platform/gl/egl_library.h"

namespace lumenbox::win::detail {

// The display, or EGL_NO_DISPLAY where EGL, the surfaceless platform or a
// driver is missing. The answer is found once and kept.
EGLDisplay SharedEglDisplay();

}  // namespace lumenbox::win::detail
