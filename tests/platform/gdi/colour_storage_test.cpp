// What a colour becomes in a pixel: an index on indexed bitmaps, a colour
// on 32-bit targets.
#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::SurfaceCanvas;

TEST(ColourStorage, PaletteIndexStoresTheIndexSoTableChangesRecolour) {
    // Entries 1 and 2 share a colour; what was drawn with each must follow
    // its own entry later (palette cycling).
    DibCanvas canvas(4, 1, 8, {RGB(0, 0, 0), RGB(10, 20, 30), RGB(10, 20, 30)});
    Fill(canvas.dc(), 0, 0, 1, 1, PALETTEINDEX(1));
    Fill(canvas.dc(), 1, 0, 2, 1, PALETTEINDEX(2));
    EXPECT_EQ(canvas.bits()[0], 1);
    EXPECT_EQ(canvas.bits()[1], 2);

    RGBQUAD red{0, 0, 255, 0};
    EXPECT_EQ(SetDIBColorTable(canvas.dc(), 2, 1, &red), 1u);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), RGB(255, 0, 0));
}

TEST(ColourStorage, PaletteIndexIsReducedModuloTheTableSize) {
    DibCanvas eight(2, 1, 8);
    Fill(eight.dc(), 0, 0, 1, 1, PALETTEINDEX(256 + 7));
    EXPECT_EQ(eight.bits()[0], 7);
    DibCanvas four(2, 1, 4);
    Fill(four.dc(), 0, 0, 1, 1, PALETTEINDEX(19));
    EXPECT_EQ(four.bits()[0] >> 4, 3);
    DibCanvas one(8, 1, 1);
    Fill(one.dc(), 0, 0, 1, 1, PALETTEINDEX(5));
    EXPECT_EQ(one.bits()[0], 0x80);
}

TEST(ColourStorage, ColorrefStoresTheNearestTableEntry) {
    DibCanvas canvas(3, 1, 8, {RGB(0, 0, 0), RGB(250, 0, 0), RGB(0, 250, 0), RGB(250, 0, 0)});
    Fill(canvas.dc(), 0, 0, 1, 1, RGB(255, 10, 10));
    Fill(canvas.dc(), 1, 0, 2, 1, RGB(0, 200, 0));
    Fill(canvas.dc(), 2, 0, 3, 1, RGB(255, 255, 255));
    EXPECT_EQ(canvas.bits()[0], 1) << "lowest of the two reds";
    EXPECT_EQ(canvas.bits()[1], 2);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(250, 0, 0));

    // Answers must follow the table after it changes.
    RGBQUAD white{255, 255, 255, 0};
    SetDIBColorTable(canvas.dc(), 40, 1, &white);
    Fill(canvas.dc(), 2, 0, 3, 1, RGB(255, 255, 255));
    EXPECT_EQ(canvas.bits()[2], 40);
}

TEST(ColourStorage, ColorrefNearestFollowsEveryTableChange) {
    // A full 256-entry table, so nearest answers come from the cache.
    DibCanvas canvas(1, 1, 8);
    RGBQUAD ramp[256];
    for (int i = 0; i < 256; ++i) ramp[i] = RGBQUAD{0, 0, static_cast<BYTE>(i), 0};
    ASSERT_EQ(SetDIBColorTable(canvas.dc(), 0, 256, ramp), 256u);
    Fill(canvas.dc(), 0, 0, 1, 1, RGB(100, 0, 0));
    EXPECT_EQ(canvas.bits()[0], 100);
    RGBQUAD blue{255, 0, 0, 0};
    SetDIBColorTable(canvas.dc(), 100, 1, &blue);
    Fill(canvas.dc(), 0, 0, 1, 1, RGB(100, 0, 0));
    EXPECT_EQ(canvas.bits()[0], 99) << "entry 100 is blue now";
}

TEST(ColourStorage, PaletteIndexOnA32BitTargetDrawsTheDcPaletteEntry) {
    SurfaceCanvas window(4, 1);
    // No palette selected: the stock default palette (entry 13 is red).
    Fill(window.dc(), 0, 0, 1, 1, PALETTEINDEX(13));
    EXPECT_EQ(window.Pixel(0, 0), 0xFF0000u);

    HPALETTE palette = testing::MakePalette({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)});
    SelectPalette(window.dc(), palette, TRUE);
    Fill(window.dc(), 1, 0, 2, 1, PALETTEINDEX(1));
    Fill(window.dc(), 2, 0, 3, 1, PALETTEINDEX(5));  // 5 mod 3
    Fill(window.dc(), 3, 0, 4, 1, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(window.Pixel(1, 0), 0x040506u);
    EXPECT_EQ(window.Pixel(2, 0), 0x070809u);
    EXPECT_EQ(window.Pixel(3, 0), 0x112233u) << "COLORREF 0x00BBGGRR becomes 0x00RRGGBB";
    EXPECT_EQ(GetPixel(window.dc(), 3, 0), RGB(0x11, 0x22, 0x33));
    SelectPalette(window.dc(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
    DeleteObject(palette);
}

TEST(ColourStorage, HighBitsOtherThanPaletteIndexAreNoColour) {
    DibCanvas canvas(1, 1, 32);
    Fill(canvas.dc(), 0, 0, 1, 1, 0x02000000u | RGB(9, 8, 7));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(9, 8, 7));
}

}  // namespace
}  // namespace lumenbox::win
