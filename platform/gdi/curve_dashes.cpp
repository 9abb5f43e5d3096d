// Dashed curves: one pass to count the outline and find where the arc
// starts on it, one to draw the visible pixels at their dash positions.
#include "platform/gdi/curve_dashes.h"

#include <algorithm>

#include "platform/gdi/first_where.h"
#include "platform/gdi/outline_walk.h"

namespace lumenbox::win::detail {

namespace {

// What the first pass learns. Along the walk the angle from the arc's start
// radial only grows, except once, where it wraps round past the start
// radial: that pixel is where the arc begins. Pixels up to the end radial
// (an angle no larger than the end's) are the arc's.
struct ArcTally {
    std::int64_t total = 0;       // outline pixels walked
    std::int64_t start = 0;       // walk position of the arc's first pixel
    std::int64_t inside = 0;      // pixels within the sweep
    bool started = false;
    bool hasLast = false;
    std::int64_t lastX = 0;       // the previous piece's last pixel
    std::int64_t lastY = 0;
};

// Pixels of piece[from, to) within the sweep; the angle grows along them.
std::int64_t CountInside(const ArcSweep& sweep, const OutlinePiece& piece, std::int64_t from, std::int64_t to) {
    const std::int64_t outside =
        FirstWhere(from, to, [&](std::int64_t k) { return !sweep.Contains(piece.X(k), piece.y); });
    return outside - from;
}

void TallyPiece(const ArcSweep& sweep, const OutlinePiece& piece, std::int64_t position, ArcTally& tally) {
    const std::int64_t length = piece.Length();
    const std::int64_t x0 = piece.X(0);
    std::int64_t wrap = length;  // where the angle drops within the piece, if it does
    if (tally.hasLast && sweep.Before(x0, piece.y, tally.lastX, tally.lastY)) {
        wrap = 0;
    } else {
        wrap = FirstWhere(1, length, [&](std::int64_t k) { return sweep.Before(piece.X(k), piece.y, x0, piece.y); });
    }
    if (wrap < length && !tally.started) {
        tally.start = position + wrap;
        tally.started = true;
    }
    tally.inside += CountInside(sweep, piece, 0, wrap) + CountInside(sweep, piece, wrap, length);
    tally.total += length;
    tally.hasLast = true;
    tally.lastX = piece.X(length - 1);
    tally.lastY = piece.y;
}

// The steps [first, last] of a piece whose pixels are visible columns.
void VisibleSteps(const OutlinePiece& piece, const RECT& visible, std::int64_t& first, std::int64_t& last) {
    const std::int64_t lo = visible.left;
    const std::int64_t hi = std::int64_t{visible.right} - 1;
    if (piece.step > 0) {
        first = lo - piece.from;
        last = hi - piece.from;
    } else {
        first = piece.from - hi;
        last = piece.from - lo;
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, piece.Length() - 1);
}

}  // namespace

void DashCurve(PenStroke& stroke, CurveKind kind, const Box& box, const ArcSweep* sweep, const RECT& visible) {
    const EllipseRows rows(box);
    const bool counted = box.bottom - box.top <= kCountedRows;
    const std::int64_t firstRow = counted ? box.top : std::max<std::int64_t>(box.top, visible.top);
    const std::int64_t lastRow = counted ? box.bottom - 1 : std::min<std::int64_t>(box.bottom - 1, visible.bottom - 1);
    if (firstRow > lastRow) return;
    const bool partial = sweep && !sweep->Full();

    ArcTally tally;
    WalkOutline(rows, firstRow, lastRow, [&](const OutlinePiece& piece, std::int64_t position) {
        if (partial)
            TallyPiece(*sweep, piece, position, tally);
        else
            tally.total += piece.Length();
    });
    if (!partial) tally.inside = tally.total;
    if (tally.total == 0) return;

    WalkOutline(rows, firstRow, lastRow, [&](const OutlinePiece& piece, std::int64_t position) {
        if (piece.y < visible.top || piece.y >= visible.bottom) return;
        const int y = static_cast<int>(piece.y);
        std::int64_t first = 0;
        std::int64_t last = 0;
        VisibleSteps(piece, visible, first, last);
        for (std::int64_t k = first; k <= last; ++k) {
            const std::int64_t x = piece.X(k);
            if (partial && !sweep->Contains(x, piece.y)) continue;
            std::int64_t along = position + k - tally.start;
            if (along < 0) along += tally.total;
            stroke.CosmeticPixel(static_cast<int>(x), y, along);
        }
    });

    if (kind != CurveKind::Pie || !sweep) return;
    const POINT centre{static_cast<LONG>(sweep->CentreX2() >> 1), static_cast<LONG>(sweep->CentreY2() >> 1)};
    const POINT start = NearestPixel(ArcEndPoint(box, stroke.Ink(), *sweep, sweep->Start()));
    const POINT end = NearestPixel(ArcEndPoint(box, stroke.Ink(), *sweep, sweep->End()));
    stroke.SetPhase(tally.inside % stroke.Ink().dashes.period);
    stroke.CosmeticSegment(end, centre);
    stroke.CosmeticSegment(centre, start);
}

}  // namespace lumenbox::win::detail
