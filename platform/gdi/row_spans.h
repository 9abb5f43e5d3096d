// A set of pixels kept as horizontal spans, row by row. Wide pens and shapes
// gather what they cover here first, so that overlapping pieces (the round
// joins of a polyline, an outline and its interior) become one set and every
// pixel is painted exactly once.
#pragma once

#include <vector>

namespace lumenbox::win::detail {

// Pixels [begin, end) of row y.
struct Span {
    int y;
    int begin;
    int end;
};

class RowSpans {
public:
    // Adds pixels [begin, end) of row y; an empty span adds nothing.
    void Add(int y, int begin, int end) {
        if (begin < end) spans_.push_back(Span{y, begin, end});
    }

    // Sorts the spans by row, then by column, and joins those that overlap or
    // touch. The operations below want normalised sets.
    void Normalise();

    // Removes the pixels of `other` (both normalised).
    void Subtract(const RowSpans& other);

    const std::vector<Span>& Spans() const { return spans_; }
    bool Empty() const { return spans_.empty(); }

private:
    std::vector<Span> spans_;
};

}  // namespace lumenbox::win::detail
