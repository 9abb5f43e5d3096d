// Row operations of the six DIB depths.
//
// 32-bit rows are accessed as std::uint32_t: every 32-bit pixel store (DIB
// storage and display surfaces alike) is an array of std::uint32_t, and rows
// start on word boundaries. 24-bit rows are bytes blue, green, red; 16-bit
// rows little-endian words, handled as byte pairs since their storage is
// std::uint32_t too.
#include "platform/gdi/pixel_formats.h"

#include "platform/gdi/short_spans.h"

#include <algorithm>
#include <cstring>

namespace lumenbox::win::detail {

namespace {

// ---- 1 bit: bit 0x80 of a byte is its leftmost pixel ----------------------
std::uint32_t Get1(const std::uint8_t* row, int x) { return (row[x >> 3] >> (7 - (x & 7))) & 1u; }

void Set1(std::uint8_t* row, int x, std::uint32_t value) {
    const std::uint8_t mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
    if (value & 1u)
        row[x >> 3] |= mask;
    else
        row[x >> 3] &= static_cast<std::uint8_t>(~mask);
}

void Fill1(std::uint8_t* row, int begin, int end, std::uint32_t value) {
    // Ragged ends bit by bit, whole bytes in between.
    while (begin < end && (begin & 7) != 0) Set1(row, begin++, value);
    while (end > begin && (end & 7) != 0) Set1(row, --end, value);
    if (begin < end) std::memset(row + (begin >> 3), (value & 1u) ? 0xFF : 0x00, static_cast<std::size_t>((end - begin) >> 3));
}

// ---- 4 bits: the high nibble is the left pixel -----------------------------
std::uint32_t Get4(const std::uint8_t* row, int x) { return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4); }

void Set4(std::uint8_t* row, int x, std::uint32_t value) {
    std::uint8_t& byte = row[x >> 1];
    const std::uint8_t v = static_cast<std::uint8_t>(value & 0x0Fu);
    byte = (x & 1) ? static_cast<std::uint8_t>((byte & 0xF0u) | v) : static_cast<std::uint8_t>((byte & 0x0Fu) | (v << 4));
}

void Fill4(std::uint8_t* row, int begin, int end, std::uint32_t value) {
    if (begin < end && (begin & 1)) Set4(row, begin++, value);
    if (end > begin && (end & 1)) Set4(row, --end, value);
    const std::uint8_t v = static_cast<std::uint8_t>(value & 0x0Fu);
    if (begin < end) std::memset(row + (begin >> 1), (v << 4) | v, static_cast<std::size_t>((end - begin) >> 1));
}

// ---- 8 bits ----------------------------------------------------------------
std::uint32_t Get8(const std::uint8_t* row, int x) { return row[x]; }
void Set8(std::uint8_t* row, int x, std::uint32_t value) { row[x] = static_cast<std::uint8_t>(value); }
void Fill8(std::uint8_t* row, int begin, int end, std::uint32_t value) {
    if (begin < end) FillByteRuns(row + begin, 0, 1, static_cast<std::size_t>(end - begin), static_cast<std::uint8_t>(value));
}
void Read8(const std::uint8_t* row, int x, int count, std::uint32_t* out) { std::copy(row + x, row + x + count, out); }
void Write8(std::uint8_t* row, int x, int count, const std::uint32_t* in) {
    for (int i = 0; i < count; ++i) row[x + i] = static_cast<std::uint8_t>(in[i]);
}

// ---- 16 bits: 5-5-5 or 5-6-5 words -----------------------------------------
std::uint32_t Load16(const std::uint8_t* row, int x) {
    const std::uint8_t* p = row + 2 * x;
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8);
}
void Store16(std::uint8_t* row, int x, std::uint32_t word) {
    std::uint8_t* p = row + 2 * x;
    p[0] = static_cast<std::uint8_t>(word);
    p[1] = static_cast<std::uint8_t>(word >> 8);
}

// A component read back repeats its high bits in the low ones, so that full
// intensity reads as 255 and a pack of what was read gives the same word.
constexpr std::uint32_t Widen5(std::uint32_t v) { return (v << 3) | (v >> 2); }
constexpr std::uint32_t Widen6(std::uint32_t v) { return (v << 2) | (v >> 4); }

// 0x00RRGGBB to a stored word: each component keeps its high bits.
template <PixelLayout Layout>
std::uint32_t Pack16(std::uint32_t rgb) {
    if constexpr (Layout == PixelLayout::Rgb565)
        return ((rgb >> 8) & 0xF800u) | ((rgb >> 5) & 0x07E0u) | ((rgb >> 3) & 0x001Fu);
    else
        return ((rgb >> 9) & 0x7C00u) | ((rgb >> 6) & 0x03E0u) | ((rgb >> 3) & 0x001Fu);
}

template <PixelLayout Layout>
std::uint32_t Unpack16(std::uint32_t word) {
    if constexpr (Layout == PixelLayout::Rgb565)
        return (Widen5((word >> 11) & 0x1Fu) << 16) | (Widen6((word >> 5) & 0x3Fu) << 8) | Widen5(word & 0x1Fu);
    else
        return (Widen5((word >> 10) & 0x1Fu) << 16) | (Widen5((word >> 5) & 0x1Fu) << 8) | Widen5(word & 0x1Fu);
}

template <PixelLayout Layout>
std::uint32_t Get16(const std::uint8_t* row, int x) { return Unpack16<Layout>(Load16(row, x)); }
template <PixelLayout Layout>
void Set16(std::uint8_t* row, int x, std::uint32_t value) { Store16(row, x, Pack16<Layout>(value)); }
template <PixelLayout Layout>
void Fill16(std::uint8_t* row, int begin, int end, std::uint32_t value) {
    const std::uint32_t word = Pack16<Layout>(value);
    for (int x = begin; x < end; ++x) Store16(row, x, word);
}

// ---- 24 bits: blue, green, red ---------------------------------------------
std::uint32_t Get24(const std::uint8_t* row, int x) {
    const std::uint8_t* p = row + 3 * x;
    return (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
}
void Set24(std::uint8_t* row, int x, std::uint32_t value) {
    std::uint8_t* p = row + 3 * x;
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value >> 16);
}
void Fill24(std::uint8_t* row, int begin, int end, std::uint32_t value) {
    for (int x = begin; x < end; ++x) Set24(row, x, value);
}

// ---- 32 bits: 0x00RRGGBB words ---------------------------------------------
std::uint32_t* Words(std::uint8_t* row) { return reinterpret_cast<std::uint32_t*>(row); }
const std::uint32_t* Words(const std::uint8_t* row) { return reinterpret_cast<const std::uint32_t*>(row); }

std::uint32_t Get32(const std::uint8_t* row, int x) { return Words(row)[x] & 0x00FFFFFFu; }
void Set32(std::uint8_t* row, int x, std::uint32_t value) { Words(row)[x] = value; }
void Fill32(std::uint8_t* row, int begin, int end, std::uint32_t value) {
    if (begin < end) FillWordRuns(row + std::ptrdiff_t{begin} * 4, 0, 1, static_cast<std::size_t>(end - begin), value);
}
void Read32(const std::uint8_t* row, int x, int count, std::uint32_t* out) {
    const std::uint32_t* words = Words(row) + x;
    for (int i = 0; i < count; ++i) out[i] = words[i] & 0x00FFFFFFu;
}
void Write32(std::uint8_t* row, int x, int count, const std::uint32_t* in) { std::copy(in, in + count, Words(row) + x); }

// Spans of the depths without a word-sized fast path go pixel by pixel
// through the depth's own accessors.
template <std::uint32_t (*Get)(const std::uint8_t*, int)>
void ReadEach(const std::uint8_t* row, int x, int count, std::uint32_t* out) {
    for (int i = 0; i < count; ++i) out[i] = Get(row, x + i);
}
template <void (*Set)(std::uint8_t*, int, std::uint32_t)>
void WriteEach(std::uint8_t* row, int x, int count, const std::uint32_t* in) {
    for (int i = 0; i < count; ++i) Set(row, x + i, in[i]);
}

constexpr PixelLayout kStandard = PixelLayout::Standard;
constexpr PixelLayout k565 = PixelLayout::Rgb565;
constexpr std::array<std::uint32_t, 3> kNoMasks{0, 0, 0};
constexpr std::array<std::uint32_t, 3> kMasks555{0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasks565{0xF800, 0x07E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasks888{0xFF0000, 0x00FF00, 0x0000FF};

constexpr PixelFormat kFormat1{1, kStandard, kNoMasks, Get1, Set1, Fill1, ReadEach<Get1>, WriteEach<Set1>};
constexpr PixelFormat kFormat4{4, kStandard, kNoMasks, Get4, Set4, Fill4, ReadEach<Get4>, WriteEach<Set4>};
constexpr PixelFormat kFormat8{8, kStandard, kNoMasks, Get8, Set8, Fill8, Read8, Write8};
constexpr PixelFormat kFormat555{16, kStandard, kMasks555, Get16<kStandard>, Set16<kStandard>, Fill16<kStandard>,
                                 ReadEach<Get16<kStandard>>, WriteEach<Set16<kStandard>>};
constexpr PixelFormat kFormat565{16, k565, kMasks565, Get16<k565>, Set16<k565>, Fill16<k565>, ReadEach<Get16<k565>>,
                                 WriteEach<Set16<k565>>};
constexpr PixelFormat kFormat24{24, kStandard, kMasks888, Get24, Set24, Fill24, ReadEach<Get24>, WriteEach<Set24>};
constexpr PixelFormat kFormat32{32, kStandard, kMasks888, Get32, Set32, Fill32, Read32, Write32};

}  // namespace

const PixelFormat* PixelFormatFor(int bitsPerPixel, PixelLayout layout) {
    if (layout == PixelLayout::Rgb565) return bitsPerPixel == 16 ? &kFormat565 : nullptr;
    switch (bitsPerPixel) {
        case 1: return &kFormat1;
        case 4: return &kFormat4;
        case 8: return &kFormat8;
        case 16: return &kFormat555;
        case 24: return &kFormat24;
        case 32: return &kFormat32;
        default: return nullptr;
    }
}

const PixelFormat* PixelFormatWithMasks(int bitsPerPixel, const std::array<std::uint32_t, 3>& masks) {
    for (const PixelFormat* format : {&kFormat555, &kFormat565, &kFormat32})
        if (format->bitsPerPixel == bitsPerPixel && format->masks == masks) return format;
    return nullptr;
}

std::ptrdiff_t DibRowBytes(int width, int bitsPerPixel) {
    const std::ptrdiff_t bits = static_cast<std::ptrdiff_t>(width) * bitsPerPixel;
    return ((bits + 31) / 32) * 4;
}

}  // namespace lumenbox::win::detail
