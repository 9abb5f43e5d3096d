// Glyph runs and turned boxes, clipped before a pixel is touched.
#include "platform/gdi/text_painting.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gdi/brush_fills.h"

namespace lumenbox::win::detail {

namespace {

// A right-angled turn's cosine and sine as the integers they are.
std::int64_t Unit(double value) { return static_cast<std::int64_t>(value); }

std::int64_t ClampTo(std::int64_t value, LONG low, LONG high) { return std::clamp<std::int64_t>(value, low, high); }

// The part of [begin, end) x [top, bottom) inside the clip rectangle.
RECT ClippedBox(const RECT& clip, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return RECT{static_cast<LONG>(ClampTo(left, clip.left, clip.right)), static_cast<LONG>(ClampTo(top, clip.top, clip.bottom)),
                static_cast<LONG>(ClampTo(right, clip.left, clip.right)),
                static_cast<LONG>(ClampTo(bottom, clip.top, clip.bottom))};
}

// A device coordinate in doubles, which may lie anywhere, brought into
// [low, high].
int Within(double value, LONG low, LONG high) {
    return static_cast<int>(std::clamp(value, static_cast<double>(low), static_cast<double>(high)));
}

struct Corner {
    double x;
    double y;
};

// The span of a convex polygon's interior along the row centre `cy`, as
// [left, right) in device x; false when the row misses it.
bool SpanAt(const std::array<Corner, 4>& corners, double cy, double& left, double& right) {
    bool found = false;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Corner& a = corners[i];
        const Corner& b = corners[(i + 1) % corners.size()];
        // Half-open in y, so that a row through a corner counts once.
        if ((a.y <= cy && cy < b.y) || (b.y <= cy && cy < a.y)) {
            const double x = a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y);
            left = found ? std::min(left, x) : x;
            right = found ? std::max(right, x) : x;
            found = true;
        }
    }
    return found;
}

// The pixels of rows in `clip` whose centres lie inside the parallelogram.
void PaintTurnedBox(const DrawTarget& target, const RECT& clip, const std::array<Corner, 4>& corners, std::uint32_t value) {
    double top = corners[0].y, bottom = corners[0].y;
    for (const Corner& c : corners) {
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    const int firstRow = Within(std::floor(top), clip.top, clip.bottom);
    const int endRow = Within(std::ceil(bottom), clip.top, clip.bottom);
    const PixelFormat& format = *target.view.format;
    for (int y = firstRow; y < endRow; ++y) {
        double left = 0, right = 0;
        if (!SpanAt(corners, y + 0.5, left, right)) continue;
        // Pixel x is inside when its centre x + 0.5 lies in [left, right).
        const int begin = Within(std::ceil(left - 0.5), clip.left, clip.right);
        const int end = Within(std::ceil(right - 0.5), clip.left, clip.right);
        if (begin < end) format.fill(target.view.Row(y), begin, end, value);
    }
}

}  // namespace

std::int64_t TextFrame::X(std::int64_t u, std::int64_t v) const {
    if (turn.RightAngled()) return x + u * Unit(turn.cosine) + v * Unit(turn.sine);
    return x + std::llround(static_cast<double>(u) * turn.cosine + static_cast<double>(v) * turn.sine);
}

std::int64_t TextFrame::Y(std::int64_t u, std::int64_t v) const {
    if (turn.RightAngled()) return y - u * Unit(turn.sine) + v * Unit(turn.cosine);
    return y + std::llround(-static_cast<double>(u) * turn.sine + static_cast<double>(v) * turn.cosine);
}

void PaintGlyph(const DrawTarget& target, const RECT& clip, const Glyph& glyph, std::int64_t x, std::int64_t y,
                std::uint32_t value) {
    if (glyph.runs.empty()) return;
    // Most glyphs of a long string lie wholly outside: one test each.
    if (x + glyph.box.right <= clip.left || x + glyph.box.left >= clip.right || y + glyph.box.bottom <= clip.top ||
        y + glyph.box.top >= clip.bottom)
        return;
    const PixelFormat& format = *target.view.format;
    for (const GlyphRun& run : glyph.runs) {
        const std::int64_t row = y + run.y;
        if (row < clip.top || row >= clip.bottom) continue;
        const auto begin = static_cast<int>(ClampTo(x + run.begin, clip.left, clip.right));
        const auto end = static_cast<int>(ClampTo(x + run.end, clip.left, clip.right));
        if (begin < end) format.fill(target.view.Row(static_cast<int>(row)), begin, end, value);
    }
}

void PaintTextBox(const DrawTarget& target, const RECT& clip, const TextFrame& frame, std::int64_t u0, std::int64_t u1,
                  std::int64_t v0, std::int64_t v1, std::uint32_t value) {
    if (u0 == u1 || v0 == v1) return;
    if (frame.turn.RightAngled()) {
        // Turned by a right angle the box stays a whole-pixel rectangle.
        const std::int64_t xa = frame.X(u0, v0), xb = frame.X(u1, v1);
        const std::int64_t ya = frame.Y(u0, v0), yb = frame.Y(u1, v1);
        const RECT area = ClippedBox(clip, std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb));
        if (!IsEmpty(area)) PaintSolid(target, value, area);
        return;
    }
    const auto corner = [&](std::int64_t u, std::int64_t v) {
        const double du = static_cast<double>(u), dv = static_cast<double>(v);
        return Corner{static_cast<double>(frame.x) + du * frame.turn.cosine + dv * frame.turn.sine,
                      static_cast<double>(frame.y) - du * frame.turn.sine + dv * frame.turn.cosine};
    };
    PaintTurnedBox(target, clip, {corner(u0, v0), corner(u1, v0), corner(u1, v1), corner(u0, v1)}, value);
}

}  // namespace lumenbox::win::detail
