// GetDIBits and SetDIBits: raw round trips at every depth and orientation,
// colours through the colour table, the query form, scan-line numbering
// (cases Windows has been recorded answering), and refusals.
#include <algorithm>
#include <climits>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "dib_test_support.h"
#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::BitfieldsHeader;
using testing::DibCanvas;
using testing::DibHeader;
using testing::HeaderCanvas;

std::size_t Stride(int width, int bits) { return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4; }

// A depth as a header asks for it.
struct Depth {
    const char* name;
    WORD bits;
    const DWORD* masks;  // BI_BITFIELDS when given
};

BITMAPINFO HeaderOf(const Depth& depth, LONG width, LONG height) {
    if (!depth.masks) return DibHeader(width, height, depth.bits);
    const DWORD(&masks)[3] = *reinterpret_cast<const DWORD(*)[3]>(depth.masks);
    return BitfieldsHeader(width, height, depth.bits, masks);
}

// Pseudo-random bytes, the same for every run.
std::vector<std::uint8_t> Noise(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = static_cast<std::uint8_t>(seed >> 16);
    }
    return bytes;
}

// Clears the bits of a row past its pixels (bit 0x80 of byte 0 first).
void ClearPadding(std::uint8_t* row, std::size_t pixelBits, std::size_t stride) {
    for (std::size_t bit = pixelBits; bit < stride * 8; ++bit) row[bit / 8] &= static_cast<std::uint8_t>(~(0x80u >> (bit % 8)));
}

// The rows of a DIB's storage, top row first.
std::vector<std::uint8_t> TopDownRows(const std::uint8_t* bits, std::size_t stride, int height, bool bottomUp) {
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bits + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        rows.insert(rows.end(), row, row + stride);
    }
    return rows;
}

struct RoundTrip {
    Depth depth;
    bool bitmapBottomUp;
};

void PrintTo(const RoundTrip& c, std::ostream* out) { *out << c.depth.name << (c.bitmapBottomUp ? " bottom-up" : " top-down"); }

class RawRoundTrips : public ::testing::TestWithParam<RoundTrip> {};

// Raw values out at the bitmap's own depth in either orientation, and back
// into a bitmap of the other orientation, bit for bit.
TEST_P(RawRoundTrips, OutAndBackInExactly) {
    constexpr int kWidth = 13;  // ragged ends at 1 and 4 bits, padding at all depths
    constexpr int kHeight = 5;
    const Depth& depth = GetParam().depth;
    const bool bottomUp = GetParam().bitmapBottomUp;
    const std::size_t stride = Stride(kWidth, depth.bits);
    HeaderCanvas source(HeaderOf(depth, kWidth, bottomUp ? kHeight : -kHeight));
    ASSERT_NE(source.bitmap(), nullptr);
    const std::vector<std::uint8_t> noise = Noise(stride * kHeight, depth.bits);
    std::memcpy(source.bits(), noise.data(), noise.size());
    // What comes out: the pixels, with the padding zero.
    std::vector<std::uint8_t> picture = TopDownRows(source.bits(), stride, kHeight, bottomUp);
    for (int y = 0; y < kHeight; ++y) ClearPadding(&picture[stride * y], std::size_t{kWidth} * depth.bits, stride);

    for (bool requestBottomUp : {true, false}) {
        SCOPED_TRACE(requestBottomUp ? "bottom-up request" : "top-down request");
        BITMAPINFO info = HeaderOf(depth, kWidth, requestBottomUp ? kHeight : -kHeight);
        std::vector<std::uint8_t> buffer(stride * kHeight, 0xAA);
        ASSERT_EQ(GetDIBits(source.dc(), source.bitmap(), 0, kHeight, buffer.data(), &info, DIB_RGB_COLORS), kHeight);
        EXPECT_EQ(TopDownRows(buffer.data(), stride, kHeight, requestBottomUp), picture);
        EXPECT_EQ(info.bmiHeader.biSizeImage, stride * kHeight);

        HeaderCanvas copy(HeaderOf(depth, kWidth, bottomUp ? -kHeight : kHeight));
        // Both tables are black: a trip through colours would end at index 0.
        ASSERT_EQ(SetDIBits(copy.dc(), copy.bitmap(), 0, kHeight, buffer.data(), &info, DIB_RGB_COLORS), kHeight);
        EXPECT_EQ(TopDownRows(copy.bits(), stride, kHeight, !bottomUp), picture);
    }
}

constexpr DWORD kMasks565[3] = {0xF800, 0x07E0, 0x001F};
constexpr DWORD kMasks888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
const Depth kDepths[] = {{"1", 1, nullptr},  {"4", 4, nullptr},  {"8", 8, nullptr},         {"16", 16, nullptr},
                         {"565", 16, kMasks565}, {"24", 24, nullptr}, {"32", 32, nullptr}, {"32fields", 32, kMasks888}};

std::vector<RoundTrip> AllRoundTrips() {
    std::vector<RoundTrip> all;
    for (const Depth& depth : kDepths)
        for (bool bottomUp : {true, false}) all.push_back({depth, bottomUp});
    return all;
}

INSTANTIATE_TEST_SUITE_P(Depths, RawRoundTrips, ::testing::ValuesIn(AllRoundTrips()),
                         [](const ::testing::TestParamInfo<RoundTrip>& param) {
                             return std::string("Depth") + param.param.depth.name +
                                    (param.param.bitmapBottomUp ? "BottomUp" : "TopDown");
                         });

TEST(DibBits, IndexedBitmapsGiveTheirColourTableAndColoursAt32Bits) {
    const COLORREF colours[] = {RGB(1, 2, 3), RGB(0xF0, 0x0F, 0x33), RGB(0x12, 0x34, 0x56), RGB(255, 255, 255)};
    for (int bits : {1, 4, 8}) {
        SCOPED_TRACE(bits);
        DibCanvas canvas(3, 2, bits, {colours[0], colours[1], colours[2], colours[3]}, true);
        const int entries = bits == 1 ? 2 : 4;
        for (int i = 0; i < 6; ++i) SetPixelV(canvas.dc(), i % 3, i / 3, PALETTEINDEX(i % entries));

        BITMAPINFO info = DibHeader(3, -2, 32);
        std::uint32_t words[6] = {};
        ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, words, &info, DIB_RGB_COLORS), 2);
        for (int i = 0; i < 6; ++i) {
            const COLORREF c = colours[i % entries];
            const std::uint32_t rgb = (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
            EXPECT_EQ(words[i], rgb) << i;
        }

        info = DibHeader(3, 2, static_cast<WORD>(bits));
        std::memset(info.bmiColors, 0xCC, sizeof info.bmiColors);
        std::uint8_t raw[8] = {};
        ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, raw, &info, DIB_RGB_COLORS), 2);
        for (int i = 0; i < entries; ++i) {
            EXPECT_EQ(info.bmiColors[i].rgbRed, GetRValue(colours[i])) << i;
            EXPECT_EQ(info.bmiColors[i].rgbBlue, GetBValue(colours[i])) << i;
        }
        EXPECT_EQ(info.bmiColors[(1 << bits) - 1].rgbReserved, 0) << "the whole table is written";
    }
}

TEST(DibBits, DirectColoursGoInAndOutThroughEachFormat) {
    HeaderCanvas six(BitfieldsHeader(2, -1, 16, kMasks565));
    const std::uint32_t in[2] = {0x123456, 0xFF800F};
    BITMAPINFO info = DibHeader(2, 1, 32);
    ASSERT_EQ(SetDIBits(nullptr, six.bitmap(), 0, 1, in, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(six.Word(2, 0, 0), 0x11AA);
    EXPECT_EQ(six.Word(2, 1, 0), 0xFC01);
    std::uint32_t out[2] = {};
    ASSERT_EQ(GetDIBits(six.dc(), six.bitmap(), 0, 1, out, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(out[0], 0x103452u) << "widened as GetPixel widens";
    EXPECT_EQ(out[1], 0xFF8208u);

    // A plain 16-bit request of a 5-6-5 bitmap is 5-5-5, as its header says.
    info = DibHeader(2, 1, 16);
    std::uint16_t words[2] = {};
    ASSERT_EQ(GetDIBits(six.dc(), six.bitmap(), 0, 1, words, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(words[1], 0x7E01) << "(255, 130, 8) in 5-5-5";
    words[0] = 0x7E01;  // (255, 132, 8)
    ASSERT_EQ(SetDIBits(nullptr, six.bitmap(), 0, 1, words, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(six.Word(2, 0, 0), 0xFC21);

    // 24-bit blue-green-red triples, padded to 8 bytes a row.
    DibCanvas direct(2, 1, 32);
    const std::uint8_t triples[8] = {0x56, 0x34, 0x12, 0x0F, 0x80, 0xFF, 0, 0};
    info = DibHeader(2, 1, 24);
    ASSERT_EQ(SetDIBits(direct.dc(), direct.bitmap(), 0, 1, triples, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(GetPixel(direct.dc(), 0, 0), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(GetPixel(direct.dc(), 1, 0), RGB(0xFF, 0x80, 0x0F));
}

TEST(DibBits, ColoursIntoAnIndexedBitmapTakeTheNearestEntry) {
    DibCanvas canvas(3, 1, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)});
    const std::uint32_t colours[3] = {0xFA0505, 0x0505FA, 0x10F010};
    BITMAPINFO info = DibHeader(3, 1, 32);
    ASSERT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, colours, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(canvas.bits()[0], 1);
    EXPECT_EQ(canvas.bits()[1], 3);
    EXPECT_EQ(canvas.bits()[2], 2);
}

TEST(DibBits, WidthsOtherThanTheBitmapsCopyTheColumnsBothHave) {
    DibCanvas canvas(4, 2, 8);
    const std::uint8_t start[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::memcpy(canvas.bits(), start, 8);
    BITMAPINFO narrow = DibHeader(2, -2, 8);
    std::vector<std::uint8_t> out(8, 0xAA);
    ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, out.data(), &narrow, DIB_RGB_COLORS), 2);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 0, 0, 5, 6, 0, 0}));
    BITMAPINFO wide = DibHeader(6, -2, 8);
    out.assign(16, 0xAA);
    ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, out.data(), &wide, DIB_RGB_COLORS), 2);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 0, 0, 0, 5, 6, 7, 8, 0, 0, 0, 0}));

    const std::uint8_t in[16] = {9, 9, 9, 9, 9, 9, 0, 0, 9, 9, 9, 9, 9, 9, 0, 0};
    ASSERT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, in, &wide, DIB_RGB_COLORS), 1);
    const std::uint8_t twos[4] = {2, 2, 0, 0};
    ASSERT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 1, 1, twos, &narrow, DIB_RGB_COLORS), 1);
    // Scan line 0 of a top-down header is its bottom row, 1 the top one.
    EXPECT_EQ(std::vector<std::uint8_t>(canvas.bits(), canvas.bits() + 8), (std::vector<std::uint8_t>{2, 2, 3, 4, 9, 9, 9, 9}));
}

// ---- Scan lines --------------------------------------------------------------
// An 8 x 8 32-bit bitmap whose image row r holds 0x100 + 8r + column. Each
// case is one Windows has been recorded answering; rows of the 16-row
// buffer are written as: a digit r for image row r, 'z' for a row of zeros,
// '.' for a row left alone.

void PaintRows(HeaderCanvas& canvas, bool bottomUp) {
    auto* words = reinterpret_cast<std::uint32_t*>(canvas.bits());
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) words[(bottomUp ? 7 - r : r) * 8 + c] = 0x100u + 8u * r + c;
}

constexpr std::uint32_t kUntouched = 0xAAAAAAAA;

std::string BufferRows(const std::vector<std::uint32_t>& buffer) {
    std::string out;
    for (std::size_t row = 0; row < 16; ++row) {
        const std::uint32_t first = buffer[row * 8];
        bool plain = true;
        for (std::size_t c = 1; c < 8; ++c) {
            const std::uint32_t w = buffer[row * 8 + c];
            plain = plain && (first == kUntouched || first == 0 ? w == first : w == first + c);
        }
        if (!plain)
            out += '?';
        else if (first == kUntouched)
            out += '.';
        else if (first == 0)
            out += 'z';
        else if (first >= 0x100 && first < 0x140 && (first - 0x100) % 8 == 0)
            out += static_cast<char>('0' + (first - 0x100) / 8);
        else
            out += '?';
    }
    return out;
}

struct ScanCase {
    LONG height;
    UINT start;
    UINT lines;
    int copied;
    const char* rows;
};

TEST(DibBits, GetDIBitsNumbersScanLinesAsWindowsDoes) {
    const ScanCase cases[] = {
        {8, 0, 8, 8, "76543210........"},    {8, 1, 5, 5, "65432..........."},   {8, 1, 12, 7, "6543210........."},
        {16, 1, 12, 5, "zzzzzzz76543...."},  {16, 2, 12, 6, "zzzzzz765432...."}, {16, 2, 3, 0, "zzz............."},
        {5, 1, 2, 2, "32.............."},    {-8, 0, 8, 8, "01234567........"},  {-8, 1, 5, 5, "23456..........."},
        {-8, 1, 12, 7, "0123456........."},  {-8, 4, 12, 4, "0123............"}, {-8, 3, 12, 5, "01234..........."},
        {-16, 0, 16, 8, "01234567zzzzzzzz"}, {-16, 1, 12, 5, "34567zzzzzzz...."}, {-16, 4, 12, 8, "01234567zzzz...."},
        {-16, 5, 12, 8, "01234567zzz....."}, {-16, 9, 12, 7, "0123456........."}, {-5, 1, 2, 2, "23.............."},
        // A start at or past the image's height copies nothing.
        {8, 9, 12, 0, "................"},   {-16, 18, 12, 0, "................"}, {8, 8, 1, 0, "................"},
    };
    for (bool bottomUp : {true, false}) {
        HeaderCanvas canvas(DibHeader(8, bottomUp ? 8 : -8, 32));
        PaintRows(canvas, bottomUp);
        for (const ScanCase& c : cases) {
            BITMAPINFO info = DibHeader(8, c.height, 32);
            std::vector<std::uint32_t> buffer(128, kUntouched);
            EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), c.start, c.lines, buffer.data(), &info, DIB_RGB_COLORS),
                      c.copied)
                << "height " << c.height << ", start " << c.start << ", lines " << c.lines;
            EXPECT_EQ(BufferRows(buffer), c.rows) << "height " << c.height << ", start " << c.start << ", lines " << c.lines
                                                  << (bottomUp ? ", bottom-up bitmap" : ", top-down bitmap");
        }
    }
}

// SetDIBits: buffer row k holds 0x100 + 8k + column; `rows` gives, for each
// image row of the bitmap from the top, the buffer row (hex) it received,
// or '.' when untouched.
std::string BitmapRows(const HeaderCanvas& canvas, bool bottomUp) {
    const auto* words = reinterpret_cast<const std::uint32_t*>(canvas.bits());
    std::string out;
    for (int r = 0; r < 8; ++r) {
        const std::uint32_t first = words[(bottomUp ? 7 - r : r) * 8];
        if (first == kUntouched)
            out += '.';
        else if (first >= 0x100 && first < 0x180 && (first - 0x100) % 8 == 0)
            out += "0123456789ABCDEF"[(first - 0x100) / 8];
        else
            out += '?';
    }
    return out;
}

TEST(DibBits, SetDIBitsNumbersScanLinesAsWindowsDoes) {
    const ScanCase cases[] = {
        {8, 0, 8, 8, "76543210"},   {8, 1, 5, 5, "..43210."},   {16, 1, 12, 12, "...BA987"}, {5, 1, 2, 2, "..10...."},
        {-8, 0, 8, 8, "01234567"},  {-8, 1, 5, 5, "..01234."},  {-16, 1, 12, 12, "...01234"}, {-16, 4, 12, 12, "01234567"},
        {-5, 1, 2, 2, "..01...."},  {8, 8, 1, 0, "........"},   {-8, 9, 1, 0, "........"},
    };
    std::vector<std::uint32_t> buffer(128);
    for (std::size_t k = 0; k < 16; ++k)
        for (std::size_t c = 0; c < 8; ++c) buffer[k * 8 + c] = static_cast<std::uint32_t>(0x100 + 8 * k + c);
    for (bool bottomUp : {true, false}) {
        for (const ScanCase& c : cases) {
            HeaderCanvas canvas(DibHeader(8, bottomUp ? 8 : -8, 32));
            std::memset(canvas.bits(), 0xAA, 256);
            BITMAPINFO info = DibHeader(8, c.height, 32);
            EXPECT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), c.start, c.lines, buffer.data(), &info, DIB_RGB_COLORS),
                      c.copied)
                << "height " << c.height << ", start " << c.start << ", lines " << c.lines;
            EXPECT_EQ(BitmapRows(canvas, bottomUp), c.rows) << "height " << c.height << ", start " << c.start
                                                            << ", lines " << c.lines
                                                            << (bottomUp ? ", bottom-up bitmap" : ", top-down bitmap");
        }
    }
}

TEST(DibBits, NoBufferIsReadOrWrittenPastTheImageItsHeaderDescribes) {
    // Buffers exactly as large as their headers say; the sanitizers watch.
    HeaderCanvas canvas(DibHeader(8, 8, 32));
    PaintRows(canvas, true);
    for (LONG height : {8, -8}) {
        BITMAPINFO info = DibHeader(8, height, 32);
        std::vector<std::uint32_t> buffer(64, kUntouched);
        EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, UINT_MAX, buffer.data(), &info, DIB_RGB_COLORS), 8);
        EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 3, UINT_MAX, buffer.data(), &info, DIB_RGB_COLORS), 5);
        EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), UINT_MAX, UINT_MAX, buffer.data(), &info, DIB_RGB_COLORS), 0);
        EXPECT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 0, UINT_MAX, buffer.data(), &info, DIB_RGB_COLORS), 8);
        // Five scan lines from 3 fill a five-row buffer: rows 0-4 of the image.
        std::vector<std::uint32_t> five(40);
        for (std::size_t i = 0; i < 40; ++i) five[i] = 0x100u + static_cast<std::uint32_t>(i);
        EXPECT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 3, 12, five.data(), &info, DIB_RGB_COLORS), 5);
        EXPECT_EQ(GetPixel(canvas.dc(), 0, height > 0 ? 4 : 0), RGB(0, 1, 0)) << "the buffer's first row";
        EXPECT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), UINT_MAX, UINT_MAX, buffer.data(), &info, DIB_RGB_COLORS), 0);
    }
    // Headers whose image could not fit in 32 bits of bytes, as Windows counts.
    for (BITMAPINFO info : {DibHeader(INT_MAX, 1, 32), DibHeader(1, INT_MIN, 32), DibHeader(65536, 16384, 32)}) {
        std::uint32_t word = 0;
        EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, &word, &info, DIB_RGB_COLORS), 0);
        EXPECT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, &word, &info, DIB_RGB_COLORS), 0);
    }
}

// ---- The query form ------------------------------------------------------------

TEST(DibBits, QueryFillsInTheHeaderThenTheTableOrMasks) {
    struct Case {
        BITMAPINFO header;
        DWORD compression;
        DWORD sizeImage;
        DWORD masks[3];
    };
    const Case cases[] = {
        {DibHeader(5, 3, 8), BI_RGB, 24, {0, 0, 0}},
        {DibHeader(5, -3, 24), BI_RGB, 48, {0, 0, 0}},
        {DibHeader(5, 3, 16), BI_BITFIELDS, 36, {0x7C00, 0x03E0, 0x001F}},
        {BitfieldsHeader(5, 3, 16, kMasks565), BI_BITFIELDS, 36, {0xF800, 0x07E0, 0x001F}},
        {DibHeader(5, -3, 32), BI_BITFIELDS, 60, {0xFF0000, 0x00FF00, 0x0000FF}},
    };
    for (const Case& c : cases) {
        HeaderCanvas canvas(c.header);
        const WORD bits = c.header.bmiHeader.biBitCount;
        SCOPED_TRACE(bits);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS), 3);
        EXPECT_EQ(info.bmiHeader.biWidth, 5);
        EXPECT_EQ(info.bmiHeader.biHeight, 3) << "positive, whatever the storage order";
        EXPECT_EQ(info.bmiHeader.biPlanes, 1);
        EXPECT_EQ(info.bmiHeader.biBitCount, bits);
        EXPECT_EQ(info.bmiHeader.biCompression, c.compression);
        EXPECT_EQ(info.bmiHeader.biSizeImage, c.sizeImage);
        DWORD masks[3];
        testing::ReadMasks(info, masks);
        EXPECT_EQ(masks[0], 0u) << "the header only";

        // Asked again with the depth filled in: the table or the masks.
        info.bmiHeader.biSizeImage = 0;
        ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS), 1);
        EXPECT_EQ(info.bmiHeader.biSizeImage, c.sizeImage);
        testing::ReadMasks(info, masks);
        EXPECT_EQ(masks[0], c.masks[0]);
        EXPECT_EQ(masks[1], c.masks[1]);
        EXPECT_EQ(masks[2], c.masks[2]);
    }
    DibCanvas indexed(2, 2, 4, {RGB(0, 0, 0), RGB(9, 8, 7)});
    BITMAPINFO info = DibHeader(2, 2, 4);
    ASSERT_EQ(GetDIBits(indexed.dc(), indexed.bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(info.bmiColors[1].rgbRed, 9);
    EXPECT_EQ(info.bmiColors[1].rgbBlue, 7);
}

// ---- Refusals ------------------------------------------------------------------

TEST(DibBits, RefusesBadHandlesHeadersAndFormats) {
    DibCanvas canvas(4, 2, 8);
    std::vector<std::uint8_t> buffer(64, 0xAA);
    BITMAPINFO info = DibHeader(4, 2, 8);
    auto get = [&](HDC dc, HBITMAP bitmap, BITMAPINFO* header, void* bits = nullptr, UINT usage = DIB_RGB_COLORS) {
        return GetDIBits(dc, bitmap, 0, 2, bits ? bits : buffer.data(), header, usage);
    };
    auto set = [&](HDC dc, HBITMAP bitmap, const BITMAPINFO* header, UINT usage = DIB_RGB_COLORS) {
        return SetDIBits(dc, bitmap, 0, 2, buffer.data(), header, usage);
    };
    const HDC staleDc = CreateCompatibleDC(nullptr);
    DeleteDC(staleDc);
    BITMAPINFO scratch = DibHeader(1, 1, 8);
    const HBITMAP staleBitmap = CreateDIBSection(nullptr, &scratch, DIB_RGB_COLORS, nullptr, nullptr, 0);
    DeleteObject(staleBitmap);
    HBRUSH brush = testing::SolidBrush(RGB(1, 2, 3));

    // The well-formed calls, for contrast: the canvas becomes 0xAA.
    EXPECT_EQ(set(nullptr, canvas.bitmap(), &info), 2) << "SetDIBits needs no DC";
    EXPECT_EQ(get(canvas.dc(), canvas.bitmap(), &info), 2);
    // From here on a wrongful write would leave 0x55 in the canvas.
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0x55});
    EXPECT_EQ(get(nullptr, canvas.bitmap(), &info), 0) << "GetDIBits does";
    EXPECT_EQ(get(staleDc, canvas.bitmap(), &info), 0);
    EXPECT_EQ(set(staleDc, canvas.bitmap(), &info), 0);
    for (HBITMAP bad : {staleBitmap, reinterpret_cast<HBITMAP>(brush), reinterpret_cast<HBITMAP>(canvas.dc()),
                        static_cast<HBITMAP>(nullptr), reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(12345))}) {
        EXPECT_EQ(get(canvas.dc(), bad, &info), 0);
        EXPECT_EQ(set(canvas.dc(), bad, &info), 0);
    }
    EXPECT_EQ(get(canvas.dc(), canvas.bitmap(), nullptr), 0);
    EXPECT_EQ(set(canvas.dc(), canvas.bitmap(), nullptr), 0);
    EXPECT_EQ(get(canvas.dc(), canvas.bitmap(), &info, nullptr, 1), 0) << "DIB_PAL_COLORS";
    EXPECT_EQ(set(canvas.dc(), canvas.bitmap(), &info, 1), 0);
    EXPECT_EQ(SetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, nullptr, &info, DIB_RGB_COLORS), 0) << "no bits to set";

    const DWORD odd[3] = {0x0F00, 0x00F0, 0x000F};
    BITMAPINFO bad[] = {DibHeader(0, 2, 8),  DibHeader(-4, 2, 8), DibHeader(4, 0, 8),
                        DibHeader(4, 2, 2),  DibHeader(4, 2, 15), DibHeader(4, 2, 4) /* another indexed depth */,
                        BitfieldsHeader(4, 2, 16, odd), BitfieldsHeader(4, 2, 24, kMasks888), DibHeader(4, 2, 8)};
    bad[8].bmiHeader.biSize = 12;
    for (BITMAPINFO& header : bad) {
        EXPECT_EQ(get(canvas.dc(), canvas.bitmap(), &header), 0)
            << header.bmiHeader.biWidth << " x " << header.bmiHeader.biHeight << " x " << header.bmiHeader.biBitCount;
        EXPECT_EQ(set(canvas.dc(), canvas.bitmap(), &header), 0)
            << header.bmiHeader.biWidth << " x " << header.bmiHeader.biHeight << " x " << header.bmiHeader.biBitCount;
    }
    BITMAPINFO compressed = DibHeader(4, 2, 8);
    compressed.bmiHeader.biCompression = 1;  // BI_RLE8
    EXPECT_EQ(get(canvas.dc(), canvas.bitmap(), &compressed), 0);
    EXPECT_EQ(set(canvas.dc(), canvas.bitmap(), &compressed), 0);

    // A direct bitmap has no indices to give or take.
    DibCanvas direct(4, 2, 32);
    EXPECT_EQ(get(direct.dc(), direct.bitmap(), &info), 0);
    EXPECT_EQ(set(direct.dc(), direct.bitmap(), &info), 0);
    // The stock bitmap may be read, never written.
    HDC fresh = CreateCompatibleDC(nullptr);
    HBITMAP stock = static_cast<HBITMAP>(GetCurrentObject(fresh, OBJ_BITMAP));
    BITMAPINFO one = DibHeader(1, 1, 1);
    EXPECT_EQ(get(fresh, stock, &one), 1);
    EXPECT_EQ(set(fresh, stock, &one), 0);
    DeleteDC(fresh);
    DeleteObject(brush);
    EXPECT_EQ(std::vector<std::uint8_t>(canvas.bits(), canvas.bits() + 8), std::vector<std::uint8_t>(8, 0xAA))
        << "only the calls that succeeded wrote anything";
    EXPECT_EQ(buffer[9], 0x55) << "nor read into the buffer";
}

// ---- The library's round trips -------------------------------------------------

TEST(DibBits, BlocksGoOutAndComeBackWhetherSelectedOrNot) {
    // An 8-bit canvas page, bottom-up as the library makes it, and its DC.
    constexpr int kWidth = 40;
    constexpr int kHeight = 30;
    DibCanvas page(kWidth, kHeight, 8, {RGB(0, 0, 0), RGB(255, 0, 0)}, true);
    const std::vector<std::uint8_t> noise = Noise(static_cast<std::size_t>(kWidth) * kHeight, 7);
    std::memcpy(page.bits(), noise.data(), noise.size());
    // Image rows 10-19 are scan lines 19-10 of the whole page's image.
    BITMAPINFO info = DibHeader(kWidth, -kHeight, 8);
    std::vector<std::uint8_t> block(kWidth * 10);
    ASSERT_EQ(GetDIBits(page.dc(), page.bitmap(), 10, 10, block.data(), &info, DIB_RGB_COLORS), 10);
    auto storedRow = [&](int y) { return page.bits() + kWidth * (kHeight - 1 - y); };  // bottom-up storage
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(std::memcmp(&block[static_cast<std::size_t>(kWidth * k)], storedRow(10 + k), kWidth), 0) << k;
    // Asked bottom-up, the same lines come lowest first: as they are stored.
    info.bmiHeader.biHeight = kHeight;
    std::vector<std::uint8_t> rows(kWidth * 10);
    ASSERT_EQ(GetDIBits(page.dc(), page.bitmap(), 10, 10, rows.data(), &info, DIB_RGB_COLORS), 10);
    EXPECT_EQ(std::memcmp(rows.data(), storedRow(19), rows.size()), 0);

    // Pasted back through a compatible bitmap that no DC holds.
    HBITMAP scratch = CreateCompatibleBitmap(page.dc(), kWidth, 10);
    info.bmiHeader.biHeight = -10;
    ASSERT_EQ(SetDIBits(page.dc(), scratch, 0, 10, block.data(), &info, DIB_RGB_COLORS), 10);
    HDC scratchDc = CreateCompatibleDC(page.dc());
    HGDIOBJ previous = SelectObject(scratchDc, scratch);
    ASSERT_EQ(BitBlt(page.dc(), 0, 0, kWidth, 10, scratchDc, 0, 0, SRCCOPY), TRUE);
    ASSERT_EQ(BitBlt(page.dc(), 0, 10, kWidth, 10, scratchDc, 0, 0, SRCINVERT), TRUE);
    std::string wrong;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t stored = storedRow(y)[x];
            const std::uint8_t expected = y < 10 ? block[static_cast<std::size_t>(kWidth * y + x)] : 0;
            if (stored != expected) wrong += std::to_string(x) + "," + std::to_string(y) + " ";
        }
    EXPECT_EQ(wrong, "") << "rows 0-9 a copy of rows 10-19, which are XORed away";
    SelectObject(scratchDc, previous);
    DeleteDC(scratchDc);
    DeleteObject(scratch);
}

}  // namespace
}  // namespace lumenbox::win
