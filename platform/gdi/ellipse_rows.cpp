// Ellipse rows from the quarter's inequality, solved exactly per row.
#include "platform/gdi/ellipse_rows.h"

#include <algorithm>

#include "platform/gdi/wide_arithmetic.h"

namespace lumenbox::win::detail {

EllipseRows::EllipseRows(const Box& box) : box_(box) {
    const std::int64_t halfWidth = (box.right - box.left - 1) / 2;
    halfHeight_ = (box.bottom - box.top - 1) / 2;
    centreLeft_ = box.left + halfWidth;
    centreRight_ = box.right - 1 - halfWidth;
    centreTop_ = box.top + halfHeight_;
    centreBottom_ = box.bottom - 1 - halfHeight_;
    widthTerm_ = static_cast<std::uint64_t>(2 * halfWidth + 1);
    heightTerm_ = static_cast<std::uint64_t>(2 * halfHeight_ + 1);
}

// With P = 2a + 1 and Q = 2b + 1 the quarter's inequality reads
// (2 dx)^2 Q^2 + (2 dy)^2 P^2 <= P^2 Q^2, so the widest dx of a row is
// floor(sqrt(P^2 (Q^2 - 4 dy^2) / (4 Q^2))). P and Q stay below 2^32, so
// the product stays below 2^128.
RowExtent EllipseRows::Filled(std::int64_t y) const {
    if (y < box_.top || y >= box_.bottom) return {};
    const std::int64_t dy = y <= centreTop_ ? centreTop_ - y : (y >= centreBottom_ ? y - centreBottom_ : 0);
    if (dy > halfHeight_) return {};
    const UInt128 p2 = UInt128{widthTerm_} * widthTerm_;
    const UInt128 q2 = UInt128{heightTerm_} * heightTerm_;
    const UInt128 rest = q2 - UInt128{4} * static_cast<std::uint64_t>(dy) * static_cast<std::uint64_t>(dy);
    const std::uint64_t squared = static_cast<std::uint64_t>(p2 * rest / (UInt128{4} * q2));
    const std::int64_t dx = static_cast<std::int64_t>(ISqrt(squared));
    return RowExtent{centreLeft_ - dx, centreRight_ + dx};
}

OutlineRow EllipseRows::Outline(std::int64_t y) const {
    const RowExtent row = Filled(y);
    const RowExtent above = Filled(y - 1);
    const RowExtent below = Filled(y + 1);
    OutlineRow outline;
    outline.left = row;
    if (above.Empty() || below.Empty()) return outline;  // the top or bottom row: all outline
    // A pixel is outline when its neighbour above or below is outside.
    const std::int64_t leftEnd = std::max(row.first, std::max(above.first, below.first) - 1);
    const std::int64_t rightStart = std::min(row.last, std::min(above.last, below.last) + 1);
    if (leftEnd + 1 >= rightStart) return outline;  // the runs meet
    outline.left = RowExtent{row.first, leftEnd};
    outline.right = RowExtent{rightStart, row.last};
    outline.interior = RowExtent{leftEnd + 1, rightStart - 1};
    return outline;
}

}  // namespace lumenbox::win::detail
