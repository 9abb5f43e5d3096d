// The raster operations BitBlt knows besides the plain copy: each works bit
// by bit on the target's pixel values (colour-table indices, or 0x00RRGGBB),
// and keeps only the bits a value of the target can have.
#pragma once

#include <cstdint>

#include <lumenbox/win/types.h>

#include "platform/gdi/pixel_formats.h"

namespace lumenbox::win::detail {

enum class BlitOperation {
    Copy,          // SRCCOPY: S
    Xor,           // SRCINVERT: D ^ S
    Or,            // SRCPAINT: D | S
    And,           // SRCAND: D & S
    NotSource,     // NOTSRCCOPY: ~S
    Black,         // BLACKNESS: 0
    White,         // WHITENESS: every bit
    InvertTarget,  // DSTINVERT: ~D
};

// The operation a ROP code names; false for codes the stand-in does not do.
bool BlitOperationOf(DWORD rop, BlitOperation& operation);

// Whether the operation reads the source at all.
bool UsesSource(BlitOperation operation);

// The bits a pixel value of the format can have: 2^bits - 1 for indexed
// depths, 0x00FFFFFF for direct ones.
std::uint32_t ValueMask(const PixelFormat& format);

// target[i] = operation(target[i], source[i]) & mask, for i < count.
// `source` is not read by the operations without one and may be null.
void Combine(BlitOperation operation, const std::uint32_t* source, std::uint32_t* target, int count,
             std::uint32_t mask);

}  // namespace lumenbox::win::detail
