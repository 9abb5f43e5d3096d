// The drawing benchmark's frame done in plain memory: the same lines, circles
// and text pixels written straight into an 8-bit canvas and a 32-bit window
// picture, with no library, locks or clipping in between.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace lumenbox::bench {

inline constexpr int DrawingWidth = 640;
inline constexpr int DrawingHeight = 480;
inline constexpr int LinesPerFrame = 10000;
inline constexpr int CirclesPerFrame = 1000;
inline constexpr int TextsPerFrame = 1000;
inline constexpr int CircleRadius = 10;

// Where the frame's shapes go, the same for both versions.
struct FrameLayout {
    struct Line {
        std::int16_t x1, y1, x2, y2;
        std::uint8_t colour;
    };
    struct Spot {
        std::int16_t x, y;
        std::uint8_t colour;
    };
    std::vector<Line> lines;
    std::vector<Spot> circles;
    std::vector<Spot> texts;
};

FrameLayout MakeFrameLayout();

// A rendered text as the library drew it once: which pixels of its box are ink.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;  // row by row, 1 for ink
};

struct BaselineDrawing {
    std::vector<std::uint8_t> canvas = std::vector<std::uint8_t>(DrawingWidth * DrawingHeight);
    std::vector<std::uint32_t> window = std::vector<std::uint32_t>(DrawingWidth * DrawingHeight);
    std::array<std::uint32_t, 256> colours{};
    TextMask text;
};

void BaselineDrawingFrame(BaselineDrawing& drawing, const FrameLayout& layout);

}  // namespace lumenbox::bench
