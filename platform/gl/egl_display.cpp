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

// The devices EGL knows; none where it cannot list them.
std::vector<EGLDeviceEXT> Devices(const EglCalls& egl) {
    EGLint count = 0;
    if (!egl.QueryDevicesEXT || !egl.QueryDevicesEXT(0, nullptr, &count) || count <= 0) return {};
    std::vector<EGLDeviceEXT> devices(static_cast<std::size_t>(count));
    if (!egl.QueryDevicesEXT(count, devices.data(), &count)) return {};
    devices.resize(static_cast<std::size_t>(count));
    return devices;
}

bool IsSoftware(const EglCalls& egl, EGLDeviceEXT device) {
    return egl.QueryDeviceStringEXT &&
           HasExtension(egl.QueryDeviceStringEXT(device, EGL_EXTENSIONS), "EGL_MESA_device_software");
}

// The software device when the machine has another one too; nullptr when
// the software device is all there is, which the platform picks anyway.
EGLDeviceEXT SoftwareBesideHardware(const EglCalls& egl) {
    const std::vector<EGLDeviceEXT> devices = Devices(egl);
    if (devices.size() < 2) return nullptr;
    for (EGLDeviceEXT device : devices)
        if (IsSoftware(egl, device)) return device;
    return nullptr;
}

// A display on the given device. The surfaceless platform takes a device
// where EGL_EXT_explicit_device is offered (Mesa 23 on); before that, the
// device platform gives the same display with no surfaces on a named device.
// A device handle fits only the 1.5 call's EGLAttrib list.
EGLDisplay DisplayOnDevice(const EglCalls& egl, EGLDeviceEXT device) {
    if (!egl.GetPlatformDisplay) return EGL_NO_DISPLAY;
    const char* client = egl.QueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (HasExtension(client, "EGL_EXT_explicit_device")) {
        const EGLAttrib attributes[] = {EGL_DEVICE_EXT, reinterpret_cast<EGLAttrib>(device), EGL_NONE};
        return egl.GetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, attributes);
    }
    if (HasExtension(client, "EGL_EXT_platform_device"))
        return egl.GetPlatformDisplay(EGL_PLATFORM_DEVICE_EXT, device, nullptr);
    return EGL_NO_DISPLAY;
}

bool Usable(const EglCalls& egl, EGLDisplay display) {
    EGLint major = 0;
    EGLint minor = 0;
    if (display == EGL_NO_DISPLAY || !egl.Initialize(display, &major, &minor)) return false;
    const char* extensions = egl.QueryString(display, EGL_EXTENSIONS);
    return HasExtension(extensions, "EGL_KHR_no_config_context") ||
           HasExtension(extensions, "EGL_MESA_configless_context");
}

EGLDisplay OpenDisplay() {
    const EglCalls* egl = Egl();
    if (!egl) return EGL_NO_DISPLAY;
    // Asked for by name: the default display follows DISPLAY into X11.
    if (!HasExtension(egl->QueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless"))
        return EGL_NO_DISPLAY;
    if (EGLDeviceEXT software = HardwareAskedFor() ? nullptr : SoftwareBesideHardware(*egl)) {
        const EGLDisplay display = DisplayOnDevice(*egl, software);
        if (Usable(*egl, display)) return display;
    }
    const EGLDisplay display = egl->GetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    return Usable(*egl, display) ? display : EGL_NO_DISPLAY;
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
