// The default palette: the sixteen classic colours, a grey ramp, nine hue
// rings and black. Built at compile time from the ring rule so the table
// cannot drift from it; the two entries that break the rule are set last.
#include <array>
#include <cstdint>

#include "graph/palette.h"

namespace lumenbox {
namespace {

using Palette = std::array<std::uint32_t, 256>;

constexpr std::uint32_t Colour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// Entries 0 to 15. Entry 9 is a light blue, not the usual (84, 84, 252).
constexpr std::array<std::uint32_t, 16> ClassicColours = {
    Colour(0, 0, 0),       Colour(0, 0, 168),     Colour(0, 168, 0),     Colour(0, 168, 168),
    Colour(168, 0, 0),     Colour(168, 0, 168),   Colour(168, 84, 0),    Colour(168, 168, 168),
    Colour(84, 84, 84),    Colour(132, 132, 252), Colour(84, 252, 84),   Colour(84, 252, 252),
    Colour(252, 84, 84),   Colour(252, 84, 252),  Colour(252, 252, 84),  Colour(252, 252, 252),
};

// Entries 16 to 31.
constexpr std::array<std::uint32_t, 16> GreyLevels = {0,   20,  32,  44,  56,  68,  80,  96,
                                                      112, 128, 144, 160, 180, 200, 224, 252};

inline constexpr int FirstRingEntry = 32;
inline constexpr int RingLength = 24;

// The five step values s0 < s1 < s2 < s3 < s4 of each ring: a bright, a
// pale and a dark ring at full, medium and low intensity.
constexpr std::array<std::array<std::uint32_t, 5>, 9> RingSteps = {{
    {0, 64, 124, 188, 252},
    {124, 156, 188, 220, 252},
    {180, 196, 216, 232, 252},
    {0, 28, 56, 84, 112},
    {56, 68, 84, 96, 112},
    {80, 88, 96, 104, 112},
    {0, 16, 32, 48, 64},
    {32, 40, 48, 56, 64},
    {44, 48, 52, 60, 64},
}};

// Position p of a ring walks the hue circle: blue, magenta, red, yellow,
// green, cyan and back towards blue.
constexpr std::uint32_t RingColour(const std::array<std::uint32_t, 5>& s, int p) {
    if (p == 0) return Colour(s[0], s[0], s[4]);
    if (p <= 4) return Colour(s[p], s[0], s[4]);
    if (p <= 7) return Colour(s[4], s[0], s[8 - p]);
    if (p == 8) return Colour(s[4], s[0], s[0]);
    if (p <= 12) return Colour(s[4], s[p - 8], s[0]);
    if (p <= 15) return Colour(s[16 - p], s[4], s[0]);
    if (p == 16) return Colour(s[0], s[4], s[0]);
    if (p <= 20) return Colour(s[0], s[4], s[p - 16]);
    return Colour(s[0], s[24 - p], s[4]);
}

consteval Palette BuildDefaultPalette() {
    Palette table{};  // entries the rule does not reach (247 to 255) stay black
    for (int i = 0; i < 16; ++i) {
        table[i] = ClassicColours[i];
        table[16 + i] = Colour(GreyLevels[i], GreyLevels[i], GreyLevels[i]);
    }
    for (int ring = 0; ring < 8; ++ring) {
        for (int p = 0; p < RingLength; ++p) {
            table[FirstRingEntry + RingLength * ring + p] = RingColour(RingSteps[ring], p);
        }
    }
    // The last ring has no position 8: positions 0 to 7 fill 224 to 231 and
    // positions 9 to 23 fill 232 to 246, leaving 247 black.
    int entry = FirstRingEntry + RingLength * 8;
    for (int p = 0; p < RingLength; ++p) {
        if (p != 8) table[entry++] = RingColour(RingSteps[8], p);
    }
    // Ring 1, position 9: the table has always held a pale magenta here.
    table[65] = Colour(252, 156, 252);
    return table;
}

}  // namespace

const Palette DefaultPaletteTable = BuildDefaultPalette();

}  // namespace lumenbox
