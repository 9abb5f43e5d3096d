// The pixels of an ellipse inscribed in a box, row by row.
//
// The box holds columns left..right-1 and rows top..bottom-1. Its ellipse is
// built from one quarter: with a = (width - 1) / 2 and b = (height - 1) / 2
// (rounded down), the quarter holds the offsets (dx, dy), 0 <= dx <= a,
// 0 <= dy <= b, that satisfy
//     (dx / (a + 1/2))^2 + (dy / (b + 1/2))^2 <= 1,
// which is what a midpoint algorithm lights. The four quarters are placed
// around the centre pixel, or the centre pair of pixels when a side is even,
// so the ellipse touches all four sides of the box (Ellipse(0, 0, 11, 11)
// reaches columns 0 and 10), is symmetric both ways, and has no gap however
// flat it is: a box two rows high gives two full rows.
//
// The outline of the filled set is its pixels with a 4-neighbour outside it.
// It is 8-connected, holds each pixel once, and what it leaves inside is
// exactly the interior. Each row is computed on its own in 128-bit integers,
// so only the visible rows cost anything, whatever the box.
#pragma once

#include <cstdint>

namespace lumenbox::win::detail {

// A box in 64-bit coordinates, right and bottom excluded.
struct Box {
    std::int64_t left;
    std::int64_t top;
    std::int64_t right;
    std::int64_t bottom;

    bool Empty() const { return right <= left || bottom <= top; }
    // The box with `by` taken off each side (a negative `by` grows it).
    Box Shrunk(std::int64_t by) const { return Box{left + by, top + by, right - by, bottom - by}; }
};

// Pixels first..last of one row, both included.
struct RowExtent {
    std::int64_t first = 0;
    std::int64_t last = -1;
    bool Empty() const { return last < first; }
};

// One row of the outline: its pixels are [first, leftEnd] and
// [rightStart, last]; the interior lies strictly between. When the two runs
// meet, the whole row is outline and the interior is empty.
struct OutlineRow {
    RowExtent left;
    RowExtent right;
    RowExtent interior;
};

class EllipseRows {
public:
    // The widest and tallest box the exact row arithmetic takes: any box
    // made of int coordinates fits; one grown further by a huge pen may not.
    static constexpr std::int64_t kMaxSide = 0xFFFFFFFFll;
    static bool Fits(const Box& box) {
        return box.right - box.left <= kMaxSide && box.bottom - box.top <= kMaxSide;
    }

    // `box` must not be empty, and must fit.
    explicit EllipseRows(const Box& box);

    const Box& Bounds() const { return box_; }
    // The centre column, or the left and right of the two middle ones; the
    // centre row, or the upper and lower of the two middle ones.
    std::int64_t CentreLeft() const { return centreLeft_; }
    std::int64_t CentreRight() const { return centreRight_; }
    std::int64_t CentreTop() const { return centreTop_; }
    std::int64_t CentreBottom() const { return centreBottom_; }

    // The filled pixels of row y; empty outside the ellipse.
    RowExtent Filled(std::int64_t y) const;

    // The outline and interior of row y, which must hold filled pixels.
    OutlineRow Outline(std::int64_t y) const;

private:
    Box box_;
    std::int64_t centreLeft_;    // the centre column, or the left one of two
    std::int64_t centreRight_;
    std::int64_t centreTop_;     // the centre row, or the upper one of two
    std::int64_t centreBottom_;
    std::int64_t halfHeight_;    // b
    std::uint64_t widthTerm_;    // 2a + 1
    std::uint64_t heightTerm_;   // 2b + 1
};

}  // namespace lumenbox::win::detail
