// The Windows-1252 code page: which Unicode character each byte of an "A"
// call's text stands for. Bytes below 0x80 and from 0xA0 are ISO 8859-1 and
// stand for themselves; the five that Windows-1252 leaves undefined map to
// the C1 control of the same value, as Windows maps them.
#pragma once

#include <array>
#include <cstdint>

namespace lumenbox::win::detail {

inline constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr char32_t UnicodeOfWindows1252(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80u] : char32_t{byte};
}

}  // namespace lumenbox::win::detail
