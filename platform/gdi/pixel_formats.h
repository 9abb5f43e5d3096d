// Row operations per pixel depth, behind one table, so that the fills, pixel
// reads and block copies never branch on the depth inside their loops.
//
// A pixel value is what the row stores for an index: a colour-table index
// for 1, 4 and 8 bits. Direct depths (16, 24, 32 bits) speak 0x00RRGGBB
// whatever they store: a 16-bit row packs on `set` by dropping each
// component's low bits and widens on `get` by repeating its high bits, as
// Windows' GetPixel does, so nothing above the row operations knows 16 bits
// exists.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lumenbox::win::detail {

// How a depth arranges its bits. Only 16 bits has a choice: Windows' plain
// 16-bit DIB is 5-5-5 (bit 15 unused); 5-6-5 comes with BI_BITFIELDS masks.
enum class PixelLayout : std::uint8_t { Standard, Rgb565 };

struct PixelFormat {
    int bitsPerPixel;
    PixelLayout layout;
    // Red, green and blue bits of a stored pixel; zero for indexed depths.
    std::array<std::uint32_t, 3> masks;
    std::uint32_t (*get)(const std::uint8_t* row, int x);
    void (*set)(std::uint8_t* row, int x, std::uint32_t value);
    // Pixels [begin, end) of the row.
    void (*fill)(std::uint8_t* row, int begin, int end, std::uint32_t value);
    // `count` pixels from x into / out of a buffer of values.
    void (*read)(const std::uint8_t* row, int x, int count, std::uint32_t* out);
    void (*write)(std::uint8_t* row, int x, int count, const std::uint32_t* in);

    // Whether values are colours (0x00RRGGBB) rather than indices.
    bool Direct() const { return masks[0] != 0; }
};

// The operations for 1, 4, 8, 16, 24 or 32 bits per pixel in the given
// layout; nullptr for any other depth, or Rgb565 with a depth but 16.
const PixelFormat* PixelFormatFor(int bitsPerPixel, PixelLayout layout = PixelLayout::Standard);

// The format whose component masks are these, for the depths BI_BITFIELDS
// allows (16 and 32 bits); nullptr for masks the stand-in does not store.
const PixelFormat* PixelFormatWithMasks(int bitsPerPixel, const std::array<std::uint32_t, 3>& masks);

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
