// Bresenham steps and their clipping. Every coordinate is held in 64 bits,
// and the products that can pass 64 bits in 128.
#include "platform/gdi/line_steps.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/first_where.h"
#include "platform/gdi/wide_arithmetic.h"

namespace lumenbox::win::detail {

LineSteps StepsOf(POINT from, POINT to) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    LineSteps line;
    line.xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t majorDelta = line.xMajor ? dx : dy;
    line.major0 = line.xMajor ? from.x : from.y;
    line.minor0 = line.xMajor ? from.y : from.x;
    line.majorStep = majorDelta < 0 ? -1 : 1;
    line.minorDelta = line.xMajor ? dy : dx;
    line.count = std::llabs(majorDelta);
    return line;
}

// The exact minor position at step i is minor0 + i * delta / count; rounded
// to the nearest integer with ties down, that is
// minor0 + ceil((2 * i * delta - count) / (2 * count)).
std::int64_t MinorAt(const LineSteps& line, std::int64_t i) {
    const Int128 numerator = Int128{2} * i * line.minorDelta - line.count;
    return line.minor0 + CeilDiv(numerator, Int128{2} * line.count);
}

namespace {

// Steps whose major coordinate lies in [lo, hi).
StepRange MajorRange(const LineSteps& line, std::int64_t lo, std::int64_t hi) {
    StepRange range;
    if (line.majorStep > 0) {
        range.first = lo - line.major0;
        range.last = hi - line.major0;
    } else {
        range.first = line.major0 - hi + 1;
        range.last = line.major0 - lo + 1;
    }
    range.first = std::max<std::int64_t>(range.first, 0);
    range.last = std::min(range.last, line.count);
    return range;
}

// Narrows a range of steps to those whose minor coordinate lies in [lo, hi).
// The minor coordinate moves one way along the line, so those steps are
// contiguous and two binary searches find them.
StepRange NarrowByMinor(const LineSteps& line, StepRange range, std::int64_t lo, std::int64_t hi) {
    const auto inside = [&](std::int64_t i) {
        const std::int64_t minor = MinorAt(line, i);
        return minor >= lo && minor < hi;
    };
    if (inside(range.first) && inside(range.last - 1)) return range;
    const auto minor = [&](std::int64_t i) { return MinorAt(line, i); };
    if (line.minorDelta >= 0) {
        range.first = FirstWhere(range.first, range.last, [&](std::int64_t i) { return minor(i) >= lo; });
        range.last = FirstWhere(range.first, range.last, [&](std::int64_t i) { return minor(i) >= hi; });
    } else {
        range.first = FirstWhere(range.first, range.last, [&](std::int64_t i) { return minor(i) < hi; });
        range.last = FirstWhere(range.first, range.last, [&](std::int64_t i) { return minor(i) < lo; });
    }
    return range;
}

}  // namespace

StepRange VisibleSteps(const LineSteps& line, const RECT& visible) {
    if (line.count <= 0 || visible.right <= visible.left || visible.bottom <= visible.top) return {};
    const std::int64_t majorLo = line.xMajor ? visible.left : visible.top;
    const std::int64_t majorHi = line.xMajor ? visible.right : visible.bottom;
    const std::int64_t minorLo = line.xMajor ? visible.top : visible.left;
    const std::int64_t minorHi = line.xMajor ? visible.bottom : visible.right;
    const StepRange range = MajorRange(line, majorLo, majorHi);
    if (range.Empty()) return {};
    return NarrowByMinor(line, range, minorLo, minorHi);
}

LineWalker::LineWalker(const LineSteps& line, std::int64_t first)
    : xMajor_(line.xMajor),
      majorStep_(line.majorStep),
      step_(first),
      major_(line.major0 + first * line.majorStep),
      twiceDelta_(2 * line.minorDelta),
      twiceCount_(2 * line.count) {
    // The error term of step `first`: numerator E = 2 * first * delta - count
    // over 2 * count, kept as the remainder of its rounding up.
    const Int128 numerator = Int128{2} * first * line.minorDelta - line.count;
    const std::int64_t offset = CeilDiv(numerator, twiceCount_);
    minor_ = line.minor0 + offset;
    remainder_ = static_cast<std::int64_t>(Int128{twiceCount_} * offset - numerator);
}

void LineWalker::Advance() {
    ++step_;
    major_ += majorStep_;
    remainder_ -= twiceDelta_;
    if (remainder_ < 0) {
        ++minor_;
        remainder_ += twiceCount_;
    } else if (remainder_ >= twiceCount_) {
        --minor_;
        remainder_ -= twiceCount_;
    }
}

}  // namespace lumenbox::win::detail
