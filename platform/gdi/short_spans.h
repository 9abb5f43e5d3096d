// Filling runs of 8- or 32-bit pixels with one value. A drawing program's
// blocks are a few pixels wide, where a library call per row costs more
// than the stores themselves, so a run of up to 32 bytes is written with two
// overlapping stores of a repeated value: the run's head and its tail. The
// value repeats every 1 or 4 bytes and every store width is a multiple of
// that, so the overlap stores the same bytes again. Longer runs go to memset
// and the compiler's own loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lumenbox::win::detail {

// The longest run StoreShortRuns writes.
inline constexpr std::size_t kShortRunBytes = 32;

// 16 bytes of the repeated value.
struct RepeatedValue {
    std::uint8_t bytes[16];

    static RepeatedValue OfByte(std::uint8_t value) {
        RepeatedValue repeated;
        std::memset(repeated.bytes, value, sizeof repeated.bytes);
        return repeated;
    }
    static RepeatedValue OfWord(std::uint32_t value) {
        RepeatedValue repeated;
        for (std::size_t i = 0; i < sizeof repeated.bytes; i += 4) std::memcpy(repeated.bytes + i, &value, 4);
        return repeated;
    }
};

// `rows` runs of `bytes` bytes (Width to 2 x Width of them), `pitch` apart.
template <std::size_t Width>
void StoreRunsOf(std::uint8_t* row, std::ptrdiff_t pitch, int rows, std::size_t bytes, const RepeatedValue& value) {
    for (int y = 0; y < rows; ++y, row += pitch) {
        std::memcpy(row, value.bytes, Width);
        std::memcpy(row + bytes - Width, value.bytes, Width);
    }
}

// `rows` runs of 1 to 32 bytes, `pitch` apart. The store width is chosen
// once for the whole block.
inline void StoreShortRuns(std::uint8_t* row, std::ptrdiff_t pitch, int rows, std::size_t bytes,
                           const RepeatedValue& value) {
    if (bytes >= 16)
        StoreRunsOf<16>(row, pitch, rows, bytes, value);
    else if (bytes >= 8)
        StoreRunsOf<8>(row, pitch, rows, bytes, value);
    else if (bytes >= 4)
        StoreRunsOf<4>(row, pitch, rows, bytes, value);
    else if (bytes >= 2)
        StoreRunsOf<2>(row, pitch, rows, bytes, value);
    else if (bytes == 1)
        StoreRunsOf<1>(row, pitch, rows, bytes, value);
}

// `rows` runs of `count` 8-bit pixels from `row`, `pitch` bytes apart.
inline void FillByteRuns(std::uint8_t* row, std::ptrdiff_t pitch, int rows, std::size_t count, std::uint8_t value) {
    if (count <= kShortRunBytes) {
        StoreShortRuns(row, pitch, rows, count, RepeatedValue::OfByte(value));
        return;
    }
    for (int y = 0; y < rows; ++y, row += pitch) std::memset(row, value, count);
}

// `rows` runs of `count` 32-bit pixels from `row`, `pitch` bytes apart.
inline void FillWordRuns(std::uint8_t* row, std::ptrdiff_t pitch, int rows, std::size_t count, std::uint32_t value) {
    if (count * 4 <= kShortRunBytes) {
        StoreShortRuns(row, pitch, rows, count * 4, RepeatedValue::OfWord(value));
        return;
    }
    for (int y = 0; y < rows; ++y, row += pitch) {
        auto* words = reinterpret_cast<std::uint32_t*>(row);
        for (std::size_t i = 0; i < count; ++i) words[i] = value;
    }
}

}  // namespace lumenbox::win::detail
