// Row operations per pixel depth, behind one table, so that the fills, pixel
// reads and block copies never branch on the depth inside their loops.
//
// A pixel value is what the row stores: a colour-table index for 1, 4 and 8
// bits, 0x00RRGGBB for 24 and 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumenbox::win::detail {

struct PixelFormat {
    int bitsPerPixel;
    std::uint32_t (*get)(const std::uint8_t* row, int x);
    void (*set)(std::uint8_t* row, int x, std::uint32_t value);
    // Pixels [begin, end) of the row.
    void (*fill)(std::uint8_t* row, int begin, int end, std::uint32_t value);
    // `count` pixels from x into / out of a buffer of values.
    void (*read)(const std::uint8_t* row, int x, int count, std::uint32_t* out);
    void (*write)(std::uint8_t* row, int x, int count, const std::uint32_t* in);
};

// The operations for 1, 4, 8, 24 or 32 bits per pixel; nullptr otherwise.
const PixelFormat* PixelFormatFor(int bitsPerPixel);

// Bytes per row of a DIB: rows are padded to whole 32-bit words.
std::ptrdiff_t DibRowBytes(int width, int bitsPerPixel);

// A grid of pixels seen top row first, whatever its storage order.
struct PixelView {
    std::uint8_t* top = nullptr;  // first byte of the top row
    std::ptrdiff_t pitch = 0;     // from one row to the one below; negative for bottom-up storage
    int width = 0;
    int height = 0;
    const PixelFormat* format = nullptr;

    std::uint8_t* Row(int y) const { return top + pitch * y; }
};

}  // namespace lumenbox::win::detail
