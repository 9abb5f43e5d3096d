// Scaling a surface to the terminal and writing it as half-block cells.
#include "platform/display/terminal/terminal_frame_renderer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace lumenbox::display {

namespace {

// Reset the colours, then clear with the terminal's own background.
constexpr const char* kResetAndClear = "\x1b[0m\x1b[2J";
constexpr const char* kResetColours = "\x1b[0m";
constexpr const char* kUpperHalfBlock = "\xe2\x96\x80";  // U+2580 in UTF-8

// The source span [begin, end) each of `target` pixels covers along one axis:
// a box when shrinking, the one pixel it falls on when enlarging.
struct Span {
    int begin;
    int end;
};

std::vector<Span> SpansOf(int source, int target) {
    std::vector<Span> spans(static_cast<std::size_t>(target));
    for (int t = 0; t < target; ++t) {
        const int begin = static_cast<int>(static_cast<std::int64_t>(t) * source / target);
        const int end = static_cast<int>(static_cast<std::int64_t>(t + 1) * source / target);
        spans[static_cast<std::size_t>(t)] = Span{begin, std::max(end, begin + 1)};
    }
    return spans;
}

std::uint32_t Average(const std::uint32_t* pixels, int width, Span xs, Span ys) {
    std::uint64_t red = 0, green = 0, blue = 0;
    for (int y = ys.begin; y < ys.end; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = xs.begin; x < xs.end; ++x) {
            red += (row[x] >> 16) & 0xFF;
            green += (row[x] >> 8) & 0xFF;
            blue += row[x] & 0xFF;
        }
    }
    const auto count = static_cast<std::uint64_t>(xs.end - xs.begin) * static_cast<std::uint64_t>(ys.end - ys.begin);
    const auto mean = [count](std::uint64_t sum) { return static_cast<std::uint32_t>((sum + count / 2) / count); };
    return (mean(red) << 16) | (mean(green) << 8) | mean(blue);
}

void AppendColour(std::string& out, const char* kind, std::uint32_t rgb) {
    out += "\x1b[";
    out += kind;
    out += ";2;";
    out += std::to_string((rgb >> 16) & 0xFF);
    out += ';';
    out += std::to_string((rgb >> 8) & 0xFF);
    out += ';';
    out += std::to_string(rgb & 0xFF);
    out += 'm';
}

void AppendCursorMove(std::string& out, int row, int column) {
    out += "\x1b[";
    out += std::to_string(row + 1);
    out += ';';
    out += std::to_string(column + 1);
    out += 'H';
}

}  // namespace

PictureFit FitPicture(int sourceWidth, int sourceHeight, int columns, int rows) {
    if (sourceWidth <= 0 || sourceHeight <= 0 || columns <= 0 || rows <= 0) return PictureFit{0, 0, 0, 0};
    const std::int64_t w = sourceWidth, h = sourceHeight, across = columns, down = std::int64_t{rows} * 2;
    std::int64_t width = across, height = down;
    if (w * down >= h * across) {
        height = std::clamp<std::int64_t>((h * across + w / 2) / w, 1, down);
    } else {
        width = std::clamp<std::int64_t>((w * down + h / 2) / h, 1, across);
    }
    const std::int64_t cellRows = (height + 1) / 2;
    return PictureFit{static_cast<int>((across - width) / 2), static_cast<int>((rows - cellRows) / 2 * 2),
                      static_cast<int>(width), static_cast<int>(height)};
}

std::string TerminalFrameRenderer::Render(const std::uint32_t* pixels, int width, int height, int columns,
                                          int rows) {
    const PictureFit fit = FitPicture(width, height, columns, rows);
    const bool whole = width != width_ || height != height_ || columns != columns_ || rows != rows_;
    width_ = width;
    height_ = height;
    columns_ = columns;
    rows_ = rows;
    if (fit.width == 0 || pixels == nullptr) {
        cells_.clear();
        return whole ? kResetAndClear : "";
    }
    std::vector<Cell> cells = CellsOf(pixels, width, height, fit);
    std::string out = Draw(cells, fit, whole);
    cells_ = std::move(cells);
    return out;
}

std::string TerminalFrameRenderer::Clear() {
    width_ = height_ = columns_ = rows_ = 0;
    cells_.clear();
    return kResetAndClear;
}

std::vector<TerminalFrameRenderer::Cell> TerminalFrameRenderer::CellsOf(const std::uint32_t* pixels, int width,
                                                                        int height, const PictureFit& fit) const {
    const std::vector<Span> xs = SpansOf(width, fit.width);
    const std::vector<Span> ys = SpansOf(height, fit.height);
    const int cellRows = (fit.height + 1) / 2;
    std::vector<Cell> cells;
    cells.reserve(static_cast<std::size_t>(cellRows) * xs.size());
    for (int row = 0; row < cellRows; ++row) {
        const std::size_t upper = static_cast<std::size_t>(row) * 2;
        for (const Span& x : xs) {
            // An odd last pixel row leaves the lower half of its cells black.
            const std::uint32_t lower = upper + 1 < ys.size() ? Average(pixels, width, x, ys[upper + 1]) : 0;
            cells.push_back(Cell{Average(pixels, width, x, ys[upper]), lower});
        }
    }
    return cells;
}

std::string TerminalFrameRenderer::Draw(const std::vector<Cell>& cells, const PictureFit& fit, bool whole) {
    std::string out;
    if (whole) out = kResetAndClear;
    // The terminal's colours and cursor are taken as unknown at the start of
    // each frame: only what this frame set is relied upon.
    std::int64_t foreground = -1, background = -1;
    int cursorRow = -1, cursorColumn = -1;
    const bool compare = !whole && cells_.size() == cells.size();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (compare && cells[i] == cells_[i]) continue;
        const int row = fit.top / 2 + static_cast<int>(i / static_cast<std::size_t>(fit.width));
        const int column = fit.left + static_cast<int>(i % static_cast<std::size_t>(fit.width));
        if (row != cursorRow || column != cursorColumn) AppendCursorMove(out, row, column);
        if (cells[i].upper != foreground) AppendColour(out, "38", cells[i].upper);
        if (cells[i].lower != background) AppendColour(out, "48", cells[i].lower);
        out += kUpperHalfBlock;
        foreground = cells[i].upper;
        background = cells[i].lower;
        cursorRow = row;
        cursorColumn = column + 1;
    }
    if (foreground >= 0) out += kResetColours;
    return out;
}

}  // namespace lumenbox::display
