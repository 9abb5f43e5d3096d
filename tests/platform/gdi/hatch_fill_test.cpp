// Hatched fills: each style's picture, lines in the brush colour, gaps in
// the background colour (OPAQUE) or untouched (TRANSPARENT), tiled from the
// device origin whatever the rectangle.
#include <array>
#include <string>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::SurfaceCanvas;

using Picture = std::array<const char*, 8>;  // '#' a line pixel, '.' a gap

struct HatchCase {
    int style;
    const char* name;
    Picture picture;
};

const HatchCase kHatches[] = {
    {HS_HORIZONTAL, "horizontal", {"........", "........", "........", "########", "........", "........", "........", "........"}},
    {HS_VERTICAL, "vertical", {"....#...", "....#...", "....#...", "....#...", "....#...", "....#...", "....#...", "....#..."}},
    {HS_FDIAGONAL, "fdiagonal", {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#..", "......#.", ".......#"}},
    {HS_BDIAGONAL, "bdiagonal", {".......#", "......#.", ".....#..", "....#...", "...#....", "..#.....", ".#......", "#......."}},
    {HS_CROSS, "cross", {"....#...", "....#...", "....#...", "########", "....#...", "....#...", "....#...", "....#..."}},
    {HS_DIAGCROSS, "diagcross", {"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"}},
};

// The fill covers [3, 21) x [5, 19) of a 24 x 24 target, so the tiling must
// come from the device origin, not from the rectangle's corner.
constexpr RECT kArea{3, 5, 21, 19};
constexpr int kSize = 24;

bool Inside(int x, int y) { return x >= kArea.left && x < kArea.right && y >= kArea.top && y < kArea.bottom; }

// What each pixel should hold: `line`, `gap`, or the `untouched` value
// outside the rectangle (and in transparent gaps).
template <class Read, class T>
void ExpectPicture(const HatchCase& hatch, bool opaque, Read read, T line, T gap, T untouched) {
    std::string differences;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            T expected = untouched;
            if (Inside(x, y)) {
                const bool isLine = hatch.picture[static_cast<std::size_t>(y % 8)][x % 8] == '#';
                expected = isLine ? line : (opaque ? gap : untouched);
            }
            if (read(x, y) != expected) differences += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
    }
    EXPECT_EQ(differences, "") << hatch.name << (opaque ? " opaque" : " transparent") << ": pixels that differ";
}

class HatchFill : public ::testing::TestWithParam<bool> {};  // parameter: OPAQUE

TEST_P(HatchFill, OnAn8BitDib) {
    const bool opaque = GetParam();
    for (const HatchCase& hatch : kHatches) {
        DibCanvas canvas(kSize, kSize, 8);
        testing::Fill(canvas.dc(), 0, 0, kSize, kSize, PALETTEINDEX(9));
        SetBkMode(canvas.dc(), opaque ? OPAQUE : TRANSPARENT);
        SetBkColor(canvas.dc(), PALETTEINDEX(2));
        HBRUSH brush = testing::HatchBrush(hatch.style, PALETTEINDEX(1));
        EXPECT_EQ(FillRect(canvas.dc(), &kArea, brush), 1);
        const std::uint8_t* bits = canvas.bits();
        const int stride = kSize;  // 24 bytes: already a whole number of words
        ExpectPicture<>(hatch, opaque, [&](int x, int y) { return int{bits[y * stride + x]}; }, 1, 2, 9);
        DeleteObject(brush);
    }
}

TEST_P(HatchFill, OnAWindowSurface) {
    const bool opaque = GetParam();
    for (const HatchCase& hatch : kHatches) {
        SurfaceCanvas window(kSize, kSize);
        testing::Fill(window.dc(), 0, 0, kSize, kSize, RGB(0, 255, 0));
        SetBkMode(window.dc(), opaque ? OPAQUE : TRANSPARENT);
        SetBkColor(window.dc(), RGB(0, 0, 255));
        HBRUSH brush = testing::HatchBrush(hatch.style, RGB(255, 0, 0));
        const std::uint64_t version = window.surface().Version();
        EXPECT_EQ(FillRect(window.dc(), &kArea, brush), 1);
        EXPECT_NE(window.surface().Version(), version) << "the display must learn of the change";
        ExpectPicture<>(hatch, opaque, [&](int x, int y) { return window.Pixel(x, y); }, 0xFF0000u, 0x0000FFu, 0x00FF00u);
        DeleteObject(brush);
    }
}

TEST_P(HatchFill, RopDoesNotApply) {
    const bool opaque = GetParam();
    DibCanvas canvas(kSize, kSize, 32);
    SetROP2(canvas.dc(), R2_NOT);
    SetBkMode(canvas.dc(), opaque ? OPAQUE : TRANSPARENT);
    SetBkColor(canvas.dc(), RGB(1, 1, 1));
    HBRUSH brush = testing::HatchBrush(HS_CROSS, RGB(200, 100, 50));
    FillRect(canvas.dc(), &kArea, brush);
    ExpectPicture<>(kHatches[HS_CROSS], opaque, [&](int x, int y) { return GetPixel(canvas.dc(), x, y); },
                    RGB(200, 100, 50), RGB(1, 1, 1), RGB(0, 0, 0));
    DeleteObject(brush);
}

INSTANTIATE_TEST_SUITE_P(BackgroundModes, HatchFill, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Opaque" : "Transparent"; });

TEST(HatchFillOrigin, APatternFromTheDeviceOriginMatchesAcrossAdjacentFills) {
    // Two fills that meet at x = 5 must continue the same diagonal.
    DibCanvas canvas(16, 8, 8);
    SetBkMode(canvas.dc(), TRANSPARENT);
    HBRUSH brush = testing::HatchBrush(HS_FDIAGONAL, PALETTEINDEX(1));
    RECT left{0, 0, 5, 8};
    RECT right{5, 0, 16, 8};
    FillRect(canvas.dc(), &left, brush);
    FillRect(canvas.dc(), &right, brush);
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(canvas.bits()[y * 16 + y], 1) << y;
        EXPECT_EQ(canvas.bits()[y * 16 + y + 8], 1) << y;
    }
    DeleteObject(brush);
}

}  // namespace
}  // namespace lumenbox::win
