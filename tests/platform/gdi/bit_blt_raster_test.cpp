// BitBlt's raster operations besides SRCCOPY: on the indices of indexed
// bitmaps of one depth, on RGB values of direct targets, on indices after
// conversion otherwise; overlapping blocks, clipping, and the operations
// that take no source.
#include <array>
#include <climits>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "dib_test_support.h"
#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::SurfaceCanvas;

// A raster operation and its results on two fixed inputs: four 8-bit
// indices, and one RGB pair.
struct RopCase {
    const char* name;
    DWORD rop;
    std::array<std::uint8_t, 4> indices;  // target {33 33 F0 FF} with source {0F 3C AA 55}
    std::uint32_t rgb;                    // target 0x0FF055 with source 0xF00F33
};

constexpr std::array<std::uint8_t, 4> kSourceIndices{0x0F, 0x3C, 0xAA, 0x55};
constexpr std::array<std::uint8_t, 4> kTargetIndices{0x33, 0x33, 0xF0, 0xFF};
constexpr std::uint32_t kSourceRgb = 0xF00F33;
constexpr std::uint32_t kTargetRgb = 0x0FF055;

const RopCase kRopCases[] = {
    {"SRCCOPY", SRCCOPY, {0x0F, 0x3C, 0xAA, 0x55}, 0xF00F33},
    {"SRCINVERT", SRCINVERT, {0x3C, 0x0F, 0x5A, 0xAA}, 0xFFFF66},
    {"SRCPAINT", SRCPAINT, {0x3F, 0x3F, 0xFA, 0xFF}, 0xFFFF77},
    {"SRCAND", SRCAND, {0x03, 0x30, 0xA0, 0x55}, 0x000011},
    {"NOTSRCCOPY", NOTSRCCOPY, {0xF0, 0xC3, 0x55, 0xAA}, 0x0FF0CC},
    {"BLACKNESS", BLACKNESS, {0x00, 0x00, 0x00, 0x00}, 0x000000},
    {"WHITENESS", WHITENESS, {0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFFFF},
    {"DSTINVERT", DSTINVERT, {0xCC, 0xCC, 0x0F, 0x00}, 0xF00FAA},
};

void PrintTo(const RopCase& c, std::ostream* out) { *out << c.name; }

class RasterOperations : public ::testing::TestWithParam<RopCase> {};

TEST_P(RasterOperations, WorkOnTheIndicesOfIndexedBitmapsOfOneDepth) {
    // Both tables all black: any trip through colours would end at index 0.
    DibCanvas source(4, 1, 8);
    DibCanvas target(4, 1, 8);
    std::memcpy(source.bits(), kSourceIndices.data(), 4);
    std::memcpy(target.bits(), kTargetIndices.data(), 4);
    ASSERT_EQ(BitBlt(target.dc(), 0, 0, 4, 1, source.dc(), 0, 0, GetParam().rop), TRUE);
    const std::array<std::uint8_t, 4> got{target.bits()[0], target.bits()[1], target.bits()[2], target.bits()[3]};
    EXPECT_EQ(got, GetParam().indices);
}

TEST_P(RasterOperations, WorkOnRgbFromAnIndexedBitmapToAWindow) {
    DibCanvas source(1, 1, 8, {RGB(0, 0, 0), RGB(0xF0, 0x0F, 0x33)});
    SetPixelV(source.dc(), 0, 0, PALETTEINDEX(1));
    SurfaceCanvas window(2, 1);
    Fill(window.dc(), 0, 0, 2, 1, RGB(0x0F, 0xF0, 0x55));
    ASSERT_EQ(BitBlt(window.dc(), 1, 0, 1, 1, source.dc(), 0, 0, GetParam().rop), TRUE);
    EXPECT_EQ(window.Pixel(1, 0), GetParam().rgb);
    EXPECT_EQ(window.Pixel(0, 0), kTargetRgb) << "outside the block";
}

TEST_P(RasterOperations, WorkOnRgbBetween32BitBitmaps) {
    DibCanvas source(1, 1, 32);
    DibCanvas target(1, 1, 32);
    std::memcpy(source.bits(), &kSourceRgb, 4);
    std::memcpy(target.bits(), &kTargetRgb, 4);
    ASSERT_EQ(BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, GetParam().rop), TRUE);
    std::uint32_t word = 0;
    std::memcpy(&word, target.bits(), 4);
    EXPECT_EQ(word, GetParam().rgb) << "no bits above the colour";
}

INSTANTIATE_TEST_SUITE_P(Rops, RasterOperations, ::testing::ValuesIn(kRopCases),
                         [](const ::testing::TestParamInfo<RopCase>& param) { return std::string(param.param.name); });

TEST(BitBltRaster, FourBitResultsKeepToTheDepthsBits) {
    struct Case {
        DWORD rop;
        std::uint8_t first, second;  // the two bytes after the blit
    };
    // Target pixels {A 1 7}, source {3 E}; only the first two are blitted.
    for (Case c : {Case{NOTSRCCOPY, 0xC1, 0x70}, Case{DSTINVERT, 0x5E, 0x70}, Case{WHITENESS, 0xFF, 0x70},
                   Case{SRCINVERT, 0x9F, 0x70}, Case{BLACKNESS, 0x00, 0x70}}) {
        DibCanvas source(2, 1, 4);
        DibCanvas target(3, 1, 4);
        source.bits()[0] = 0x3E;
        target.bits()[0] = 0xA1;
        target.bits()[1] = 0x70;
        ASSERT_EQ(BitBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, c.rop), TRUE);
        EXPECT_EQ(target.bits()[0], c.first) << std::hex << c.rop;
        EXPECT_EQ(target.bits()[1], c.second) << std::hex << c.rop;
    }
}

TEST(BitBltRaster, OtherSourcesAreConvertedToTheTargetsIndicesFirst) {
    // 8-bit index 2 is green; in the 4-bit table the nearest is index 2.
    DibCanvas source(1, 1, 8, {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 255, 0)});
    SetPixelV(source.dc(), 0, 0, PALETTEINDEX(2));
    DibCanvas four(1, 1, 4, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 250, 0), RGB(0, 0, 255)});
    SetPixelV(four.dc(), 0, 0, PALETTEINDEX(3));
    BitBlt(four.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCINVERT);
    EXPECT_EQ(four.bits()[0] >> 4, 3 ^ 2);
    BitBlt(four.dc(), 0, 0, 1, 1, source.dc(), 0, 0, NOTSRCCOPY);
    EXPECT_EQ(four.bits()[0] >> 4, 0xD) << "~2 in four bits";

    // A window's colours: (250, 5, 5) is nearest entry 1, (5, 5, 250) entry 3.
    SurfaceCanvas window(2, 1);
    Fill(window.dc(), 0, 0, 1, 1, RGB(250, 5, 5));
    Fill(window.dc(), 1, 0, 2, 1, RGB(5, 5, 250));
    DibCanvas canvas(2, 1, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)});
    Fill(canvas.dc(), 0, 0, 2, 1, PALETTEINDEX(2));
    BitBlt(canvas.dc(), 0, 0, 2, 1, window.dc(), 0, 0, SRCPAINT);
    EXPECT_EQ(canvas.bits()[0], 2 | 1);
    EXPECT_EQ(canvas.bits()[1], 2 | 3);
}

TEST(BitBltRaster, SixteenBitTargetsCombineTheirComponents) {
    testing::HeaderCanvas target(testing::BitfieldsHeader(1, -1, 16, testing::kMasks565));
    testing::HeaderCanvas source(testing::BitfieldsHeader(1, -1, 16, testing::kMasks565));
    SetPixelV(target.dc(), 0, 0, RGB(0xFF, 0x80, 0x0F));  // 0xFC01
    SetPixelV(source.dc(), 0, 0, RGB(0x12, 0x34, 0x56));  // 0x11AA
    BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCINVERT);
    EXPECT_EQ(target.Word(1, 0, 0), 0xFC01 ^ 0x11AA) << "XOR of RGB repacks to XOR of the fields";
    BitBlt(target.dc(), 0, 0, 1, 1, nullptr, 0, 0, WHITENESS);
    EXPECT_EQ(target.Word(1, 0, 0), 0xFFFF);
    testing::HeaderCanvas five(testing::DibHeader(1, -1, 16));
    BitBlt(five.dc(), 0, 0, 1, 1, nullptr, 0, 0, WHITENESS);
    EXPECT_EQ(five.Word(1, 0, 0), 0x7FFF) << "bit 15 of 5-5-5 is no colour";
}

// Rows of `width` 8-bit values with a pattern that differs between
// neighbours, so that a value read after its overwrite would show.
std::vector<std::uint8_t> Pattern(int width, int height) {
    std::vector<std::uint8_t> values;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) values.push_back(static_cast<std::uint8_t>((x * 7 + y * 13) % 251));
    return values;
}

TEST(BitBltRaster, OverlappingBlocksCombineWithTheSourceAsItWas) {
    constexpr int kWidth = 600;  // more than one chunk of a row
    const std::vector<std::uint8_t> before = Pattern(kWidth, 3);
    auto at = [&](int x, int y) { return before[static_cast<std::size_t>(y * kWidth + x)]; };

    // Right by 3 and down by 1.
    DibCanvas down(kWidth, 3, 8);
    std::memcpy(down.bits(), before.data(), before.size());
    ASSERT_EQ(BitBlt(down.dc(), 3, 1, kWidth - 3, 2, down.dc(), 0, 0, SRCINVERT), TRUE);
    std::string wrong;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int expected = (y >= 1 && x >= 3) ? (at(x, y) ^ at(x - 3, y - 1)) : at(x, y);
            if (down.bits()[y * kWidth + x] != expected) wrong += std::to_string(x) + "," + std::to_string(y) + " ";
        }
    EXPECT_EQ(wrong, "");

    // Left by 10 and up by 1.
    DibCanvas up(kWidth, 3, 8);
    std::memcpy(up.bits(), before.data(), before.size());
    ASSERT_EQ(BitBlt(up.dc(), 0, 0, kWidth - 10, 2, up.dc(), 10, 1, SRCAND), TRUE);
    wrong.clear();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int expected = (y <= 1 && x < kWidth - 10) ? (at(x, y) & at(x + 10, y + 1)) : at(x, y);
            if (up.bits()[y * kWidth + x] != expected) wrong += std::to_string(x) + "," + std::to_string(y) + " ";
        }
    EXPECT_EQ(wrong, "");
}

TEST(BitBltRaster, ClipsAndTakesNoSourceWhereNoneIsUsed) {
    DibCanvas canvas(4, 1, 8);
    std::memcpy(canvas.bits(), kTargetIndices.data(), 4);
    HRGN region = CreateRectRgn(1, 0, 3, 1);
    SelectClipRgn(canvas.dc(), region);
    DeleteObject(region);
    EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, 4, 1, nullptr, 0, 0, DSTINVERT), TRUE);
    const std::array<std::uint8_t, 4> got{canvas.bits()[0], canvas.bits()[1], canvas.bits()[2], canvas.bits()[3]};
    EXPECT_EQ(got, (std::array<std::uint8_t, 4>{0x33, 0xCC, 0x0F, 0xFF}));

    const HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, 4, 1, stale, 0, 0, BLACKNESS), TRUE) << "the source is not looked at";
    EXPECT_EQ(canvas.bits()[1], 0);
    EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, 4, 1, nullptr, 0, 0, SRCINVERT), FALSE) << "this one needs a source";
    EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, 4, 1, stale, 0, 0, SRCPAINT), FALSE);
    EXPECT_EQ(BitBlt(stale, 0, 0, 4, 1, nullptr, 0, 0, WHITENESS), FALSE);
    EXPECT_EQ(canvas.bits()[1], 0) << "nothing drawn by the refused calls";
}

TEST(BitBltRaster, RefusesUnknownCodesAndSurvivesHugeBlocks) {
    DibCanvas canvas(3, 2, 8);
    for (DWORD rop : {0x00F00021u /* PATCOPY */, 0x005A0049u /* PATINVERT */, 0x00C000CAu /* MERGECOPY */, 0u,
                      SRCINVERT | 0x01000000u}) {
        EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, 3, 2, canvas.dc(), 0, 0, rop), FALSE) << std::hex << rop;
    }
    // The block ends at -1: nothing visible.
    EXPECT_EQ(BitBlt(canvas.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, nullptr, 0, 0, DSTINVERT), TRUE);
    EXPECT_EQ(canvas.bits()[0], 0);
    EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, INT_MAX, INT_MAX, canvas.dc(), INT_MIN, INT_MIN, SRCINVERT), TRUE);
    EXPECT_EQ(canvas.bits()[0], 0);
    EXPECT_EQ(BitBlt(canvas.dc(), 0, 0, INT_MAX, INT_MAX, nullptr, 0, 0, DSTINVERT), TRUE);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(canvas.bits()[i], 0xFF) << i;
    EXPECT_EQ(canvas.bits()[4], 0xFF) << "second row";

    HDC screen = detail::CreateScreenDC(display::ScreenInfo{100, 100, 32});
    EXPECT_EQ(BitBlt(screen, 0, 0, 10, 10, nullptr, 0, 0, BLACKNESS), TRUE) << "the screen keeps nothing";
    detail::DestroySurfaceDC(screen);
}

}  // namespace
}  // namespace lumenbox::win
