// The drawing frame in plain memory.
#include "drawing_baseline.h"

#include <cstdlib>

namespace lumenbox::bench {

namespace {

// Both pictures, as the library keeps a canvas and a window alike.
inline void Put(BaselineDrawing& d, int x, int y, std::uint8_t colour) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(DrawingWidth) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(DrawingHeight))
        return;
    const std::size_t at = static_cast<std::size_t>(y) * DrawingWidth + static_cast<std::size_t>(x);
    d.canvas[at] = colour;
    d.window[at] = d.colours[colour];
}

void Line(BaselineDrawing& d, const FrameLayout::Line& l) {
    int x = l.x1, y = l.y1;
    const int dx = std::abs(l.x2 - l.x1), dy = -std::abs(l.y2 - l.y1);
    const int sx = l.x1 < l.x2 ? 1 : -1, sy = l.y1 < l.y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Put(d, x, y, l.colour);
        if (x == l.x2 && y == l.y2) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Circle(BaselineDrawing& d, const FrameLayout::Spot& c) {
    int x = CircleRadius, y = 0, error = 1 - CircleRadius;
    while (x >= y) {
        const int points[8][2] = {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& p : points) Put(d, c.x + p[0], c.y + p[1], c.colour);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}

void Text(BaselineDrawing& d, const FrameLayout::Spot& t) {
    for (int row = 0; row < d.text.height; ++row)
        for (int column = 0; column < d.text.width; ++column)
            if (d.text.ink[static_cast<std::size_t>(row * d.text.width + column)]) Put(d, t.x + column, t.y + row, t.colour);
}

}  // namespace

FrameLayout MakeFrameLayout() {
    FrameLayout layout;
    std::uint32_t seed = 12345;
    const auto next = [&seed](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(bound));
    };
    for (int i = 0; i < LinesPerFrame; ++i) {
        const auto x = static_cast<std::int16_t>(next(DrawingWidth - 20) + 10);
        const auto y = static_cast<std::int16_t>(next(DrawingHeight - 20) + 10);
        layout.lines.push_back({x, y, static_cast<std::int16_t>(x + next(17) - 8), static_cast<std::int16_t>(y + next(17) - 8),
                                static_cast<std::uint8_t>(1 + next(254))});
    }
    for (int i = 0; i < CirclesPerFrame; ++i)
        layout.circles.push_back({static_cast<std::int16_t>(next(DrawingWidth)), static_cast<std::int16_t>(next(DrawingHeight)),
                                  static_cast<std::uint8_t>(1 + next(254))});
    for (int i = 0; i < TextsPerFrame; ++i)
        layout.texts.push_back({static_cast<std::int16_t>(next(DrawingWidth - 40)), static_cast<std::int16_t>(next(DrawingHeight - 16)),
                                static_cast<std::uint8_t>(1 + next(254))});
    return layout;
}

void BaselineDrawingFrame(BaselineDrawing& drawing, const FrameLayout& layout) {
    for (const auto& line : layout.lines) Line(drawing, line);
    for (const auto& circle : layout.circles) Circle(drawing, circle);
    for (const auto& text : layout.texts) Text(drawing, text);
}

}  // namespace lumenbox::bench
