// The stock objects every process starts with.
#pragma once

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win::detail {

// Fills state.stock; runs once, inside GdiState's constructor, so it must
// not call Gdi().
void CreateStockObjects(GdiState& state);

}  // namespace lumenbox::win::detail
