// The sixteen binary raster operations (SetROP2) and a writer that applies
// one of them to pixels of a target.
//
// ROP2 combines the pen's stored value P with the destination's stored value
// D bit by bit: on an indexed target the colour-table indices (XOR of index 3
// under pen index 5 gives 6), on a direct one the 0x00RRGGBB values. The
// result is masked to the bits a pixel holds, so R2_WHITE is 255 on an 8-bit
// bitmap and 0xFFFFFF on a 32-bit one.
#pragma once

#include <cstdint>

#include "platform/gdi/draw_target.h"

namespace lumenbox::win::detail {

// The bits of a stored pixel value: 2^bits - 1 for indexed depths, 24 bits
// of colour for direct ones.
inline std::uint32_t PixelValueMask(const PixelFormat& format) {
    return format.bitsPerPixel <= 8 ? (1u << format.bitsPerPixel) - 1u : 0x00FFFFFFu;
}

inline std::uint32_t CombineRop2(int rop2, std::uint32_t pen, std::uint32_t dest, std::uint32_t mask) {
    std::uint32_t result = 0;
    switch (rop2) {
        case R2_BLACK: result = 0; break;
        case R2_NOTMERGEPEN: result = ~(dest | pen); break;
        case R2_MASKNOTPEN: result = dest & ~pen; break;
        case R2_NOTCOPYPEN: result = ~pen; break;
        case R2_MASKPENNOT: result = pen & ~dest; break;
        case R2_NOT: result = ~dest; break;
        case R2_XORPEN: result = dest ^ pen; break;
        case R2_NOTMASKPEN: result = ~(dest & pen); break;
        case R2_MASKPEN: result = dest & pen; break;
        case R2_NOTXORPEN: result = ~(dest ^ pen); break;
        case R2_NOP: result = dest; break;
        case R2_MERGENOTPEN: result = dest | ~pen; break;
        case R2_COPYPEN: result = pen; break;
        case R2_MERGEPENNOT: result = pen | ~dest; break;
        case R2_MERGEPEN: result = dest | pen; break;
        case R2_WHITE: result = ~0u; break;
        default: result = dest; break;  // SetROP2 lets no other mode in
    }
    return result & mask;
}

// Writes pen values into a target under one raster operation. The caller
// holds the surface lock for writing and passes only visible pixels.
class Rop2Writer {
public:
    Rop2Writer(const DrawTarget& target, int rop2)
        : view_(target.view), rop2_(rop2), mask_(PixelValueMask(*target.view.format)) {}

    // The value the pixel would take.
    std::uint32_t Result(int x, int y, std::uint32_t pen) const {
        if (rop2_ == R2_COPYPEN) return pen & mask_;
        return CombineRop2(rop2_, pen, view_.format->get(view_.Row(y), x), mask_);
    }

    void Pixel(int x, int y, std::uint32_t pen) const {
        if (rop2_ == R2_NOP) return;
        view_.format->set(view_.Row(y), x, Result(x, y, pen));
    }

    // Pixels [begin, end) of row y.
    void Span(int y, int begin, int end, std::uint32_t pen) const {
        if (rop2_ == R2_NOP || begin >= end) return;
        std::uint8_t* row = view_.Row(y);
        if (rop2_ == R2_COPYPEN) {
            view_.format->fill(row, begin, end, pen & mask_);
            return;
        }
        const PixelFormat& format = *view_.format;
        for (int x = begin; x < end; ++x) format.set(row, x, CombineRop2(rop2_, pen, format.get(row, x), mask_));
    }

private:
    PixelView view_;
    int rop2_;
    std::uint32_t mask_;
};

}  // namespace lumenbox::win::detail
