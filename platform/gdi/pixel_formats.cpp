// Row operations of the five DIB depths.
//
// 32-bit rows are accessed as std::uint32_t: every 32-bit pixel store (DIB
// storage and display surfaces alike) is an array of std::uint32_t, and rows
// start on word boundaries. 24-bit rows are bytes blue, green, red.
#include "platform/gdi/pixel_formats.h"

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
    std::memset(row + begin, static_cast<std::uint8_t>(value), static_cast<std::size_t>(end - begin));
}
void Read8(const std::uint8_t* row, int x, int count, std::uint32_t* out) { std::copy(row + x, row + x + count, out); }
void Write8(std::uint8_t* row, int x, int count, const std::uint32_t* in) {
    for (int i = 0; i < count; ++i) row[x + i] = static_cast<std::uint8_t>(in[i]);
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
void Fill32(std::uint8_t* row, int begin, int end, std::uint32_t value) { std::fill(Words(row) + begin, Words(row) + end, value); }
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

constexpr PixelFormat kFormat1{1, Get1, Set1, Fill1, ReadEach<Get1>, WriteEach<Set1>};
constexpr PixelFormat kFormat4{4, Get4, Set4, Fill4, ReadEach<Get4>, WriteEach<Set4>};
constexpr PixelFormat kFormat8{8, Get8, Set8, Fill8, Read8, Write8};
constexpr PixelFormat kFormat24{24, Get24, Set24, Fill24, ReadEach<Get24>, WriteEach<Set24>};
constexpr PixelFormat kFormat32{32, Get32, Set32, Fill32, Read32, Write32};

}  // namespace

const PixelFormat* PixelFormatFor(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1: return &kFormat1;
        case 4: return &kFormat4;
        case 8: return &kFormat8;
        case 24: return &kFormat24;
        case 32: return &kFormat32;
        default: return nullptr;
    }
}

std::ptrdiff_t DibRowBytes(int width, int bitsPerPixel) {
    const std::ptrdiff_t bits = static_cast<std::ptrdiff_t>(width) * bitsPerPixel;
    return ((bits + 31) / 32) * 4;
}

}  // namespace lumenbox::win::detail
