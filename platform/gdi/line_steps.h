// The pixels of a one-pixel line, Bresenham's way: one pixel per step along
// the major axis (the one the line moves further along), from the start point
// up to, not including, the end point.
//
// The minor coordinate of each step is the line's exact position rounded to
// the nearest pixel, a tie going to the smaller coordinate. The rounding
// looks at the point only, not at the direction of travel, so a line and its
// reverse light the same pixels but for the end each leaves out.
//
// Coordinates are whatever a caller passes, so the steps are clipped to the
// visible rectangle before any is taken: the work is bounded by what shows.
#pragma once

#include <cstdint>

#include <lumenbox/win/types.h>

namespace lumenbox::win::detail {

struct LineSteps {
    bool xMajor = true;
    std::int64_t major0 = 0;      // the start point
    std::int64_t minor0 = 0;
    int majorStep = 1;            // +1 or -1
    std::int64_t minorDelta = 0;  // end minus start, |minorDelta| <= count
    std::int64_t count = 0;       // steps taken: |major delta|, the end excluded
};

// Half-open range of steps [first, last).
struct StepRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
    bool Empty() const { return last <= first; }
};

LineSteps StepsOf(POINT from, POINT to);

// The minor coordinate of step i.
std::int64_t MinorAt(const LineSteps& line, std::int64_t i);

// The steps whose pixels lie inside `visible`: a line crosses a rectangle
// once, so they are one range.
StepRange VisibleSteps(const LineSteps& line, const RECT& visible);

// Walks a range of steps with Bresenham's error term, calling
// plot(x, y, step) for each. The first position is computed exactly; the
// rest are one addition each.
class LineWalker {
public:
    LineWalker(const LineSteps& line, std::int64_t first);

    template <class Plot>
    void Walk(std::int64_t last, Plot&& plot) {
        for (; step_ < last; Advance()) {
            const int minor = static_cast<int>(minor_);
            if (xMajor_)
                plot(static_cast<int>(major_), minor, step_);
            else
                plot(minor, static_cast<int>(major_), step_);
        }
    }

private:
    void Advance();

    bool xMajor_;
    int majorStep_;
    std::int64_t step_;
    std::int64_t major_;
    std::int64_t minor_;
    std::int64_t twiceDelta_;   // 2 * minorDelta
    std::int64_t twiceCount_;   // 2 * count
    std::int64_t remainder_;    // in [0, twiceCount_)
};

template <class Plot>
void WalkVisibleSteps(const LineSteps& line, const RECT& visible, Plot&& plot) {
    const StepRange range = VisibleSteps(line, visible);
    if (range.Empty()) return;
    LineWalker(line, range.first).Walk(range.last, plot);
}

}  // namespace lumenbox::win::detail
