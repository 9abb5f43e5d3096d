// The part of the plane an Arc or Pie sweeps: counter-clockwise as seen on
// the screen (the default arc direction), from the radial through the start
// point to the radial through the end point, both radials included. Radials
// pointing the same way sweep the whole turn.
//
// Directions are taken from the centre of the box in half pixels, so the
// centre of an even-sized box is exact, and compared with exact cross
// products: no angle is ever rounded.
#pragma once

#include <cstdint>

#include <lumenbox/win/types.h>

#include "platform/gdi/ellipse_rows.h"

namespace lumenbox::win::detail {

class ArcSweep {
public:
    // A start or end point on the centre itself points right.
    ArcSweep(const Box& box, POINT start, POINT end);

    bool Full() const { return full_; }
    bool Contains(std::int64_t x, std::int64_t y) const;
    // Whether the direction of pixel a lies before that of pixel b, turning
    // counter-clockwise from the start radial (the centre comes first).
    bool Before(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) const;

    // Twice the centre's coordinates.
    std::int64_t CentreX2() const { return centreX2_; }
    std::int64_t CentreY2() const { return centreY2_; }

    // A direction in half pixels, y growing upwards (so counter-clockwise
    // is the positive turn).
    struct Direction {
        std::int64_t u;
        std::int64_t v;
    };
    Direction Start() const { return start_; }
    Direction End() const { return end_; }

private:
    Direction From(std::int64_t x, std::int64_t y) const;
    // 0 when `d` lies within half a turn counter-clockwise of the start
    // radial (the radial itself included), 1 otherwise.
    int HalfOf(const Direction& d) const;

    std::int64_t centreX2_;
    std::int64_t centreY2_;
    Direction start_;
    Direction end_;
    bool full_;
};

}  // namespace lumenbox::win::detail
