// Binary search for the first position where a monotone predicate holds:
// lines and curves find where they enter and leave the visible area this
// way, in time proportional to the logarithm of their length.
#pragma once

#include <cstdint>

namespace lumenbox::win::detail {

// The first k in [lo, hi) where `holds` is true, for a predicate that is
// false and then true along the range; hi if it never holds.
template <class Predicate>
std::int64_t FirstWhere(std::int64_t lo, std::int64_t hi, Predicate holds) {
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (holds(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

}  // namespace lumenbox::win::detail
