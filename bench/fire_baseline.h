// The fire's pixel work in plain memory, with no library calls: the yardstick
// that the library's frame rate is measured against. An 8-bit canvas and a
// 32-bit window buffer, both 640 x 480; per frame the same 37,760 cell reads
// (indices read back as the lowest entry of their colour, reads outside the
// canvas as the entry nearest to white) and the same 9,600 5 x 5 fills on
// both buffers, in the same order as the library's frame.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace lumenbox::bench {

struct BaselineFire {
    static constexpr int Width = 640;
    static constexpr int Height = 480;

    std::vector<std::uint8_t> canvas = std::vector<std::uint8_t>(Width * Height, 0);
    std::vector<std::uint32_t> window = std::vector<std::uint32_t>(Width * Height, 0);
    std::array<std::uint32_t, 256> colours{};   // 0x00RRGGBB of each entry
    std::array<std::uint8_t, 256> readBack{};   // lowest entry of the same colour
    std::uint8_t outsideIndex = 0;              // the entry nearest to white
    std::mt19937 random{12345};
};

// A black canvas with the fire palette over the given colours (0x00RRGGBB)
// for the entries the fire palette leaves alone; the read-back tables are
// worked out here, once, as the palette never changes during the frames.
BaselineFire MakeBaselineFire(const std::array<std::uint32_t, 256>& otherColours);
// One frame: every column left to right, its cells bottom-up, then its
// flicker cell.
void BaselineFrame(BaselineFire& fire);

}  // namespace lumenbox::bench
