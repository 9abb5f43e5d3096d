// Rectangle arithmetic for update regions and client areas. Right and bottom
// are exclusive; a rectangle with left >= right or top >= bottom is empty,
// reversed ones included.
#pragma once

#include <algorithm>

#include <lumenbox/win/types.h>

namespace lumenbox::win::detail {

inline bool IsEmptyRect(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

// May be empty (even reversed) when the two do not overlap.
inline RECT Intersection(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// Both must be non-empty.
inline RECT BoundingUnion(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// The bounding rectangle of `bounds` less `removed`: it shrinks only where
// `removed` cuts a whole strip off one side; a hole in the middle leaves the
// bounds as they are, since the rest still reaches every edge.
inline RECT BoundsWithout(RECT bounds, const RECT& removed) {
    if (IsEmptyRect(removed) || IsEmptyRect(bounds)) return bounds;
    const bool fullWidth = removed.left <= bounds.left && removed.right >= bounds.right;
    const bool fullHeight = removed.top <= bounds.top && removed.bottom >= bounds.bottom;
    if (fullWidth && removed.top <= bounds.top) bounds.top = std::max(bounds.top, removed.bottom);
    if (fullWidth && removed.bottom >= bounds.bottom) bounds.bottom = std::min(bounds.bottom, removed.top);
    if (fullHeight && removed.left <= bounds.left) bounds.left = std::max(bounds.left, removed.right);
    if (fullHeight && removed.right >= bounds.right) bounds.right = std::min(bounds.right, removed.left);
    return IsEmptyRect(bounds) ? RECT{0, 0, 0, 0} : bounds;
}

}  // namespace lumenbox::win::detail
