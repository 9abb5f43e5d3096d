// The sixteen raster operations on palette indices and on RGB values, as
// SetPixel, SetPixelV and LineTo apply them, and SetPixel's result.
#include <string>

#include "drawing_pictures.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::IndexAt;
using testing::ScopedPen;

// Pen P combined with destination D, for P = index 5 and D = index 3 on 8
// and 4 bits, and for P = 0xF0CC0F and D = 0x33AA55 on 32 bits.
struct Rop2Case {
    int mode;
    const char* name;
    unsigned eightBits;
    unsigned fourBits;
    std::uint32_t rgb;
};

const Rop2Case kModes[] = {
    {R2_BLACK, "black", 0x00, 0x0, 0x000000},         {R2_NOTMERGEPEN, "notmergepen", 0xF8, 0x8, 0x0C11A0},
    {R2_MASKNOTPEN, "masknotpen", 0x02, 0x2, 0x032250}, {R2_NOTCOPYPEN, "notcopypen", 0xFA, 0xA, 0x0F33F0},
    {R2_MASKPENNOT, "maskpennot", 0x04, 0x4, 0xC0440A}, {R2_NOT, "not", 0xFC, 0xC, 0xCC55AA},
    {R2_XORPEN, "xorpen", 0x06, 0x6, 0xC3665A},         {R2_NOTMASKPEN, "notmaskpen", 0xFE, 0xE, 0xCF77FA},
    {R2_MASKPEN, "maskpen", 0x01, 0x1, 0x308805},       {R2_NOTXORPEN, "notxorpen", 0xF9, 0x9, 0x3C99A5},
    {R2_NOP, "nop", 0x03, 0x3, 0x33AA55},               {R2_MERGENOTPEN, "mergenotpen", 0xFB, 0xB, 0x3FBBF5},
    {R2_COPYPEN, "copypen", 0x05, 0x5, 0xF0CC0F},       {R2_MERGEPENNOT, "mergepennot", 0xFD, 0xD, 0xFCDDAF},
    {R2_MERGEPEN, "mergepen", 0x07, 0x7, 0xF3EE5F},     {R2_WHITE, "white", 0xFF, 0xF, 0xFFFFFF},
};

class Rop2 : public ::testing::TestWithParam<Rop2Case> {};

constexpr COLORREF kPenRgb = RGB(0xF0, 0xCC, 0x0F);
constexpr COLORREF kDestinationRgb = RGB(0x33, 0xAA, 0x55);

COLORREF ColorrefOf(std::uint32_t rgb) {
    return RGB(static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb));
}

TEST_P(Rop2, CombinesPaletteIndicesOnEightBits) {
    DibCanvas canvas(3, 1, 8);
    for (int x = 0; x < 3; ++x) SetPixelV(canvas.dc(), x, 0, PALETTEINDEX(3));
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, PALETTEINDEX(5));
    SetROP2(canvas.dc(), GetParam().mode);
    SetPixel(canvas.dc(), 0, 0, PALETTEINDEX(5));
    SetPixelV(canvas.dc(), 1, 0, PALETTEINDEX(5));
    MoveToEx(canvas.dc(), 2, 0, nullptr);
    LineTo(canvas.dc(), 3, 0);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(IndexAt(canvas, 3, x, 0), GetParam().eightBits) << "pixel " << x;
}

TEST_P(Rop2, MasksToFourBits) {
    DibCanvas canvas(2, 1, 4,
                     {RGB(0, 0, 0), RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0), RGB(6, 0, 0),
                      RGB(7, 0, 0), RGB(8, 0, 0), RGB(9, 0, 0), RGB(10, 0, 0), RGB(11, 0, 0), RGB(12, 0, 0),
                      RGB(13, 0, 0), RGB(14, 0, 0), RGB(15, 0, 0)});
    SetPixelV(canvas.dc(), 0, 0, PALETTEINDEX(3));
    SetPixelV(canvas.dc(), 1, 0, PALETTEINDEX(3));
    SetROP2(canvas.dc(), GetParam().mode);
    const COLORREF shown = SetPixel(canvas.dc(), 0, 0, PALETTEINDEX(5));
    EXPECT_EQ(shown, RGB(static_cast<BYTE>(GetParam().fourBits), 0, 0)) << "SetPixel returns the colour it left";
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(static_cast<BYTE>(GetParam().fourBits), 0, 0));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), RGB(3, 0, 0)) << "the neighbour in the same byte is untouched";
}

TEST_P(Rop2, CombinesRgbOnThirtyTwoBits) {
    DibCanvas canvas(3, 1, 32);
    for (int x = 0; x < 3; ++x) SetPixelV(canvas.dc(), x, 0, kDestinationRgb);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, kPenRgb);
    SetROP2(canvas.dc(), GetParam().mode);
    const COLORREF expected = ColorrefOf(GetParam().rgb);
    EXPECT_EQ(SetPixel(canvas.dc(), 0, 0, kPenRgb), expected);
    EXPECT_EQ(SetPixelV(canvas.dc(), 1, 0, kPenRgb), TRUE);
    MoveToEx(canvas.dc(), 2, 0, nullptr);
    LineTo(canvas.dc(), 3, 0);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(GetPixel(canvas.dc(), x, 0), expected) << "pixel " << x;
}

TEST_P(Rop2, CombinesRgbOnAWindowSurface) {
    testing::SurfaceCanvas window(2, 1);
    SetPixelV(window.dc(), 0, 0, kDestinationRgb);
    SetPixelV(window.dc(), 1, 0, kDestinationRgb);
    SetROP2(window.dc(), GetParam().mode);
    ScopedPen pen(window.dc(), PS_SOLID, 4, kPenRgb);  // a wide pen: once per pixel still
    MoveToEx(window.dc(), 0, 0, nullptr);
    LineTo(window.dc(), 1, 0);
    EXPECT_EQ(window.Pixel(0, 0), GetParam().rgb);
    EXPECT_EQ(window.Pixel(1, 0), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(Modes, Rop2, ::testing::ValuesIn(kModes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SetPixel, ReturnsTheNearestColourActuallySet) {
    DibCanvas canvas(2, 1, 8, {RGB(0, 0, 0), RGB(9, 9, 9), RGB(200, 0, 0)});
    EXPECT_EQ(SetPixel(canvas.dc(), 0, 0, RGB(10, 10, 10)), RGB(9, 9, 9));
    EXPECT_EQ(IndexAt(canvas, 2, 0, 0), 1u);
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 0, PALETTEINDEX(2)), RGB(200, 0, 0));
}

TEST(SetPixel, FailsOutsideAndOnBadHandles) {
    constexpr COLORREF kFailed = static_cast<COLORREF>(-1);
    DibCanvas canvas(2, 2, 32);
    EXPECT_EQ(SetPixel(canvas.dc(), 2, 0, 0), kFailed);
    EXPECT_EQ(SetPixel(canvas.dc(), 0, -1, 0), kFailed);
    HRGN region = CreateRectRgn(1, 1, 2, 2);
    SelectClipRgn(canvas.dc(), region);
    DeleteObject(region);
    EXPECT_EQ(SetPixel(canvas.dc(), 0, 0, RGB(1, 2, 3)), kFailed);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(nullptr, 0, 0, 0), kFailed);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_EQ(SetPixel(stale, 0, 0, 0), kFailed);
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{640, 480, 32});
    EXPECT_EQ(SetPixel(screen, 5, 5, RGB(7, 8, 9)), RGB(7, 8, 9)) << "the screen DC accepts and keeps nothing";
    detail::DestroySurfaceDC(screen);
}

}  // namespace
}  // namespace lumenbox::win
