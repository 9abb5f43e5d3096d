// 16-bit DIB sections, 5-5-5 and 5-6-5: which headers make them, how a
// colour is packed and read back, and every drawing call on them. Expected
// words are worked out by hand from the layouts: a component keeps its high
// 5 (or 6) bits, and reads back with them repeated in the low bits.
#include <ostream>
#include <vector>

#include "dib_test_support.h"
#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::BitfieldsHeader;
using testing::DibHeader;
using testing::HeaderCanvas;
using testing::kMasks555;
using testing::kMasks565;
using testing::kMasks888;
using testing::WordRows;

// One layout under test: the header that makes it, and what it stores.
struct Layout {
    const char* name;
    BITMAPINFO (*header)(LONG width, LONG height);
};

void PrintTo(const Layout& c, std::ostream* out) { *out << c.name; }

BITMAPINFO Plain16(LONG width, LONG height) { return DibHeader(width, height, 16); }
BITMAPINFO Fields555(LONG width, LONG height) { return BitfieldsHeader(width, height, 16, kMasks555); }
BITMAPINFO Fields565(LONG width, LONG height) { return BitfieldsHeader(width, height, 16, kMasks565); }

bool Is565(const BITMAPINFO& info) {
    DWORD masks[3];
    testing::ReadMasks(info, masks);
    return info.bmiHeader.biCompression == BI_BITFIELDS && masks[1] == 0x07E0;
}

std::vector<std::uint32_t> Words(const HeaderCanvas& canvas, int width, int height) {
    std::vector<std::uint32_t> words;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) words.push_back(canvas.Word(width, x, y));
    return words;
}

TEST(SixteenBitDib, WhichHeadersMakeOne) {
    for (BITMAPINFO info : {DibHeader(3, 2, 16), Fields555(3, 2), Fields565(3, 2), BitfieldsHeader(3, 2, 32, kMasks888)}) {
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        ASSERT_NE(bitmap, nullptr) << info.bmiHeader.biBitCount << " bits, compression " << info.bmiHeader.biCompression;
        BITMAP record{};
        GetObjectA(bitmap, sizeof record, &record);
        EXPECT_EQ(record.bmBitsPixel, info.bmiHeader.biBitCount);
        EXPECT_EQ(record.bmWidthBytes, info.bmiHeader.biBitCount == 16 ? 8 : 12) << "rows padded to whole words";
        DeleteObject(bitmap);
    }
    const DWORD masks444[3] = {0x0F00, 0x00F0, 0x000F};
    const DWORD bgr[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    const DWORD none[3] = {0, 0, 0};
    for (BITMAPINFO info : {BitfieldsHeader(3, 2, 16, masks444), BitfieldsHeader(3, 2, 16, kMasks888),
                            BitfieldsHeader(3, 2, 16, none), BitfieldsHeader(3, 2, 32, kMasks565),
                            BitfieldsHeader(3, 2, 32, bgr), BitfieldsHeader(3, 2, 24, kMasks888),
                            BitfieldsHeader(3, 2, 8, kMasks555), DibHeader(3, 2, 15), BitfieldsHeader(3, 2, 15, kMasks555)}) {
        EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr)
            << info.bmiHeader.biBitCount << " bits, compression " << info.bmiHeader.biCompression;
    }
}

// A colour, the word each layout stores for it, and what each reads back.
struct Packing {
    COLORREF colour;
    std::uint16_t word555;
    COLORREF back555;
    std::uint16_t word565;
    COLORREF back565;
};

constexpr Packing kPackings[] = {
    {RGB(255, 255, 255), 0x7FFF, RGB(255, 255, 255), 0xFFFF, RGB(255, 255, 255)},  // bit 15 of 5-5-5 stays clear
    {RGB(0, 0, 0), 0x0000, RGB(0, 0, 0), 0x0000, RGB(0, 0, 0)},
    {RGB(0xFF, 0x80, 0x0F), 0x7E01, RGB(255, 132, 8), 0xFC01, RGB(255, 130, 8)},
    {RGB(8, 4, 8), 0x0401, RGB(8, 0, 8), 0x0821, RGB(8, 4, 8)},
    {RGB(0x12, 0x34, 0x56), 0x08CA, RGB(16, 49, 82), 0x11AA, RGB(16, 52, 82)},
};

class SixteenBitLayouts : public ::testing::TestWithParam<Layout> {};

TEST_P(SixteenBitLayouts, SetPixelPacksAndGetPixelWidens) {
    const BITMAPINFO info = GetParam().header(5, -1);
    const bool is565 = Is565(info);
    HeaderCanvas canvas(info);
    ASSERT_NE(canvas.bitmap(), nullptr);
    for (int i = 0; i < 5; ++i) {
        const Packing& p = kPackings[i];
        ASSERT_EQ(SetPixelV(canvas.dc(), i, 0, p.colour), TRUE);
        EXPECT_EQ(canvas.Word(5, i, 0), is565 ? p.word565 : p.word555) << "colour " << i;
        EXPECT_EQ(GetPixel(canvas.dc(), i, 0), is565 ? p.back565 : p.back555) << "colour " << i;
    }
    EXPECT_EQ(GetPixel(canvas.dc(), 5, 0), CLR_INVALID);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), BITSPIXEL), 16);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), NUMCOLORS), -1);
}

TEST_P(SixteenBitLayouts, FillsAndHatches) {
    const BITMAPINFO info = GetParam().header(8, -4);
    const bool is565 = Is565(info);
    HeaderCanvas canvas(info);
    testing::Fill(canvas.dc(), 1, 0, 3, 2, RGB(0xFF, 0x80, 0x0F));
    const std::uint32_t o = is565 ? 0xFC01 : 0x7E01;
    EXPECT_EQ(WordRows(Words(canvas, 8, 4), 8), WordRows({0, o, o, 0, 0, 0, 0, 0,  //
                                                          0, o, o, 0, 0, 0, 0, 0,  //
                                                          0, 0, 0, 0, 0, 0, 0, 0,  //
                                                          0, 0, 0, 0, 0, 0, 0, 0},
                                                         8));
    // HS_CROSS: rows 08 08 08 FF; gaps take the (white) background.
    HBRUSH cross = testing::HatchBrush(HS_CROSS, RGB(0, 0, 255));
    RECT all{0, 0, 8, 4};
    FillRect(canvas.dc(), &all, cross);
    DeleteObject(cross);
    const std::uint32_t w = is565 ? 0xFFFF : 0x7FFF;
    const std::uint32_t b = 0x001F;
    EXPECT_EQ(WordRows(Words(canvas, 8, 4), 8), WordRows({w, w, w, w, b, w, w, w,  //
                                                          w, w, w, w, b, w, w, w,  //
                                                          w, w, w, w, b, w, w, w,  //
                                                          b, b, b, b, b, b, b, b},
                                                         8));
}

TEST_P(SixteenBitLayouts, BlitsToAndFromAWindow) {
    const BITMAPINFO info = GetParam().header(2, 1);  // bottom-up, for once
    const bool is565 = Is565(info);
    HeaderCanvas canvas(info);
    SetPixelV(canvas.dc(), 0, 0, RGB(0xFF, 0x80, 0x0F));
    SetPixelV(canvas.dc(), 1, 0, RGB(0x12, 0x34, 0x56));
    testing::SurfaceCanvas window(2, 1);
    ASSERT_EQ(BitBlt(window.dc(), 0, 0, 2, 1, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(window.Pixel(0, 0), is565 ? 0xFF8208u : 0xFF8408u);
    EXPECT_EQ(window.Pixel(1, 0), is565 ? 0x103452u : 0x103152u);

    testing::Fill(window.dc(), 0, 0, 1, 1, RGB(0x12, 0x34, 0x56));
    testing::Fill(window.dc(), 1, 0, 2, 1, RGB(0xFF, 0xFF, 0xFF));
    ASSERT_EQ(BitBlt(canvas.dc(), 0, 0, 2, 1, window.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(canvas.Word(2, 0, 0), is565 ? 0x11AA : 0x08CA);
    EXPECT_EQ(canvas.Word(2, 1, 0), is565 ? 0xFFFF : 0x7FFF);
}

TEST_P(SixteenBitLayouts, CompatibleBitmapKeepsTheLayout) {
    HeaderCanvas canvas(GetParam().header(4, -4));
    const bool is565 = Is565(GetParam().header(1, 1));
    HBITMAP copy = CreateCompatibleBitmap(canvas.dc(), 3, 2);
    ASSERT_NE(copy, nullptr);
    BITMAP record{};
    GetObjectA(copy, sizeof record, &record);
    EXPECT_EQ(record.bmBitsPixel, 16);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, copy);
    SetPixelV(dc, 0, 0, RGB(0xFF, 0x80, 0x0F));
    // Green 0x80 reads back as 130 with six bits and as 132 with five.
    EXPECT_EQ(GetPixel(dc, 0, 0), is565 ? RGB(255, 130, 8) : RGB(255, 132, 8));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(copy);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SixteenBitLayouts,
                         ::testing::Values(Layout{"Plain555", Plain16}, Layout{"Fields555", Fields555},
                                           Layout{"Fields565", Fields565}),
                         [](const ::testing::TestParamInfo<Layout>& param) { return std::string(param.param.name); });

TEST(SixteenBitDib, BlitsBetweenLayoutsAndIndexedBitmaps) {
    HeaderCanvas five(Fields555(1, -1));
    HeaderCanvas six(Fields565(1, -1));
    SetPixelV(five.dc(), 0, 0, RGB(0xFF, 0x80, 0x0F));  // reads (255, 132, 8)
    BitBlt(six.dc(), 0, 0, 1, 1, five.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(six.Word(1, 0, 0), 0xFC21) << "green 132 keeps six bits: 33";

    testing::DibCanvas indexed(1, 1, 8, {RGB(0, 0, 0), RGB(0x12, 0x34, 0x56)});
    SetPixelV(indexed.dc(), 0, 0, PALETTEINDEX(1));
    BitBlt(five.dc(), 0, 0, 1, 1, indexed.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(five.Word(1, 0, 0), 0x08CA) << "through the colour table";

    // (16, 49, 82) is what 0x08CA reads back as: an exact match.
    testing::DibCanvas target(1, 1, 8, {RGB(0, 0, 0), RGB(16, 49, 82), RGB(16, 48, 82)});
    BitBlt(target.dc(), 0, 0, 1, 1, five.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(target.bits()[0], 1);
}

TEST(SixteenBitDib, PatternBrushesCarryTheColoursRead) {
    HeaderCanvas source(Fields565(2, -1));
    SetPixelV(source.dc(), 0, 0, RGB(0xFF, 0x80, 0x0F));  // reads (255, 130, 8)
    SetPixelV(source.dc(), 1, 0, RGB(0, 0, 255));
    LOGBRUSH record{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(source.bitmap())};
    HBRUSH pattern = CreateBrushIndirect(&record);
    ASSERT_NE(pattern, nullptr);
    HeaderCanvas target(Fields555(4, -1));
    RECT all{0, 0, 4, 1};
    FillRect(target.dc(), &all, pattern);
    DeleteObject(pattern);
    EXPECT_EQ(WordRows(Words(target, 4, 1), 4), WordRows({0x7E01, 0x001F, 0x7E01, 0x001F}, 4));
}

}  // namespace
}  // namespace lumenbox::win
