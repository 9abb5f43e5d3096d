// Object counts for tests and tools.
#include <lumenbox/win/probes.h>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win::probe {

std::size_t LiveGdiObjects(UINT objectType) {
    using namespace detail;
    GdiLock lock;
    std::size_t count = 0;
    Gdi().objects.ForEach([&](std::uintptr_t, const GdiObject& object) {
        if (!object.stock && object.type == objectType) ++count;
    });
    return count;
}

}  // namespace lumenbox::win::probe
