// Round-ended segments, row by row. The covered part of a row is an interval
// (a segment swept by a disc is convex): the union of what the two end discs
// and the band between them cover there.
#include "platform/gdi/wide_strokes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumenbox::win::detail {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Interval {
    double lo = kInfinity;
    double hi = -kInfinity;

    bool Empty() const { return !(lo <= hi); }
    void Join(double a, double b) {
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    }
    void Meet(double a, double b) {
        lo = std::max(lo, a);
        hi = std::min(hi, b);
    }
};

// Where slope * x + offset lies in [lo, hi]: an interval of x, everything or
// nothing when the slope is zero.
Interval Solve(double slope, double offset, double lo, double hi) {
    Interval x;
    if (slope == 0) {
        if (offset >= lo && offset <= hi) x = Interval{-kInfinity, kInfinity};
        return x;
    }
    const double a = (lo - offset) / slope;
    const double b = (hi - offset) / slope;
    x.lo = std::min(a, b);
    x.hi = std::max(a, b);
    return x;
}

void JoinDisc(Interval& row, PointF centre, double radius, double y) {
    const double dy = y - centre.y;
    if (std::fabs(dy) > radius) return;
    const double half = std::sqrt(radius * radius - dy * dy);
    row.Join(centre.x - half, centre.x + half);
}

// The band: points whose projection falls on the segment and whose distance
// from its line is at most the radius.
void JoinBand(Interval& row, PointF a, PointF b, double radius, double y) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0) return;
    const double rise = y - a.y;
    Interval band = Solve(dx, rise * dy, 0, lengthSquared);  // along the segment
    const double reach = radius * std::sqrt(lengthSquared);
    const Interval across = Solve(dy, -rise * dx, -reach, reach);  // distance from its line
    band.Meet(across.lo, across.hi);
    if (!band.Empty()) row.Join(a.x + band.lo, a.x + band.hi);
}

// The pixels p with lo <= p <= hi inside [min, max], as [first, last];
// false when there are none.
bool PixelRange(double lo, double hi, int min, int max, int& first, int& last) {
    const double from = std::max(std::ceil(lo), static_cast<double>(min));
    const double to = std::min(std::floor(hi), static_cast<double>(max));
    if (!(from <= to)) return false;
    first = static_cast<int>(from);
    last = static_cast<int>(to);
    return true;
}

}  // namespace

void AddRoundSegment(RowSpans& spans, PointF a, PointF b, std::int64_t width, const RECT& visible) {
    if (visible.right <= visible.left || visible.bottom <= visible.top) return;
    const double radius = static_cast<double>(width) / 2;
    const double shift = width % 2 == 0 ? 0.5 : 0.0;  // sample point minus pixel coordinate
    int top = 0;
    int bottom = 0;
    if (!PixelRange(std::min(a.y, b.y) - radius - shift, std::max(a.y, b.y) + radius - shift, visible.top,
                    visible.bottom - 1, top, bottom))
        return;
    for (int y = top; y <= bottom; ++y) {
        const double sampleY = y + shift;
        Interval row;
        JoinDisc(row, a, radius, sampleY);
        JoinDisc(row, b, radius, sampleY);
        JoinBand(row, a, b, radius, sampleY);
        if (row.Empty()) continue;
        int first = 0;
        int last = 0;
        if (PixelRange(row.lo - shift, row.hi - shift, visible.left, visible.right - 1, first, last))
            spans.Add(y, first, last + 1);
    }
}

}  // namespace lumenbox::win::detail
