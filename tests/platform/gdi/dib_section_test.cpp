// DIB sections: headers, depths, storage order, colour tables, compatible
// bitmaps; and single pixels on them.
#include <climits>
#include <cstring>

#include "dib_test_support.h"
#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::DibHeader;

TEST(DibSection, RefusesBadHeaders) {
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr) << "no pixels for a refused bitmap";
    struct Case {
        LONG width, height;
        WORD bits;
    };
    for (Case c : {Case{0, 4, 8}, Case{4, 0, 8}, Case{-4, 4, 8}, Case{32768, 1, 8}, Case{1, 32768, 8}, Case{1, -32768, 8},
                   Case{4, INT_MIN, 8}, Case{4, 4, 2}, Case{4, 4, 15}, Case{4, 4, 0}, Case{32767, 32767, 32}}) {
        BITMAPINFO info = DibHeader(c.width, c.height, c.bits);
        EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr)
            << c.width << " x " << c.height << " x " << c.bits;
    }
    BITMAPINFO info = DibHeader(4, 4, 8);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, 1, nullptr, nullptr, 0), nullptr) << "DIB_PAL_COLORS";
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, reinterpret_cast<HANDLE>(1), 0), nullptr);
    info.bmiHeader.biClrUsed = 257;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    info = DibHeader(4, 4, 8);
    info.bmiHeader.biPlanes = 2;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    info = DibHeader(4, 4, 8);
    info.bmiHeader.biCompression = 1;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    info = DibHeader(4, 4, 8);
    for (DWORD size : {12u, 108u}) {
        info.bmiHeader.biSize = size;
        EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr) << size;
    }
}

TEST(DibSection, DescribesItselfAndStartsAtZero) {
    BITMAPINFO info = DibHeader(5, 3, 24);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    BITMAP record{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmWidth, 5);
    EXPECT_EQ(record.bmHeight, 3);
    EXPECT_EQ(record.bmWidthBytes, 16) << "15 bytes padded to a whole word";
    EXPECT_EQ(record.bmBitsPixel, 24);
    EXPECT_EQ(record.bmPlanes, 1);
    EXPECT_EQ(record.bmBits, bits);
    const std::uint8_t zeros[48] = {};
    EXPECT_EQ(std::memcmp(bits, zeros, sizeof zeros), 0);
    DeleteObject(bitmap);
}

TEST(DibSection, TableTakesBiClrUsedEntriesTheRestBlack) {
    BITMAPINFO info = DibHeader(2, 2, 4);
    info.bmiHeader.biClrUsed = 2;
    info.bmiColors[0] = RGBQUAD{1, 2, 3, 0};
    info.bmiColors[1] = RGBQUAD{4, 5, 6, 0};
    info.bmiColors[2] = RGBQUAD{7, 8, 9, 0};  // beyond biClrUsed: not taken
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RGBQUAD table[17] = {};
    EXPECT_EQ(GetDIBColorTable(dc, 0, 17, table), 16u);
    EXPECT_EQ(table[1].rgbRed, 6);
    EXPECT_EQ(table[1].rgbBlue, 4);
    EXPECT_EQ(table[2].rgbRed, 0);
    EXPECT_EQ(SetDIBColorTable(dc, 15, 5, table), 1u);
    EXPECT_EQ(SetDIBColorTable(dc, 16, 1, table), 0u);
    SelectObject(dc, previous);
    EXPECT_EQ(GetDIBColorTable(dc, 0, 1, table), 0u) << "the stock bitmap has no DIB colour table";
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(DibSection, ColourTablesOnlyForIndexedDibs) {
    DibCanvas canvas(2, 2, 32);
    RGBQUAD quad{};
    EXPECT_EQ(SetDIBColorTable(canvas.dc(), 0, 1, &quad), 0u);
    EXPECT_EQ(GetDIBColorTable(canvas.dc(), 0, 1, &quad), 0u);
    testing::SurfaceCanvas window(2, 2);
    EXPECT_EQ(SetDIBColorTable(window.dc(), 0, 1, &quad), 0u);
}

// Each depth keeps what was set, in the DIB's own layout.
TEST(DibSection, EveryDepthRoundTrips) {
    const COLORREF colours[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(200, 0, 0), RGB(0, 200, 0)};
    for (int depth : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(depth);
        DibCanvas canvas(13, 3, depth, {colours[0], colours[1], colours[2], colours[3]});
        for (int x = 0; x < 13; ++x) ASSERT_EQ(SetPixelV(canvas.dc(), x, 1, colours[(x * 7) % (depth == 1 ? 2 : 4)]), TRUE);
        for (int x = 0; x < 13; ++x) {
            EXPECT_EQ(GetPixel(canvas.dc(), x, 1), colours[(x * 7) % (depth == 1 ? 2 : 4)]) << x;
            EXPECT_EQ(GetPixel(canvas.dc(), x, 0), RGB(0, 0, 0)) << "neighbour rows untouched";
            EXPECT_EQ(GetPixel(canvas.dc(), x, 2), RGB(0, 0, 0));
        }
    }
}

TEST(DibSection, PixelLayoutInMemory) {
    DibCanvas one(8, 1, 1);
    SetPixelV(one.dc(), 0, 0, PALETTEINDEX(1));
    SetPixelV(one.dc(), 6, 0, PALETTEINDEX(1));
    EXPECT_EQ(one.bits()[0], 0x82) << "bit 0x80 is the leftmost pixel";
    DibCanvas four(2, 1, 4);
    SetPixelV(four.dc(), 0, 0, PALETTEINDEX(3));
    SetPixelV(four.dc(), 1, 0, PALETTEINDEX(12));
    EXPECT_EQ(four.bits()[0], 0x3C) << "the high nibble is the left pixel";
    DibCanvas twentyFour(1, 1, 24);
    SetPixelV(twentyFour.dc(), 0, 0, RGB(1, 2, 3));
    EXPECT_EQ(twentyFour.bits()[0], 3) << "blue first";
    EXPECT_EQ(twentyFour.bits()[2], 1);
    DibCanvas thirtyTwo(1, 1, 32);
    SetPixelV(thirtyTwo.dc(), 0, 0, RGB(1, 2, 3));
    std::uint32_t word = 0;
    std::memcpy(&word, thirtyTwo.bits(), 4);
    EXPECT_EQ(word, 0x010203u) << "0x00RRGGBB";
}

TEST(DibSection, PositiveHeightStoresRowsBottomUp) {
    DibCanvas bottomUp(4, 3, 8, {}, true);
    SetPixelV(bottomUp.dc(), 1, 0, PALETTEINDEX(7));  // top row
    EXPECT_EQ(bottomUp.bits()[2 * 4 + 1], 7) << "the top row is stored last";
    bottomUp.bits()[0] = 9;  // first stored row: the bottom one
    RGBQUAD table[10] = {};
    table[9] = RGBQUAD{0, 0, 99, 0};
    SetDIBColorTable(bottomUp.dc(), 0, 10, table);
    EXPECT_EQ(GetPixel(bottomUp.dc(), 0, 2), RGB(99, 0, 0));

    DibCanvas topDown(4, 3, 8);
    SetPixelV(topDown.dc(), 1, 0, PALETTEINDEX(7));
    EXPECT_EQ(topDown.bits()[1], 7);
}

TEST(Pixels, GetPixelIsInvalidOutsideTheBitmapOrClip) {
    DibCanvas canvas(4, 4, 32);
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{4, 0}, std::pair{0, 4}, std::pair{INT_MIN, INT_MAX}}) {
        EXPECT_EQ(GetPixel(canvas.dc(), x, y), CLR_INVALID) << x << "," << y;
        EXPECT_EQ(SetPixelV(canvas.dc(), x, y, 0), FALSE);
    }
    HRGN region = CreateRectRgn(1, 1, 3, 3);
    SelectClipRgn(canvas.dc(), region);
    DeleteObject(region);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 3), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(SetPixelV(canvas.dc(), 0, 0, RGB(1, 1, 1)), FALSE);
    SelectClipRgn(canvas.dc(), nullptr);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(0, 0, 0)) << "the clipped SetPixelV changed nothing";
}

// SetPixelV combines under the ROP2 as Windows does: R2_NOT inverts the
// black pixel whatever the colour.
TEST(Pixels, SetPixelTakesTheRop) {
    DibCanvas canvas(1, 1, 32);
    SetROP2(canvas.dc(), R2_NOT);
    SetPixelV(canvas.dc(), 0, 0, RGB(5, 6, 7));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(255, 255, 255));
}

TEST(Pixels, WindowSurfacePixels) {
    testing::SurfaceCanvas window(3, 2);
    const std::uint64_t before = window.surface().Version();
    EXPECT_EQ(SetPixelV(window.dc(), 2, 1, RGB(0x10, 0x20, 0x30)), TRUE);
    EXPECT_GT(window.surface().Version(), before);
    EXPECT_EQ(window.Pixel(2, 1), 0x102030u);
    EXPECT_EQ(GetPixel(window.dc(), 2, 1), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GetPixel(window.dc(), 3, 1), CLR_INVALID);
}

TEST(CompatibleBitmap, CopiesFormatAndTableOfTheSelectedDib) {
    DibCanvas canvas(4, 4, 8, {RGB(0, 0, 0), RGB(9, 8, 7)}, true);
    HBITMAP bitmap = CreateCompatibleBitmap(canvas.dc(), 8, 8);
    ASSERT_NE(bitmap, nullptr);
    BITMAP record{};
    GetObjectA(bitmap, sizeof record, &record);
    EXPECT_EQ(record.bmBitsPixel, 8);
    EXPECT_EQ(record.bmWidth, 8);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RGBQUAD entry{};
    EXPECT_EQ(GetDIBColorTable(dc, 1, 1, &entry), 1u);
    EXPECT_EQ(entry.rgbRed, 9);
    // A copy: changing one table leaves the other.
    RGBQUAD white{255, 255, 255, 0};
    SetDIBColorTable(dc, 1, 1, &white);
    EXPECT_EQ(GetDIBColorTable(canvas.dc(), 1, 1, &entry), 1u);
    EXPECT_EQ(entry.rgbRed, 9);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);

    EXPECT_EQ(CreateCompatibleBitmap(canvas.dc(), 0, 8), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(canvas.dc(), 8, -1), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(canvas.dc(), 40000, 8), nullptr);
}

TEST(CompatibleBitmap, WindowDcsMake32BitAndFreshMemoryDcsMonochrome) {
    testing::SurfaceCanvas window(2, 2);
    HBITMAP direct = CreateCompatibleBitmap(window.dc(), 3, 3);
    BITMAP record{};
    GetObjectA(direct, sizeof record, &record);
    EXPECT_EQ(record.bmBitsPixel, 32);
    DeleteObject(direct);

    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(memory, 3, 3);
    GetObjectA(mono, sizeof record, &record);
    EXPECT_EQ(record.bmBitsPixel, 1);
    HGDIOBJ previous = SelectObject(memory, mono);
    SetPixelV(memory, 0, 0, RGB(250, 250, 250));
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(255, 255, 255)) << "black and white only";
    SelectObject(memory, previous);
    DeleteObject(mono);
    DeleteDC(memory);
}

}  // namespace
}  // namespace lumenbox::win
