// Comparing directions by the half turn they fall in, then by the sign of
// their cross product: exact for any pair of int coordinates.
#include "platform/gdi/arc_sweep.h"

#include "platform/gdi/wide_arithmetic.h"

namespace lumenbox::win::detail {

namespace {

Int128 Cross(const ArcSweep::Direction& a, const ArcSweep::Direction& b) {
    return Int128{a.u} * b.v - Int128{a.v} * b.u;
}

Int128 Dot(const ArcSweep::Direction& a, const ArcSweep::Direction& b) {
    return Int128{a.u} * b.u + Int128{a.v} * b.v;
}

bool IsZero(const ArcSweep::Direction& d) { return d.u == 0 && d.v == 0; }

}  // namespace

ArcSweep::ArcSweep(const Box& box, POINT start, POINT end)
    : centreX2_(box.left + box.right - 1), centreY2_(box.top + box.bottom - 1) {
    start_ = From(start.x, start.y);
    end_ = From(end.x, end.y);
    if (IsZero(start_)) start_ = Direction{1, 0};
    if (IsZero(end_)) end_ = Direction{1, 0};
    full_ = Cross(start_, end_) == 0 && Dot(start_, end_) > 0;
}

ArcSweep::Direction ArcSweep::From(std::int64_t x, std::int64_t y) const {
    return Direction{2 * x - centreX2_, centreY2_ - 2 * y};
}

int ArcSweep::HalfOf(const Direction& d) const {
    const Int128 turn = Cross(start_, d);
    return turn > 0 || (turn == 0 && Dot(start_, d) > 0) ? 0 : 1;
}

bool ArcSweep::Contains(std::int64_t x, std::int64_t y) const {
    if (full_) return true;
    const Direction d = From(x, y);
    if (IsZero(d)) return true;  // the centre lies on every radial
    const int half = HalfOf(d);
    const int endHalf = HalfOf(end_);
    if (half != endHalf) return half < endHalf;
    return Cross(d, end_) >= 0;
}

bool ArcSweep::Before(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) const {
    const Direction a = From(ax, ay);
    const Direction b = From(bx, by);
    if (IsZero(b)) return false;
    if (IsZero(a)) return true;
    const int halfA = HalfOf(a);
    const int halfB = HalfOf(b);
    if (halfA != halfB) return halfA < halfB;
    return Cross(a, b) > 0;
}

}  // namespace lumenbox::win::detail
