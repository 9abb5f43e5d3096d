// Steps shared by the calls that make, change and delete device contexts.
#pragma once

#include <memory>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win::detail {

// A DC as Windows makes one: OPAQUE, white background, black text,
// R2_COPYPEN, and the stock pen, brush, font, palette (and, for a memory
// DC, the 1 x 1 monochrome bitmap) selected. GDI mutex held.
std::unique_ptr<DeviceContext> NewDeviceContext(DcKind kind);

// Deselects everything the DC holds, so that the objects can be deleted
// once the DC is gone.
void ReleaseSelections(DeviceContext& dc);

// Copies the region into the DC as its clip region (nullptr removes it);
// the region type.
int SelectClip(DeviceContext& dc, const Region* region);

// NULLREGION or SIMPLEREGION for a rectangle.
int RegionTypeOf(const RECT& rect);

}  // namespace lumenbox::win::detail
