// Integer arithmetic past 64 bits, for the few products of coordinates that
// need it. A caller may pass any int, so a coordinate difference takes 33
// bits and a product of two takes 66; the drawing code computes those here,
// exactly, instead of rounding them through floating point.
#pragma once

#include <cmath>
#include <cstdint>

namespace lumenbox::win::detail {

// GCC and Clang both provide 128-bit integers; __extension__ says we mean it.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// floor(n / d) and ceil(n / d) for d > 0. The quotient must fit 64 bits.
inline std::int64_t FloorDiv(Int128 n, Int128 d) {
    Int128 q = n / d;
    if (n % d != 0 && n < 0) --q;
    return static_cast<std::int64_t>(q);
}

inline std::int64_t CeilDiv(Int128 n, Int128 d) {
    Int128 q = n / d;
    if (n % d != 0 && n > 0) ++q;
    return static_cast<std::int64_t>(q);
}

// floor(sqrt(v)). The floating-point estimate is within a few units of the
// answer; the exact corrections make it the answer.
inline std::uint64_t ISqrt(std::uint64_t v) {
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(v)));
    while (r > 0 && static_cast<UInt128>(r) * r > v) --r;
    while (static_cast<UInt128>(r + 1) * (r + 1) <= v) ++r;
    return r;
}

// The sign of a 128-bit value: -1, 0 or 1.
inline int SignOf(Int128 v) { return (v > 0) - (v < 0); }

}  // namespace lumenbox::win::detail
