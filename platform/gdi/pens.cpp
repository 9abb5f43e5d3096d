// Pens: only their description is kept; nothing in the stand-in draws lines.
#include <memory>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {

HPEN CreatePenIndirect(const LOGPEN* record) {
    using namespace detail;
    if (!record || record->lopnStyle > PS_INSIDEFRAME) return nullptr;
    GdiLock lock;
    return MakeHandle<HPEN>(Adopt(std::make_unique<Pen>(*record)));
}

}  // namespace lumenbox::win
