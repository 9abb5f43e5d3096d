// Scanline polygon fill with an active edge list.
#include "platform/gdi/polygon_fill.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include <lumenbox/win/gdi.h>

#include "platform/gdi/wide_arithmetic.h"

namespace lumenbox::win::detail {

namespace {

// An edge from its upper end down, covering rows [top, bottom). Its
// crossing with row y is x0 + (y - top) * dx / dy; the edge keeps
// x = x0 + ceil of that, with the remainder of the rounding, and steps down
// one row with one addition.
struct Edge {
    std::int64_t top;
    std::int64_t bottom;
    std::int64_t x0;
    std::int64_t dx;
    std::int64_t dy;        // > 0
    int direction;          // +1 downwards, -1 upwards
    std::int64_t wholeStep;  // floor(dx / dy)
    std::int64_t partStep;   // dx - wholeStep * dy, in [0, dy)
    std::int64_t x = 0;      // ceil(crossing) at the current row
    std::int64_t remainder = 0;

    void StartAt(std::int64_t y) {
        const Int128 numerator = Int128{y - top} * dx;
        const std::int64_t offset = CeilDiv(numerator, dy);
        x = x0 + offset;
        remainder = static_cast<std::int64_t>(Int128{offset} * dy - numerator);
    }

    void StepDown() {
        if (remainder >= partStep) {
            x += wholeStep;
            remainder -= partStep;
        } else {
            x += wholeStep + 1;
            remainder += dy - partStep;
        }
    }
};

std::vector<Edge> EdgesOf(const POINT* points, std::size_t count) {
    std::vector<Edge> edges;
    edges.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const POINT& a = points[i];
        const POINT& b = points[(i + 1) % count];
        if (a.y == b.y) continue;  // a horizontal edge crosses no row
        const bool down = b.y > a.y;
        const POINT& upper = down ? a : b;
        const POINT& lower = down ? b : a;
        Edge edge{};
        edge.top = upper.y;
        edge.bottom = lower.y;
        edge.x0 = upper.x;
        edge.dx = std::int64_t{lower.x} - upper.x;
        edge.dy = std::int64_t{lower.y} - upper.y;
        edge.direction = down ? 1 : -1;
        edge.wholeStep = FloorDiv(edge.dx, edge.dy);
        edge.partStep = edge.dx - edge.wholeStep * edge.dy;
        edges.push_back(edge);
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.top < q.top; });
    return edges;
}

struct Crossing {
    std::int64_t x;
    int direction;
};

bool Inside(int winding, int fillMode) { return fillMode == WINDING ? winding != 0 : (winding & 1) != 0; }

// The row's spans between crossings, sorted by x, where the fill mode says
// the inside is.
void AddRow(RowSpans& spans, int y, std::vector<Crossing>& crossings, int fillMode, const RECT& visible) {
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].direction;
        if (!Inside(winding, fillMode)) continue;
        const std::int64_t from = std::max<std::int64_t>(crossings[i].x, visible.left);
        const std::int64_t to = std::min<std::int64_t>(crossings[i + 1].x, visible.right);
        if (from < to) spans.Add(y, static_cast<int>(from), static_cast<int>(to));
    }
}

}  // namespace

void CoverPolygon(RowSpans& spans, const POINT* points, std::size_t count, int fillMode, const RECT& visible) {
    if (visible.right <= visible.left || visible.bottom <= visible.top) return;
    std::vector<Edge> edges = EdgesOf(points, count);
    if (edges.empty()) return;
    std::int64_t lowest = edges.front().bottom;
    for (const Edge& edge : edges) lowest = std::max(lowest, edge.bottom);
    const std::int64_t firstRow = std::max<std::int64_t>(edges.front().top, visible.top);
    const std::int64_t lastRow = std::min<std::int64_t>(lowest - 1, visible.bottom - 1);
    std::vector<Edge> active;
    std::vector<Crossing> crossings;
    std::size_t next = 0;  // the first edge not yet active
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        // Retire the edges that ended above this row, step the rest down.
        std::erase_if(active, [&](const Edge& edge) { return edge.bottom <= y; });
        for (Edge& edge : active) edge.StepDown();
        // Edges that started at or above this row join, placed exactly.
        for (; next < edges.size() && edges[next].top <= y; ++next) {
            if (edges[next].bottom <= y) continue;
            active.push_back(edges[next]);
            active.back().StartAt(y);
        }
        crossings.clear();
        for (const Edge& edge : active) crossings.push_back(Crossing{edge.x, edge.direction});
        AddRow(spans, static_cast<int>(y), crossings, fillMode, visible);
    }
}

}  // namespace lumenbox::win::detail
