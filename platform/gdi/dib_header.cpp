// Reading pixel formats out of caller headers.
#include "platform/gdi/dib_header.h"

#include <cstring>

namespace lumenbox::win::detail {

// The masks overlay the colour table; copied out byte for byte, since
// bmiColors is an array of RGBQUAD, not of DWORD.
std::array<std::uint32_t, 3> BitfieldMasksOf(const BITMAPINFO& info) {
    std::array<std::uint32_t, 3> masks{};
    static_assert(sizeof masks <= sizeof info.bmiColors);
    std::memcpy(masks.data(), info.bmiColors, sizeof masks);
    return masks;
}

void StoreBitfieldMasks(BITMAPINFO& info, const std::array<std::uint32_t, 3>& masks) {
    std::memcpy(info.bmiColors, masks.data(), sizeof masks);
}

const PixelFormat* DescribedFormat(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    switch (header.biCompression) {
        case BI_RGB: return PixelFormatFor(header.biBitCount);
        case BI_BITFIELDS: return PixelFormatWithMasks(header.biBitCount, BitfieldMasksOf(info));
        default: return nullptr;
    }
}

}  // namespace lumenbox::win::detail
