// What a caller's BITMAPINFO says about pixels: the format its header and
// masks describe, and where BI_BITFIELDS keeps those masks.
#pragma once

#include <array>
#include <cstdint>

#include <lumenbox/win/gdi.h>

#include "platform/gdi/pixel_formats.h"

namespace lumenbox::win::detail {

// The three DWORD masks of BI_BITFIELDS: red, green, blue, stored where
// bmiColors[0..2] are.
std::array<std::uint32_t, 3> BitfieldMasksOf(const BITMAPINFO& info);
void StoreBitfieldMasks(BITMAPINFO& info, const std::array<std::uint32_t, 3>& masks);

// The pixel format a header describes: BI_RGB at 1, 4, 8, 16 (5-5-5), 24
// or 32 bits, or BI_BITFIELDS with masks the stand-in stores (16 bits
// 5-5-5 or 5-6-5, 32 bits 8-8-8). nullptr for anything else, 15 bits
// included: Windows has no such depth.
const PixelFormat* DescribedFormat(const BITMAPINFO& info);

}  // namespace lumenbox::win::detail
