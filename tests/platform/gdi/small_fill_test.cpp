// Small solid fills, which the GDI writes with overlapping stores: every
// width a block can have, at every alignment, changes exactly its own pixels
// on 8-bit and 32-bit DIB sections (top-down and bottom-up) and on a window
// surface, and nothing before or after them in the row or the buffer.
#include <algorithm>
#include <cstdint>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::SurfaceCanvas;

constexpr int kWidth = 64;
constexpr int kHeight = 6;
constexpr int kLongestRun = 40;  // past every short-run limit, in pixels of either depth

// Where the fill of (left, top) to (left + width, top + rows) must have
// landed: `inside` there, `outside` everywhere else.
template <class Pixel, class Read>
void ExpectOnlyTheBlock(Read read, int left, int width, int top, int rows, Pixel inside, Pixel outside) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool in = x >= left && x < left + width && y >= top && y < top + rows;
            ASSERT_EQ(read(x, y), in ? inside : outside)
                << "pixel (" << x << ", " << y << ") after a " << width << " x " << rows << " fill at (" << left
                << ", " << top << ")";
        }
    }
}

// The stored row of an image y rows from its top, top-down or bottom-up.
int StoredRow(int y, bool bottomUp) { return bottomUp ? kHeight - 1 - y : y; }

TEST(SmallFill, EightBitRunsOfEveryWidthAndAlignment) {
    for (const bool bottomUp : {false, true}) {
        DibCanvas canvas(kWidth, kHeight, 8, {}, bottomUp);
        for (int width = 1; width <= kLongestRun; ++width) {
            for (const int left : {0, 1, 3, 7, kWidth - width}) {
                std::fill(canvas.bits(), canvas.bits() + kWidth * kHeight, std::uint8_t{0xEE});
                Fill(canvas.dc(), left, 1, left + width, 5, PALETTEINDEX(0x42));
                ExpectOnlyTheBlock(
                    [&](int x, int y) { return canvas.bits()[StoredRow(y, bottomUp) * kWidth + x]; }, left, width,
                    1, 4, std::uint8_t{0x42}, std::uint8_t{0xEE});
            }
        }
    }
}

TEST(SmallFill, ThirtyTwoBitRunsOfEveryWidthAndAlignment) {
    for (const bool bottomUp : {false, true}) {
        DibCanvas canvas(kWidth, kHeight, 32, {}, bottomUp);
        auto* words = reinterpret_cast<std::uint32_t*>(canvas.bits());
        for (int width = 1; width <= kLongestRun; ++width) {
            for (const int left : {0, 1, 2, 3, kWidth - width}) {
                std::fill(words, words + kWidth * kHeight, 0x00EEEEEEu);
                Fill(canvas.dc(), left, 0, left + width, 1, RGB(0x12, 0x34, 0x56));
                ExpectOnlyTheBlock([&](int x, int y) { return words[StoredRow(y, bottomUp) * kWidth + x]; },
                                   left, width, 0, 1, 0x00123456u, 0x00EEEEEEu);
            }
        }
    }
}

TEST(SmallFill, WindowSurfaceRunsEndWhereTheRectangleEnds) {
    SurfaceCanvas window(kWidth, kHeight);
    for (int width = 1; width <= kLongestRun; ++width) {
        for (const int left : {0, 5, kWidth - width}) {
            Fill(window.dc(), 0, 0, kWidth, kHeight, RGB(0, 0, 0));
            Fill(window.dc(), left, 2, left + width, kHeight, RGB(0xAB, 0xCD, 0xEF));
            ExpectOnlyTheBlock([&](int x, int y) { return window.Pixel(x, y); }, left, width, 2, kHeight - 2,
                               0x00ABCDEFu, 0u);
        }
    }
}

// The last run of the last row ends at the buffer's end: no store may reach
// past it. A 32-bit row of one line is the whole buffer, so AddressSanitizer
// sees any store beyond the run.
TEST(SmallFill, ARunEndingTheBufferStaysInside) {
    for (const int bits : {8, 32}) {
        for (int width = 1; width <= 9; ++width) {
            DibCanvas canvas(width, 1, bits);
            Fill(canvas.dc(), 0, 0, width, 1, bits == 8 ? PALETTEINDEX(9) : RGB(1, 2, 3));
            const std::uint32_t last = bits == 8 ? canvas.bits()[width - 1]
                                                 : reinterpret_cast<std::uint32_t*>(canvas.bits())[width - 1];
            EXPECT_EQ(last, bits == 8 ? 9u : 0x00010203u) << bits << " bits, width " << width;
        }
    }
}

}  // namespace
}  // namespace lumenbox::win
