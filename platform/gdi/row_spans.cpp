// Normalising and subtracting span sets: both are merges of sorted lists.
#include "platform/gdi/row_spans.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace lumenbox::win::detail {

namespace {

bool Before(const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.begin < b.begin; }

}  // namespace

void RowSpans::Normalise() {
    if (spans_.empty()) return;
    std::sort(spans_.begin(), spans_.end(), Before);
    std::size_t kept = 0;
    for (std::size_t i = 1; i < spans_.size(); ++i) {
        Span& last = spans_[kept];
        const Span& next = spans_[i];
        if (next.y == last.y && next.begin <= last.end)
            last.end = std::max(last.end, next.end);
        else
            spans_[++kept] = next;
    }
    spans_.resize(kept + 1);
}

void RowSpans::Subtract(const RowSpans& other) {
    std::vector<Span> result;
    result.reserve(spans_.size());
    const std::vector<Span>& cuts = other.spans_;
    std::size_t c = 0;
    for (Span piece : spans_) {
        // Skip the cuts that end before this piece starts; the rest of the
        // cuts on its row clip it from the left.
        while (c < cuts.size() && (cuts[c].y < piece.y || (cuts[c].y == piece.y && cuts[c].end <= piece.begin))) ++c;
        for (std::size_t k = c; k < cuts.size() && cuts[k].y == piece.y && cuts[k].begin < piece.end; ++k) {
            if (cuts[k].begin > piece.begin) result.push_back(Span{piece.y, piece.begin, cuts[k].begin});
            piece.begin = std::max(piece.begin, cuts[k].end);
            if (piece.begin >= piece.end) break;
        }
        if (piece.begin < piece.end) result.push_back(piece);
    }
    spans_ = std::move(result);
}

}  // namespace lumenbox::win::detail
