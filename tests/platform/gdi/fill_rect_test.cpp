// FillRect: clipping, odd rectangles, null and pattern brushes.
#include <climits>
#include <string>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::SurfaceCanvas;

// The 8-bit canvas's rows as strings of hex digits (index mod 16).
std::string Rows(const DibCanvas& canvas, int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) out += "0123456789ABCDEF"[canvas.bits()[y * ((width + 3) / 4 * 4) + x] & 15];
        out += '\n';
    }
    return out;
}

TEST(FillRect, ClippedToTheBitmap) {
    DibCanvas canvas(8, 4, 8);
    Fill(canvas.dc(), -5, 2, 3, 100, PALETTEINDEX(7));
    EXPECT_EQ(Rows(canvas, 8, 4),
              "00000000\n"
              "00000000\n"
              "77700000\n"
              "77700000\n");
}

TEST(FillRect, ClippedToTheClipRegion) {
    DibCanvas canvas(8, 4, 8);
    HRGN region = CreateRectRgn(6, 3, 2, 1);  // corners reordered: (2, 1)-(6, 3)
    EXPECT_EQ(SelectClipRgn(canvas.dc(), region), SIMPLEREGION);
    DeleteObject(region);  // the DC keeps its own copy
    Fill(canvas.dc(), 0, 0, 8, 4, PALETTEINDEX(5));
    EXPECT_EQ(Rows(canvas, 8, 4),
              "00000000\n"
              "00555500\n"
              "00555500\n"
              "00000000\n");
    RECT box{};
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 6);
    EXPECT_EQ(box.bottom, 3);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.dc(), copy), 1);
    DeleteObject(copy);

    EXPECT_EQ(SelectClipRgn(canvas.dc(), nullptr), SIMPLEREGION);
    Fill(canvas.dc(), 0, 0, 8, 4, PALETTEINDEX(1));
    EXPECT_EQ(Rows(canvas, 8, 4), "11111111\n11111111\n11111111\n11111111\n") << "the clip region is gone";
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 4);
}

TEST(FillRect, AnEmptyClipRegionHidesEverything) {
    DibCanvas canvas(4, 1, 8);
    HRGN region = CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(SelectClipRgn(canvas.dc(), region), SIMPLEREGION);
    Fill(canvas.dc(), 0, 0, 4, 1, PALETTEINDEX(3));
    EXPECT_EQ(Rows(canvas, 4, 1), "0000\n");
    RECT box{};
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), NULLREGION);
    DeleteObject(region);
}

TEST(FillRect, ReversedEmptyAndHugeRectangles) {
    DibCanvas canvas(4, 2, 8);
    Fill(canvas.dc(), 3, 0, 1, 2, PALETTEINDEX(1));  // reversed horizontally
    Fill(canvas.dc(), 0, 2, 4, 0, PALETTEINDEX(1));  // reversed vertically
    Fill(canvas.dc(), 2, 1, 2, 2, PALETTEINDEX(1));  // empty
    EXPECT_EQ(Rows(canvas, 4, 2), "0000\n0000\n");
    Fill(canvas.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, PALETTEINDEX(2));
    EXPECT_EQ(Rows(canvas, 4, 2), "2222\n2222\n");
    Fill(canvas.dc(), INT_MAX, INT_MAX, INT_MIN, INT_MIN, PALETTEINDEX(3));
    Fill(canvas.dc(), INT_MAX - 1, 0, INT_MAX, 2, PALETTEINDEX(3));
    EXPECT_EQ(Rows(canvas, 4, 2), "2222\n2222\n");
    EXPECT_EQ(FillRect(canvas.dc(), nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
}

TEST(FillRect, NullBrushFillsNothingAndRopDoesNotApply) {
    DibCanvas canvas(2, 1, 32);
    RECT all{0, 0, 2, 1};
    EXPECT_EQ(FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 1);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(0, 0, 0));
    SetROP2(canvas.dc(), R2_XORPEN);
    Fill(canvas.dc(), 0, 0, 2, 1, RGB(10, 20, 30));
    Fill(canvas.dc(), 0, 0, 1, 1, RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(10, 20, 30)) << "copied, not XORed";
}

TEST(FillRect, SystemColourIndexStandsForABrush) {
    SurfaceCanvas window(2, 1);
    RECT all{0, 0, 2, 1};
    const int colourWindow = 5;  // COLOR_WINDOW
    EXPECT_EQ(FillRect(window.dc(), &all, detail::MakeHandle<HBRUSH>(colourWindow + 1)), 1);
    EXPECT_EQ(window.Pixel(1, 0), 0xFFFFFFu);
}

TEST(FillRect, WindowSurfaceIsClippedAndMarkedChanged) {
    SurfaceCanvas window(5, 3);
    const std::uint64_t before = window.surface().Version();
    Fill(window.dc(), 3, -1, 10, 2, RGB(0, 0, 255));
    EXPECT_GT(window.surface().Version(), before);
    EXPECT_EQ(window.Pixel(2, 0), 0u);
    EXPECT_EQ(window.Pixel(3, 0), 0x0000FFu);
    EXPECT_EQ(window.Pixel(4, 1), 0x0000FFu);
    EXPECT_EQ(window.Pixel(4, 2), 0u);
}

TEST(FillRect, SubBytePixelsKeepTheirNeighbours) {
    DibCanvas four(9, 1, 4);
    Fill(four.dc(), 1, 0, 8, 1, PALETTEINDEX(0xA));
    EXPECT_EQ(four.bits()[0], 0x0A);
    EXPECT_EQ(four.bits()[1], 0xAA);
    EXPECT_EQ(four.bits()[3], 0xAA);
    EXPECT_EQ(four.bits()[4], 0x00);
    DibCanvas one(20, 1, 1);
    Fill(one.dc(), 3, 0, 18, 1, PALETTEINDEX(1));
    EXPECT_EQ(one.bits()[0], 0x1F);
    EXPECT_EQ(one.bits()[1], 0xFF);
    EXPECT_EQ(one.bits()[2], 0xC0);
}

// An 8 x 8 pattern bitmap drawn the way the library draws its user pattern.
HBITMAP PatternBitmap(HDC compatibleWith, const char* const rows[8], COLORREF foreground, COLORREF background) {
    HBITMAP bitmap = CreateCompatibleBitmap(compatibleWith, 8, 8);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) SetPixelV(dc, x, y, rows[y][x] == '#' ? foreground : background);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

const char* const kChecker[8] = {"##......", "##......", "..##....", "..##....", "....##..", "....##..", "......##", "......##"};

TEST(PatternBrush, CopiesTheBitmapAtCreation) {
    DibCanvas canvas(16, 8, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255)});
    HBITMAP pattern = PatternBitmap(canvas.dc(), kChecker, PALETTEINDEX(1), PALETTEINDEX(2));
    LOGBRUSH record{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(pattern)};
    HBRUSH brush = CreateBrushIndirect(&record);
    ASSERT_NE(brush, nullptr);
    // Changing and deleting the bitmap afterwards leaves the brush alone.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, pattern);
    testing::Fill(dc, 0, 0, 8, 8, PALETTEINDEX(0));
    SelectObject(dc, previous);
    DeleteDC(dc);
    EXPECT_EQ(DeleteObject(pattern), TRUE);

    RECT area{2, 0, 16, 8};
    EXPECT_EQ(FillRect(canvas.dc(), &area, brush), 1);
    EXPECT_EQ(Rows(canvas, 16, 8),
              "0022222211222222\n"
              "0022222211222222\n"
              "0011222222112222\n"
              "0011222222112222\n"
              "0022112222221122\n"
              "0022112222221122\n"
              "0022221122222211\n"
              "0022221122222211\n");

    // The indices were stored: a table change recolours the pattern.
    RGBQUAD green{0, 255, 0, 0};
    SetDIBColorTable(canvas.dc(), 1, 1, &green);
    EXPECT_EQ(GetPixel(canvas.dc(), 8, 0), RGB(0, 255, 0));
    DeleteObject(brush);
}

TEST(PatternBrush, IndexedPatternOnA32BitTargetUsesTheDcPalette) {
    DibCanvas source(8, 8, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255)});
    HBITMAP pattern = PatternBitmap(source.dc(), kChecker, PALETTEINDEX(1), PALETTEINDEX(2));
    LOGBRUSH record{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(pattern)};
    HBRUSH brush = CreateBrushIndirect(&record);
    DeleteObject(pattern);

    SurfaceCanvas window(8, 8);
    RECT area{0, 0, 8, 8};
    // Stock palette: the colours the bitmap had.
    FillRect(window.dc(), &area, brush);
    EXPECT_EQ(window.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(window.Pixel(7, 0), 0x0000FFu);
    // A logical palette selected: its entries 1 and 2.
    HPALETTE palette = testing::MakePalette({RGB(0, 0, 0), RGB(1, 1, 1), RGB(2, 2, 2)});
    SelectPalette(window.dc(), palette, TRUE);
    FillRect(window.dc(), &area, brush);
    EXPECT_EQ(window.Pixel(0, 0), 0x010101u);
    EXPECT_EQ(window.Pixel(7, 0), 0x020202u);
    SelectPalette(window.dc(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
    DeleteObject(palette);
    DeleteObject(brush);
}

TEST(PatternBrush, DirectColourPatternOnAnIndexedTargetTakesTheNearestEntry) {
    DibCanvas source(8, 8, 32);
    HBITMAP pattern = PatternBitmap(source.dc(), kChecker, RGB(250, 0, 0), RGB(0, 0, 240));
    LOGBRUSH record{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(pattern)};
    HBRUSH brush = CreateBrushIndirect(&record);
    DeleteObject(pattern);
    DibCanvas canvas(8, 1, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255)});
    RECT area{0, 0, 8, 1};
    FillRect(canvas.dc(), &area, brush);
    EXPECT_EQ(Rows(canvas, 8, 1), "11222222\n");
    DeleteObject(brush);
}

}  // namespace
}  // namespace lumenbox::win
