// Logical palettes and the nearest-entry search.
#include <algorithm>
#include <iterator>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::MakePalette;

TEST(Palettes, CreationRefusesBadRecords) {
    LOGPALETTE record{};
    record.palVersion = 0x300;
    record.palNumEntries = 0;
    EXPECT_EQ(CreatePalette(&record), nullptr);
    record.palNumEntries = 257;
    EXPECT_EQ(CreatePalette(&record), nullptr);
    record.palNumEntries = 256;
    record.palVersion = 0x200;
    EXPECT_EQ(CreatePalette(&record), nullptr);
    record.palVersion = 0x300;
    HPALETTE palette = CreatePalette(&record);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(GetObjectType(palette), OBJ_PAL);
    WORD size = 0;
    EXPECT_EQ(GetObjectA(palette, sizeof size, &size), 2);
    EXPECT_EQ(size, 256);
    DeleteObject(palette);
}

TEST(Palettes, EntriesAreClippedToThePalette) {
    HPALETTE palette = MakePalette({RGB(0, 0, 0), RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)});
    PALETTEENTRY in[3] = {{10, 20, 30, 4}, {40, 50, 60, 0}, {70, 80, 90, 0}};
    EXPECT_EQ(SetPaletteEntries(palette, 2, 3, in), 2u) << "only entries 2 and 3 exist";
    EXPECT_EQ(SetPaletteEntries(palette, 4, 1, in), 0u);
    EXPECT_EQ(SetPaletteEntries(palette, 0xFFFFFFFFu, 2, in), 0u);
    EXPECT_EQ(SetPaletteEntries(palette, 0, 1, nullptr), 0u);

    PALETTEENTRY out[4] = {};
    EXPECT_EQ(GetPaletteEntries(palette, 1, 10, out), 3u);
    EXPECT_EQ(out[0].peRed, 1);
    EXPECT_EQ(out[1].peRed, 10);
    EXPECT_EQ(out[1].peGreen, 20);
    EXPECT_EQ(out[1].peBlue, 30);
    EXPECT_EQ(out[1].peFlags, 4);
    EXPECT_EQ(out[2].peBlue, 60);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 4u) << "no buffer: the size";
    DeleteObject(palette);
}

TEST(Palettes, ResizeKeepsEntriesAndAddsBlack) {
    HPALETTE palette = MakePalette({RGB(9, 9, 9), RGB(8, 8, 8)});
    EXPECT_EQ(ResizePalette(palette, 0), FALSE);
    EXPECT_EQ(ResizePalette(palette, 257), FALSE);
    EXPECT_EQ(ResizePalette(palette, 4), TRUE);
    PALETTEENTRY out[4];
    std::fill(std::begin(out), std::end(out), PALETTEENTRY{1, 1, 1, 1});
    EXPECT_EQ(GetPaletteEntries(palette, 0, 4, out), 4u);
    EXPECT_EQ(out[1].peRed, 8);
    EXPECT_EQ(out[3].peRed, 0);
    EXPECT_EQ(out[3].peFlags, 0);
    EXPECT_EQ(ResizePalette(palette, 1), TRUE);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 4, out), 1u);
    DeleteObject(palette);
}

TEST(Palettes, SelectAndRealize) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPALETTE palette = MakePalette({RGB(0, 0, 0), RGB(1, 1, 1), RGB(2, 2, 2)});
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(RealizePalette(dc), 20u) << "the default palette's 20 colours";
    EXPECT_EQ(SelectPalette(dc, palette, TRUE), stock);
    EXPECT_EQ(RealizePalette(dc), 3u);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), palette);
    EXPECT_EQ(SelectPalette(dc, stock, TRUE), palette);
    DeleteDC(dc);
    DeleteObject(palette);
}

TEST(NearestPaletteIndex, ExactMatchWins) {
    HPALETTE palette = MakePalette({RGB(10, 10, 10), RGB(200, 0, 0), RGB(11, 10, 10)});
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(11, 10, 10)), 2u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(200, 0, 0)), 1u);
    DeleteObject(palette);
}

TEST(NearestPaletteIndex, LeastSquaredDistanceOtherwise) {
    // Entry 1 is nearer in squared distance (3*20^2 = 1200) than entry 2
    // (35^2 = 1225), though entry 2 differs in one component only.
    HPALETTE palette = MakePalette({RGB(0, 0, 0), RGB(120, 120, 120), RGB(135, 100, 100)});
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(100, 100, 100)), 1u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(20, 20, 20)), 0u);
    DeleteObject(palette);
}

TEST(NearestPaletteIndex, LowestIndexAmongEquals) {
    HPALETTE palette = MakePalette({RGB(0, 0, 0), RGB(50, 50, 50), RGB(70, 70, 70), RGB(50, 50, 50)});
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(60, 60, 60)), 1u) << "1 and 2 are equally near";
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(50, 50, 50)), 1u) << "1 and 3 both match exactly";
    DeleteObject(palette);
}

TEST(NearestPaletteIndex, HighBitsAreIgnored) {
    HPALETTE palette = MakePalette({RGB(0, 0, 0), RGB(255, 255, 255), RGB(5, 6, 7)});
    EXPECT_EQ(GetNearestPaletteIndex(palette, CLR_INVALID), 1u) << "CLR_INVALID reads as white";
    EXPECT_EQ(GetNearestPaletteIndex(palette, 0x01000000u | RGB(5, 6, 7)), 2u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, 0x02000000u), 0u);
    DeleteObject(palette);
}

// A 256-entry palette like the demo's: many entries, so answers come from
// the cache; each change must still be seen at once.
TEST(NearestPaletteIndex, EveryPaletteChangeIsSeen) {
    LOGPALETTE record{};
    record.palVersion = 0x300;
    record.palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
        record.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i), 0};
    HPALETTE palette = CreatePalette(&record);
    const COLORREF probe = RGB(40, 200, 40);
    const UINT before = GetNearestPaletteIndex(palette, probe);
    EXPECT_EQ(GetNearestPaletteIndex(palette, probe), before) << "asked twice";
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(77, 0, 178)), 77u);

    PALETTEENTRY green{40, 200, 40, 0};
    EXPECT_EQ(SetPaletteEntries(palette, 200, 1, &green), 1u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, probe), 200u);

    PALETTEENTRY lower{40, 200, 40, 0};
    SetPaletteEntries(palette, 3, 1, &lower);
    EXPECT_EQ(GetNearestPaletteIndex(palette, probe), 3u) << "a lower exact match appeared";

    PALETTEENTRY away{0, 0, 0, 0};
    SetPaletteEntries(palette, 3, 1, &away);
    EXPECT_EQ(GetNearestPaletteIndex(palette, probe), 200u) << "and went again";

    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(77, 0, 178)), 77u);
    ASSERT_EQ(ResizePalette(palette, 50), TRUE);
    EXPECT_EQ(GetNearestPaletteIndex(palette, probe), 3u) << "200 is gone; black entry 3 is nearest";
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(77, 0, 178)), 49u) << "77 is gone; 49 is nearest";

    PALETTEENTRY original{3, 0, 252, 0};
    SetPaletteEntries(palette, 3, 1, &original);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(0, 0, 0)), 49u) << "no black entry left";
    ASSERT_EQ(ResizePalette(palette, 256), TRUE);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(0, 0, 0)), 50u) << "the new entries are black";
    DeleteObject(palette);
}

TEST(NearestPaletteIndex, PalettesDoNotShareAnswers) {
    LOGPALETTE record{};
    record.palVersion = 0x300;
    record.palNumEntries = 64;
    for (int i = 0; i < 64; ++i) record.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(4 * i), 0, 0, 0};
    HPALETTE first = CreatePalette(&record);
    for (int i = 0; i < 64; ++i) record.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(252 - 4 * i), 0, 0, 0};
    HPALETTE second = CreatePalette(&record);
    EXPECT_EQ(GetNearestPaletteIndex(first, RGB(8, 0, 0)), 2u);
    EXPECT_EQ(GetNearestPaletteIndex(second, RGB(8, 0, 0)), 61u);
    DeleteObject(first);
    DeleteObject(second);
}

}  // namespace
}  // namespace lumenbox::win
