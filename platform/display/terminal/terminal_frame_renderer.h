// A client surface as the escape codes that draw it into a terminal.
//
// Each character cell shows two pixels, one above the other: the upper-half
// block in the upper pixel's colour (foreground) over the lower pixel's
// (background), in 24-bit colour. A cell is about twice as tall as it is
// wide, so the half-cells are near enough square, and the picture keeps the
// window's proportions. It is scaled to the terminal's size and centred; each
// shown pixel is the average of the window pixels it covers (or, enlarged,
// the one it falls on).
//
// The renderer remembers the cells it last drew and draws only those that
// changed, unless the terminal or the window changed size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumenbox::display {

// Where the picture goes in the terminal, in half-cell pixels: `left` and
// `width` count columns, `top` and `height` pixel rows (two per cell row).
// `top` is even, so the picture starts at the top of a cell.
struct PictureFit {
    int left;
    int top;
    int width;
    int height;

    friend bool operator==(const PictureFit&, const PictureFit&) = default;
};

// The largest picture of the window's proportions that fits the terminal,
// centred; empty (zero sizes) when either has no area.
PictureFit FitPicture(int sourceWidth, int sourceHeight, int columns, int rows);

class TerminalFrameRenderer {
public:
    // The escape codes that bring the terminal from the last frame to this
    // one: `pixels` is width x height 0x00RRGGBB, rows top-down; the terminal
    // is columns x rows cells. Empty when nothing changed.
    std::string Render(const std::uint32_t* pixels, int width, int height, int columns, int rows);
    // Blanks the screen (no window to show); the next frame is drawn whole.
    std::string Clear();

private:
    struct Cell {
        std::uint32_t upper;
        std::uint32_t lower;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    std::vector<Cell> CellsOf(const std::uint32_t* pixels, int width, int height, const PictureFit& fit) const;
    std::string Draw(const std::vector<Cell>& cells, const PictureFit& fit, bool whole);

    // The last frame drawn; a frame of other sizes is drawn whole.
    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<Cell> cells_;
};

}  // namespace lumenbox::display
