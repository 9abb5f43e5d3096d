#include "platform/gl/egl_display.h"

#include "platform/gl/opengl_driver.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace lumenbox::win::detail {
namespace {

bool HasExtension(const char* list, std::string_view name) {
    if (!list) return false;
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t end = rest.find(' ');
        if (rest.substr(0, end) == name) return true;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return false;
}

bool HardwareAskedFor() {
    const char* choice = std::getenv("LUMENBOX_GL_DEVICE");
    return choice && std::strcmp(choice, "hardware") == 0;
}

// Mesa's software device, where the library can name devices; nullptr lets
// the platform choose (on a machine without a GPU, the software one anyway).
EGLDeviceEXT SoftwareDevice(const EglCalls& egl) {
    const char* client = egl.QueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!HasExtension(client, "EGL_EXT_explicit_device") || !egl.QueryDevicesEXT || !egl.QueryDeviceStringEXT)
        return nullptr;
    EGLint count = 0;
    if (!egl.QueryDevicesEXT(0, nullptr, &count) || count <= 0) return nullptr;
    std::vector<EGLDeviceEXT> devices(static_cast<std::size_t>(count));
    if (!egl.QueryDevicesEXT(count, devices.data(), &count)) return nullptr;
    for (EGLint i = 0; i < count; ++i)
        if (HasExtension(egl.QueryDeviceStringEXT(devices[static_cast<std::size_t>(i)], EGL_EXTENSIONS),
                         "EGL_MESA_device_software"))
            return devices[static_cast<std::size_t>(i)];
    return nullptr;
}

EGLDisplay OpenDisplay() {
    const EglCalls* egl = Egl();
    if (!egl) return EGL_NO_DISPLAY;
    // Asked for by name: the default display follows DISPLAY into X11.
    if (!HasExtension(egl->QueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless"))
        return EGL_NO_DISPLAY;
    EGLDisplay display = EGL_NO_DISPLAY;
    // A device handle fits only the 1.5 call's EGLAttrib list.
    EGLDeviceEXT device = HardwareAskedFor() ? nullptr : SoftwareDevice(*egl);
    if (device && egl->GetPlatformDisplay) {
        const EGLAttrib attributes[] = {EGL_DEVICE_EXT, reinterpret_cast<EGLAttrib>(device), EGL_NONE};
        display = egl->GetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, attributes);
    }
    if (display == EGL_NO_DISPLAY)
        display = egl->GetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY) return EGL_NO_DISPLAY;
    EGLint major = 0;
    EGLint minor = 0;
    if (!egl->Initialize(display, &major, &minor)) return EGL_NO_DISPLAY;
    if (!HasExtension(egl->QueryString(display, EGL_EXTENSIONS), "EGL_KHR_no_config_context") &&
        !HasExtension(egl->QueryString(display, EGL_EXTENSIONS), "EGL_MESA_configless_context"))
        return EGL_NO_DISPLAY;
    return display;
}

}  // namespace

EGLDisplay SharedEglDisplay() {
    static const EGLDisplay display = [] {
        FloatingPointShield shield;
        return OpenDisplay();
    }();
    return display;
}

}  // namespace lumenbox::win::detail
