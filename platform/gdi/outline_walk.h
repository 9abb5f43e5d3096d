// The cosmetic outline of an ellipse (see ellipse_rows.h) in drawing order:
// counter-clockwise as seen on the screen, from the rightmost pixel of the
// centre row (angle 0) up over the top, down the left side, along the bottom
// and up the right side. A dashed pen needs this order to run its pattern.
//
// The outline comes in pieces: runs of one row, walked left or right. Each
// quarter takes its rows in turn (upper right from the centre row up, upper
// left from the top down, lower left from below the centre down, lower right
// from the bottom up), and each pixel falls in exactly one quarter.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/gdi/ellipse_rows.h"

namespace lumenbox::win::detail {

// Pixels of row y from `from` to `to`, both included, `step` apart.
struct OutlinePiece {
    std::int64_t y;
    std::int64_t from;
    std::int64_t to;
    int step;  // +1 or -1

    std::int64_t Length() const { return (to - from) * step + 1; }
    std::int64_t X(std::int64_t k) const { return from + k * step; }
};

enum class Quarter { UpperRight, UpperLeft, LowerLeft, LowerRight };

// The pieces of row y that lie in the quarter, in walk order; returns how
// many (0 to 2).
int PiecesOf(const EllipseRows& rows, std::int64_t y, Quarter quarter, OutlinePiece pieces[2]);

// Calls visit(piece, position) for every piece in rows [firstRow, lastRow],
// in walk order, `position` counting the pixels walked before the piece
// (from the first row given, so the count is the outline's own only when
// the range covers the whole ellipse).
template <class Visit>
void WalkOutline(const EllipseRows& rows, std::int64_t firstRow, std::int64_t lastRow, Visit&& visit) {
    const Box& box = rows.Bounds();
    const std::int64_t top = std::max(box.top, firstRow);
    const std::int64_t bottom = std::min(box.bottom - 1, lastRow);
    const std::int64_t middle = rows.CentreTop();  // the last row of the upper half
    std::int64_t position = 0;
    OutlinePiece pieces[2];
    const auto row = [&](std::int64_t y, Quarter quarter) {
        const int count = PiecesOf(rows, y, quarter, pieces);
        for (int i = 0; i < count; ++i) {
            visit(pieces[i], position);
            position += pieces[i].Length();
        }
    };
    for (std::int64_t y = std::min(middle, bottom); y >= top; --y) row(y, Quarter::UpperRight);
    for (std::int64_t y = top; y <= std::min(middle, bottom); ++y) row(y, Quarter::UpperLeft);
    for (std::int64_t y = std::max(middle + 1, top); y <= bottom; ++y) row(y, Quarter::LowerLeft);
    for (std::int64_t y = bottom; y >= std::max(middle + 1, top); --y) row(y, Quarter::LowerRight);
}

}  // namespace lumenbox::win::detail
