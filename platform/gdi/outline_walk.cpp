// Splitting an outline row into the pieces of one quarter.
#include "platform/gdi/outline_walk.h"

#include <algorithm>
#include <cstdint>

namespace lumenbox::win::detail {

namespace {

// The part of a run inside [lo, hi], as a piece walked in `step`'s direction.
bool PieceOf(const RowExtent& run, std::int64_t y, std::int64_t lo, std::int64_t hi, int step, OutlinePiece& piece) {
    const std::int64_t first = std::max(run.first, lo);
    const std::int64_t last = std::min(run.last, hi);
    if (run.Empty() || first > last) return false;
    piece = step > 0 ? OutlinePiece{y, first, last, 1} : OutlinePiece{y, last, first, -1};
    return true;
}

}  // namespace

int PiecesOf(const EllipseRows& rows, std::int64_t y, Quarter quarter, OutlinePiece pieces[2]) {
    const OutlineRow outline = rows.Outline(y);
    // The quarter's columns: the upper right holds the centre column of an
    // odd width, the lower left holds it below the centre row.
    constexpr std::int64_t kFar = INT64_MAX / 4;
    std::int64_t lo = -kFar;
    std::int64_t hi = kFar;
    switch (quarter) {
        case Quarter::UpperRight: lo = rows.CentreRight(); break;
        case Quarter::UpperLeft: hi = rows.CentreRight() - 1; break;
        case Quarter::LowerLeft: hi = rows.CentreLeft(); break;
        case Quarter::LowerRight: lo = rows.CentreLeft() + 1; break;
    }
    // Leftwards in the upper half, rightwards in the lower.
    const bool leftwards = quarter == Quarter::UpperRight || quarter == Quarter::UpperLeft;
    const RowExtent& first = leftwards ? outline.right : outline.left;
    const RowExtent& second = leftwards ? outline.left : outline.right;
    const int step = leftwards ? -1 : 1;
    int count = 0;
    if (PieceOf(first, y, lo, hi, step, pieces[count])) ++count;
    if (PieceOf(second, y, lo, hi, step, pieces[count])) ++count;
    return count;
}

}  // namespace lumenbox::win::detail
